// What the tests of Bible search, printing and the small dialogs add to the
// program's test windows: message boxes recorded with their captions, modal
// dialogs filled in by the test instead of entering their loop, and print
// jobs written as PDF files into the test's folder.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>

#include "kalview_fixture.h"
#include "printing.h"

class QComboBox;

namespace kal {

class TBibleSearchDlg;

struct ShownBox {
  QString title;
  QString text;
  // The window the box opens over, by name (empty: none, so the main window);
  // the window itself may be gone by the time a test looks.
  QString owner;
};

class RecordingPrompt : public ScriptedPrompt {
 public:
  std::vector<ShownBox> boxes;
  PromptAnswer Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                   std::optional<QPoint> at) override;
};

// Every job that reaches a printer becomes job-NNN.pdf in the folder (in
// `files`), titled as the program titles it; the print dialog answers as the
// test says. When the test sets `printToFile`, the dialog chooses that file,
// as a user's Print to File would, and jobs written to it are counted in
// `fileJobs` instead.
class PdfPrintService : public PrintService {
 public:
  QString folder;
  bool hasDefaultPrinter = true;
  bool dialogAnswer = true;
  int dialogsShown = 0;
  QStringList files;
  QString printToFile;
  QStringList fileJobs;
  QStringList suggestedNames;  // the job names the dialog was opened with
  bool HasDefaultPrinter() const override { return hasDefaultPrinter; }
  bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
  void BeginJob(QPrinter& printer, const QString& title) override;
  void UseDefaultPrinter(QPrinter& printer) override;
};

class DialogTest : public KalviewTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The next modal dialogs are shown non-modally and handed to fill, which
  // sets their controls and returns their result.
  void OnModal(std::function<int(QDialog&)> fill);
  QStringList DialogsOpened() const { return opened_; }

  // A main-menu command, as the user picks it.
  void Run(const char* item);
  TBibleSearchDlg& Search() const;
  QStringList BoxTexts() const;

  // The text of a printed PDF and its title.
  static QString PdfText(const QString& file);
  static QString PdfTitle(const QString& file);

  RecordingPrompt boxes_;
  PdfPrintService printer_;
  QStringList opened_;
};

// A list's row by its text.
void Choose(QComboBox* list, const QString& text);

}  // namespace kal
