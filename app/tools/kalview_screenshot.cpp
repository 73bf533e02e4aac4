// Pictures of the real main window for the documentation: the troparia and
// kontakia view and the Bible readings view of one day.
//   kalview_screenshot [--dark] PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// --dark takes the pictures in a dark desktop palette (files *_dark.png).
// Run it under a display server (xvfb-run) with an empty settings store.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTest>
#include <cstring>

#include "dark_palette.h"
#include "doc_tool_support.h"
#include "main_form.h"
#include "program_windows.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const bool dark = argc > 1 && std::strcmp(argv[1], "--dark") == 0;
  if (dark) {
    QApplication::setPalette(kal::DarkDesktopPalette());
    argv[1] = argv[0];
    ++argv;
    --argc;
  }
  const QString suffix = dark ? "_dark.png" : ".png";
  kal::DocToolStart start;
  if (!start.Begin(argc, argv, "kalview_screenshot")) return 2;
  const QDir& out = start.out;
  const QDate& date = start.date;

  kal::ProgramWindows windows = kal::CreateProgramWindows(date);
  kal::TMainForm& main = *windows.main;
  if (!kal::ShowOverWorkingArea(main)) return 1;
  QTest::qWait(500);
  main.grab().save(out.filePath("kalview_troparia" + suffix));
  main.Action("MDailyBibleReadings")->trigger();
  QTest::qWait(300);
  main.grab().save(out.filePath("kalview_readings" + suffix));
  main.Action("MTroparionKontakion")->trigger();
  return 0;
}
