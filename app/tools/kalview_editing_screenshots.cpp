// Pictures for the documentation of the edit toolbar docked at the top and
// at the right of the main window, and of the help windows.
//   kalview_editing_screenshots PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it under a display server (xvfb-run) with an empty settings store.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <cstdio>

#include "doc_tool_support.h"
#include "help_viewer.h"
#include "main_form.h"
#include "program_windows.h"

namespace {

bool Save(QWidget& window, const QDir& out, const char* name) {
  QTest::qWait(400);
  const bool saved = window.grab().save(out.filePath(name));
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(out.filePath(name)));
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  kal::DocToolStart start;
  if (!start.Begin(argc, argv, "kalview_editing_screenshots")) return 2;
  const QDir& out = start.out;
  const QDate& date = start.date;

  kal::ProgramWindows windows = kal::CreateProgramWindows(date);
  kal::TMainForm& main = *windows.main;
  if (!kal::ShowOverWorkingArea(main)) return 1;
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
