#include "editing_commands.h"

#include <QTextEdit>

#include "edit_toolbar.h"
#include "find_commands.h"
#include "help_viewer.h"
#include "main_form.h"
#include "toolbar_docking.h"

namespace kal {

void ConnectEditingCommands(TMainForm& main) {
  // Each is a child of the window and lives as long as it.
  new HelpSystem(main);
  new EditCommands(main);
  new FindCommands(main);
  new ToolbarDocking(main);
  // The page, not the first box of the edit toolbar, has the keyboard when
  // the window opens, so that the clipboard keys act on the page.
  main.Editor()->setFocus();
}

}  // namespace kal
