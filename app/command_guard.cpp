#include "command_guard.h"

#include <QApplication>

#include "app_context.h"

namespace kal {

RedrawFreeze::RedrawFreeze(QWidget* window) : window_(window), wasEnabled_(window && window->updatesEnabled()) {
  if (wasEnabled_) window_->setUpdatesEnabled(false);
}

RedrawFreeze::~RedrawFreeze() {
  if (wasEnabled_) window_->setUpdatesEnabled(true);
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

bool RunCommand(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const AbortCommand&) {
    return false;
  } catch (const std::exception& error) {
    if (Prompt* prompt = App().prompt) {
      prompt->Ask(PromptKind::Error, QString(), QString::fromLocal8Bit(error.what()), PromptButtons::Ok);
    }
    return false;
  }
}

}  // namespace kal
