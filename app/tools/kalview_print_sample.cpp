// Printed pages of the real program for the documentation: one day in the
// troparia and kontakia view and the same day's Bible readings, each printed
// as the Print command prints it, into a PDF file.
//   kalview_print_sample PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it offscreen with an empty settings store (Old Calendar).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrinter>

#include "doc_tool_support.h"
#include "main_form.h"
#include "printing.h"
#include "program_windows.h"

namespace {

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
  kal::DocToolStart start;
  if (!start.Begin(argc, argv, "kalview_print_sample")) return 2;
  const QDir& out = start.out;
  const QDate& date = start.date;
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
