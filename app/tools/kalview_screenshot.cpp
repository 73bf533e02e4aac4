// Pictures of the real main window for the documentation: the troparia and
// kontakia view and the Bible readings view of one day.
//   kalview_screenshot PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it under a display server (xvfb-run) with an empty settings store.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "app_context.h"
#include "main_form.h"
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

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: kalview_screenshot PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD\n");
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

  kal::ProgramWindows windows = kal::CreateProgramWindows(date);
  kal::TMainForm& main = *windows.main;
  main.show();
  if (!QTest::qWaitForWindowExposed(&main)) return 1;
  // Without a window manager nothing maximises the window: give it the
  // screen's working area.
  if (QScreen* shown = main.screen(); main.width() < shown->availableGeometry().width()) {
    main.setGeometry(shown->availableGeometry());
  }
  QTest::qWait(500);
  main.grab().save(out.filePath("kalview_troparia.png"));
  main.Action("MDailyBibleReadings")->trigger();
  QTest::qWait(300);
  main.grab().save(out.filePath("kalview_readings.png"));
  main.Action("MTroparionKontakion")->trigger();
  return 0;
}
