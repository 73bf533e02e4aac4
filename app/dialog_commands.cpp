#include "dialog_commands.h"

#include <QAction>

#include "about_box.h"
#include "command_guard.h"
#include "date_box.h"
#include "export_calendar_dlg.h"
#include "go_to_date_dlg.h"
#include "main_form.h"
#include "printing.h"

namespace kal {

namespace {

void Bind(TMainForm& main, const char* name, std::function<void(QObject*)> handler) {
  QAction* action = main.Action(name);
  if (!action) return;
  QObject::connect(action, &QAction::triggered, &main, [action, handler] { RunCommand([&] { handler(action); }); });
}

}  // namespace

void ConnectDialogCommands(TMainForm& main) {
  TMainForm* window = &main;
  Bind(main, "MGoToDate", [window](QObject* sender) {
    window->CheckSaveOnLeave(sender);
    RunGoToDate(*window, *window->DateBox(), sender, *window);
  });
  Bind(main, "MPrint", [window](QObject* sender) { PrintCommand(*window, sender); });
  Bind(main, "MPrintRange", [window](QObject* sender) { PrintRangeCommand(*window, sender); });
  Bind(main, "MExportCalendar", [window](QObject*) { ExportCalendarCommand(*window); });
  Bind(main, "MFindEasterDate", [window](QObject*) { FindEasterDateCommand(*window); });
  Bind(main, "MAboutKalendra", [window](QObject*) { AboutCommand(*window); });
}

}  // namespace kal
