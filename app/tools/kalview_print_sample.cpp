// Printed pages of the real program for the documentation: one day in the
// troparia and kontakia view and the same day's Bible readings, each printed
// as the Print command prints it, into a PDF file.
//   kalview_print_sample PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it offscreen with an empty settings store (Old Calendar).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <cstdio>

#include "app_context.h"
#include "main_form.h"
#include "printing.h"
#include "program_windows.h"

namespace {

class NoPrompt : public kal::Prompt {
 public:
  kal::PromptAnswer Ask(kal::PromptKind, const QString&, const QString& text, kal::PromptButtons,
                        std::optional<QPoint>) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return kal::PromptAnswer::Cancel;
  }
  QString ChooseSaveFile(const QString&) override { return {}; }
};

// Each job into the next file name, on Letter paper.
class PdfFiles : public kal::PrintService {
 public:
  QStringList names;
  bool HasDefaultPrinter() const override { return true; }
  bool ChoosePrinter(QPrinter&, QWidget*) override { return true; }
  void BeginJob(QPrinter& printer, const QString& title) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(names.takeFirst());
    printer.setDocName(title);
    printer.setCreator("Kalendra");
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: kalview_print_sample PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD\n");
    return 2;
  }
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  NoPrompt prompt;
  const kal::ScreenInfo screen;
  kal::AppContext context;
  context.programFolder = QString::fromLocal8Bit(argv[1]);
  context.prompt = &prompt;
  context.screen = &screen;
  kal::SetApp(context);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  const QDate date = QDate::fromString(QString::fromLatin1(argv[3]), Qt::ISODate);
  PdfFiles files;
  files.names = {out.filePath("kalview_print_troparia.pdf"), out.filePath("kalview_print_readings.pdf")};
  kal::SetPrintService(&files);

  kal::ProgramWindows windows = kal::CreateProgramWindows(date);
  kal::TMainForm& main = *windows.main;
  main.Action("MPrint")->trigger();
  main.Action("MDailyBibleReadings")->trigger();
  main.Action("MPrint")->trigger();
  main.Action("MTroparionKontakion")->trigger();
  kal::SetPrintService(nullptr);
  return files.names.isEmpty() ? 0 : 1;
}
