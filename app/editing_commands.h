// Connects the main window's editing, formatting, find, toolbar and help
// commands to their handlers.
#pragma once

namespace kal {

class TMainForm;

void ConnectEditingCommands(TMainForm& main);

}  // namespace kal
