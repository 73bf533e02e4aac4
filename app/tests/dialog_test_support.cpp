#include "dialog_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QProcess>

#include "bible_search_dlg.h"
#include "main_form.h"
#include "modal_runner.h"

namespace kal {

PromptAnswer RecordingPrompt::Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                                  std::optional<QPoint> at) {
  const QWidget* owner = PromptOwner::Current();
  boxes.push_back({title, text, owner ? owner->objectName() : QString()});
  return ScriptedPrompt::Ask(kind, title, text, buttons, at);
}

bool PdfPrintService::ChoosePrinter(QPrinter& printer, QWidget*) {
  ++dialogsShown;
  suggestedNames << printer.docName();
  if (dialogAnswer && !printToFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
  }
  return dialogAnswer;
}

void PdfPrintService::UseDefaultPrinter(QPrinter& printer) {
  printer.setOutputFileName(QString());
  printer.setOutputFormat(QPrinter::NativeFormat);
}

void PdfPrintService::BeginJob(QPrinter& printer, const QString& title) {
  // A file the dialog chose keeps the job, as the system's printing would.
  const QString chosen = printer.outputFileName();
  if (!chosen.isEmpty() && !files.contains(chosen)) {
    printer.setDocName(title);
    fileJobs << chosen;
    return;
  }
  const QString file = QString("%1/job-%2.pdf").arg(folder).arg(files.size(), 3, 10, QChar('0'));
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setDocName(title);
  files << file;
}

void DialogTest::SetUp() {
  KalviewTest::SetUp();
  App().prompt = &boxes_;
  printer_.folder = Folder();
  SetPrintService(&printer_);
  SetModalRunner([this](QDialog& dialog) {
    opened_ << dialog.objectName();
    return QDialog::Rejected;
  });
}

void DialogTest::TearDown() {
  KalviewTest::TearDown();
  SetModalRunner({});
  SetPrintService(nullptr);
}

void DialogTest::OnModal(std::function<int(QDialog&)> fill) {
  SetModalRunner([this, fill](QDialog& dialog) {
    opened_ << dialog.objectName();
    dialog.show();
    const int result = fill(dialog);
    dialog.hide();
    return result;
  });
}

void DialogTest::Run(const char* item) { windows_.main->Action(item)->trigger(); }

TBibleSearchDlg& DialogTest::Search() const { return *TBibleSearchDlg::Of(*windows_.main); }

QStringList DialogTest::BoxTexts() const {
  QStringList texts;
  for (const ShownBox& box : boxes_.boxes) texts << box.text;
  return texts;
}

QString DialogTest::PdfText(const QString& file) {
  QProcess tool;
  tool.start("pdftotext", {"-layout", file, "-"});
  tool.waitForFinished(30000);
  return QString::fromUtf8(tool.readAllStandardOutput());
}

QString DialogTest::PdfTitle(const QString& file) {
  QProcess tool;
  tool.start("pdfinfo", {file});
  tool.waitForFinished(30000);
  for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("Title:")) return line.mid(6).trimmed();
  }
  return {};
}

void Choose(QComboBox* list, const QString& text) {
  const int row = list->findText(text);
  ASSERT_GE(row, 0) << text.toStdString();
  list->setCurrentIndex(row);
}

}  // namespace kal
