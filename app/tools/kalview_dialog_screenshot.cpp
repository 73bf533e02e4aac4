// A picture of the whole screen for the documentation: Go To Date opened from
// the Select Date window, over it, as the window manager stacks them.
//   kalview_dialog_screenshot PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it under a display server with a window manager and an empty settings
// store.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "date_box.h"
#include "doc_tool_support.h"
#include "main_form.h"
#include "modal_runner.h"
#include "program_windows.h"

namespace {

bool Framed(QWidget& window) {
  return QTest::qWaitForWindowExposed(&window) &&
         QTest::qWaitFor([&window] { return !window.windowHandle()->frameMargins().isNull(); });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  kal::DocToolStart start;
  if (!start.Begin(argc, argv, "kalview_dialog_screenshot")) return 2;
  kal::ProgramWindows windows = kal::CreateProgramWindows(start.date);
  kal::TMainForm& main = *windows.main;
  main.show();
  if (!Framed(main)) return 1;
  bool saved = false;
  // The program's own commands, each dialog shown and pictured instead of
  // waiting for the user.
  kal::SetModalRunner([&](QDialog& dialog) {
    dialog.show();
    if (!Framed(dialog)) return int(QDialog::Rejected);
    if (&dialog == windows.dateBox) {
      windows.dateBox->findChild<QAction*>("GoToDate")->trigger();
    } else {
      QTest::qWait(500);
      saved = QGuiApplication::primaryScreen()->grabWindow(0).save(start.out.filePath("kalview_go_to_date.png"));
    }
    dialog.hide();
    return int(QDialog::Rejected);
  });
  main.Action("MSelectDate")->trigger();
  kal::SetModalRunner({});
  return saved ? 0 : 1;
}
