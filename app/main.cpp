// kalview: the Kalendra desktop program.
#include <QApplication>

#include "app_context.h"
#include "main_form.h"
#include "program_windows.h"
#include "splash_screen.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);  // arguments are not used
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");

  kal::MessageBoxPrompt prompt;
  const kal::ScreenInfo screen;
  kal::AppContext context;
  context.programFolder = QCoreApplication::applicationDirPath();
  context.prompt = &prompt;
  context.screen = &screen;
  kal::SetApp(context);

  auto splash = std::make_unique<kal::TSplashScreen>();
  splash->show();
  splash->repaint();
  splash->WaitForTimer();

  kal::TMainForm::SetApplicationTitle("Kalendra 2.0");
  application.setProperty("kalHelpFile", "KALVIEW.HLP");
  kal::ProgramWindows windows = kal::CreateProgramWindows();
  prompt.SetParent(windows.main.get());
  windows.main->show();
  splash.reset();
  return application.exec();
}
