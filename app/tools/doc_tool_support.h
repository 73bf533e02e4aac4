// The start shared by the documentation tools, which all take
//   TOOL PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// and run the real program's windows with an empty settings store.
#pragma once

#include <QDate>
#include <QDir>

#include "app_context.h"

class QWidget;

namespace kal {

// Messages go to standard error and are answered Cancel; nothing is saved
// through the save dialog.
class NoPrompt : public Prompt {
 public:
  PromptAnswer Ask(PromptKind, const QString&, const QString& text, PromptButtons, std::optional<QPoint>) override;
  QString ChooseSaveFile(const QString&) override { return {}; }
};

// The program's names, and the context (program folder, prompt, screen) the
// windows read. Create it after the QApplication and keep it for the run.
class DocToolStart {
 public:
  DocToolStart() = default;
  DocToolStart(const DocToolStart&) = delete;
  DocToolStart& operator=(const DocToolStart&) = delete;

  // False, after printing the usage line, when the arguments are not the
  // three above.
  bool Begin(int argc, char* argv[], const char* toolName);

  QDir out;    // where the pictures or pages go
  QDate date;  // the day shown

 private:
  NoPrompt prompt_;
  ScreenInfo screen_;
};

// Shows the window and, since without a window manager nothing maximises it,
// gives it the screen's working area. False when it never appears.
bool ShowOverWorkingArea(QWidget& window);

}  // namespace kal
