// Opening the program on a day whose personalised copy is one long run of
// text without a space (a file pasted together, or written by a faulty
// tool): start-up to the first painted page, per size of the run.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

#include "app_context.h"
#include "main_form.h"
#include "program_windows.h"
#include "silent_prompt.h"

namespace {

// Milliseconds from creating the windows to the page painted once.
double OpenWithCopy(const QByteArray& copy, SilentPrompt& prompt, const kal::ScreenInfo& screen) {
  QTemporaryDir folder;
  QFile file(folder.filePath("12-25.TRP"));  // 7 January on the Old Calendar
  if (!file.open(QIODevice::WriteOnly) || file.write(copy) != copy.size()) return -1;
  file.close();
  kal::AppContext context;
  context.programFolder = folder.path();
  context.prompt = &prompt;
  context.screen = &screen;
  kal::SetApp(context);
  QElapsedTimer clock;
  clock.start();
  kal::ProgramWindows windows = kal::CreateProgramWindows(QDate(2021, 1, 7));
  windows.main->show();
  (void)QTest::qWaitForWindowExposed(windows.main.get());
  windows.main->Editor()->viewport()->grab();
  const double elapsed = clock.nsecsElapsed() / 1e6;
  if (!windows.main->Editor()->toPlainText().startsWith("aaaa")) std::printf("the copy was not shown\n");
  windows.main->close();
  return elapsed;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir settings, data;
  setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
  setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  QApplication::setQuitOnLastWindowClosed(false);
  SilentPrompt prompt;
  const kal::ScreenInfo screen;
  for (const int kilobytes : {64, 256, 1024, 2048}) {
    const QByteArray run(qsizetype(kilobytes) * 1024, 'a');
    const double rtf = OpenWithCopy("{\\rtf1\\ansi " + run + "\\par}", prompt, screen);
    const double text = OpenWithCopy(run, prompt, screen);
    std::printf("copy of one %5d KB run: start to first paint %.0f ms as RTF, %.0f ms as plain text (target < 1000 ms)\n",
                kilobytes, rtf, text);
    std::fflush(stdout);
  }
  return 0;
}
