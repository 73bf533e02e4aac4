// Connects the main window's printing, go-to-date, about and Easter commands
// to their handlers.
#pragma once

namespace kal {

class TMainForm;

void ConnectDialogCommands(TMainForm& main);

}  // namespace kal
