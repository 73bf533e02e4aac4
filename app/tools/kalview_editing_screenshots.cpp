// Pictures for the documentation of the edit toolbar docked at the top and
// at the right of the main window, and of the help windows.
//   kalview_editing_screenshots PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it under a display server (xvfb-run) with an empty settings store.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <cstdio>

#include "app_context.h"
#include "help_viewer.h"
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

bool Save(QWidget& window, const QDir& out, const char* name) {
  QTest::qWait(400);
  const bool saved = window.grab().save(out.filePath(name));
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(out.filePath(name)));
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: kalview_editing_screenshots PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD\n");
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
  if (QScreen* shown = main.screen(); main.width() < shown->availableGeometry().width()) {
    main.setGeometry(shown->availableGeometry());
  }
  // A title of the page selected, so the toolbar shows its format.
  QTextEdit& editor = *main.Editor();
  QTextCursor cursor = editor.textCursor();
  cursor.movePosition(QTextCursor::Start);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  editor.setTextCursor(cursor);
  editor.setFocus();
  bool ok = Save(main, out, "kalview_edit_toolbar_top.png");

  main.addToolBar(Qt::RightToolBarArea, main.EditToolBar());
  main.EditToolBar()->show();
  ok = Save(main, out, "kalview_edit_toolbar_right.png") && ok;
  main.addToolBar(Qt::TopToolBarArea, main.EditToolBar());

  kal::HelpSystem* help = kal::HelpSystem::Current();
  help->ShowContents();
  ok = Save(*help->MainWindow(), out, "kalview_help.png") && ok;
  help->ShowContext(195);
  ok = Save(*help->RefWindow(), out, "kalview_help_ref.png") && ok;
  return ok ? 0 : 1;
}
