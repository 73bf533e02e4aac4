// kalview: the Kalendra desktop program.
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QTextEdit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app_context.h"
#include "icon_panel.h"
#include "kal_version.h"
#include "main_form.h"
#include "program_windows.h"
#include "splash_screen.h"

namespace {

const char kUsage[] =
    "Usage: kalview [--first-page]\n"
    "       kalview --help | --version\n"
    "\n"
    "Opens Kalendra, the reader of the Orthodox church calendar, on today's date.\n"
    "\n"
    "Options:\n"
    "  --first-page  Start without the splash picture, print the window title, the\n"
    "                date bar, the information bar, the icon caption and the first\n"
    "                page as plain text, and exit. A message the program would show\n"
    "                is printed to standard error instead and the exit status is 1.\n"
    "                Checks an installation; runs off screen with\n"
    "                QT_QPA_PLATFORM=offscreen.\n"
    "  --help        Print this help and exit.\n"
    "  --version     Print the version and exit.\n"
    "\n"
    "Qt's own options (such as -platform NAME or -style NAME) are accepted too.\n";

bool HasArgument(int argc, char** argv, const char* name) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return true;
  return false;
}

bool NamesPlatform(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  return HasArgument(argc, argv, "-platform") || HasArgument(argc, argv, "--platform");
}

// While the application is created, a platform that cannot start ends the
// program with one line and status 1 instead of Qt's abort; the plugin's
// warnings are held back and only passed on when the start succeeds.
struct HeldMessage {
  QtMsgType type;
  std::string category;
  std::string text;
};
std::vector<HeldMessage>* heldMessages = nullptr;
QtMessageHandler previousHandler = nullptr;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    // The plugin's first warning names the cause (the display, the plugin);
    // Qt's own last words only say that no platform could start.
    std::string cause = message.section('\n', 0, 0).trimmed().toStdString();
    if (heldMessages) {
      for (const HeldMessage& held : *heldMessages) {
        if (held.category.rfind("qt.qpa", 0) == 0) {
          cause = QString::fromStdString(held.text).section('\n', 0, 0).trimmed().toStdString();
          break;
        }
      }
    }
    std::fprintf(stderr, "kalview: cannot open a window: %s\n", cause.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (heldMessages) {
    heldMessages->push_back({type, context.category ? context.category : "", message.toStdString()});
  } else if (previousHandler) {
    previousHandler(type, context, message);
  }
}

// Messages the program would show in a box, written to standard error by
// --first-page; any of them makes the check fail.
class PrintingPrompt : public kal::Prompt {
 public:
  kal::PromptAnswer Ask(kal::PromptKind, const QString& title, const QString& text, kal::PromptButtons buttons,
                        std::optional<QPoint>) override {
    ++count;
    std::fprintf(stderr, "kalview: %s: %s\n", qPrintable(title), qPrintable(QString(text).replace("\r\n", " ")));
    return buttons == kal::PromptButtons::Ok || buttons == kal::PromptButtons::OkCancel ? kal::PromptAnswer::Ok
                                                                                        : kal::PromptAnswer::No;
  }
  QString ChooseSaveFile(const QString&) override { return {}; }
  int count = 0;
};

void PrintLine(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }

int PrintFirstPage(const kal::ProgramWindows& windows, const PrintingPrompt& prompt) {
  kal::TMainForm& main = *windows.main;
  PrintLine(main.windowTitle());
  PrintLine(main.DateBar()->text());
  PrintLine(main.InfoBar()->text());
  PrintLine(main.Icons()->Caption());
  PrintLine(QString());
  PrintLine(main.Editor()->toPlainText());
  std::fflush(stdout);
  return prompt.count == 0 && !main.Editor()->toPlainText().trimmed().isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help and version need neither a display nor a window.
  if (HasArgument(argc, argv, "--help") || HasArgument(argc, argv, "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (HasArgument(argc, argv, "--version")) {
    std::puts("kalview " KAL_VERSION);
    return 0;
  }
  if (!NamesPlatform(argc, argv) && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    std::fputs("kalview: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
               "to run off screen set QT_QPA_PLATFORM=offscreen\n",
               stderr);
    return 1;
  }
  const bool firstPageOnly = HasArgument(argc, argv, "--first-page");

  std::vector<HeldMessage> held;
  heldMessages = &held;
  previousHandler = qInstallMessageHandler(StartupMessageHandler);
  QApplication application(argc, argv);
  heldMessages = nullptr;
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    qt_message_output(message.type, context, QString::fromStdString(message.text));
  }

  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  QCoreApplication::setApplicationVersion(KAL_VERSION);
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName("org.kalendra.Kalendra");
  QApplication::setWindowIcon(QIcon::fromTheme("org.kalendra.Kalendra"));

  kal::MessageBoxPrompt boxes;
  PrintingPrompt printing;
  const kal::ScreenInfo screen;
  kal::AppContext context;
  context.programFolder = QCoreApplication::applicationDirPath();
  context.prompt = firstPageOnly ? static_cast<kal::Prompt*>(&printing) : &boxes;
  context.screen = &screen;
  kal::SetApp(context);

  std::unique_ptr<kal::TSplashScreen> splash;
  if (!firstPageOnly) {
    splash = std::make_unique<kal::TSplashScreen>();
    splash->show();
    splash->repaint();
    splash->WaitForTimer();
  }

  kal::TMainForm::SetApplicationTitle("Kalendra " KAL_VERSION);
  application.setProperty("kalHelpFile", "KALVIEW.HLP");
  kal::ProgramWindows windows = kal::CreateProgramWindows();
  if (firstPageOnly) {
    // A check leaves the user's settings as they were: the main window would
    // save its off-screen placement when destroyed.
    std::_Exit(PrintFirstPage(windows, printing));
  }
  boxes.SetParent(windows.main.get());
  windows.main->show();
  splash.reset();
  return application.exec();
}
