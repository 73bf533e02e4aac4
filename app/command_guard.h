// The pieces every command handler shares: the silent abort of a command
// (Cancel in a guarding question), the frozen redraw and the wait cursor
// that are released on every way out, and the general error handler.
#pragma once

#include <QWidget>
#include <exception>
#include <functional>

namespace kal {

// Thrown when the user cancels a guarding question: the command that led
// there stops without a message.
class AbortCommand : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

// Freezes a window's redrawing for the guard's lifetime; nested freezes
// release only at the outermost level.
class RedrawFreeze {
 public:
  explicit RedrawFreeze(QWidget* window);
  ~RedrawFreeze();
  RedrawFreeze(const RedrawFreeze&) = delete;
  RedrawFreeze& operator=(const RedrawFreeze&) = delete;

 private:
  QWidget* window_;
  bool wasEnabled_;
};

// Shows the wait cursor for the guard's lifetime.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs a command: an AbortCommand ends it silently, any other error is shown
// with its own text in an error box, and the display stays as it was.
// Returns true when the command ran to its end.
bool RunCommand(const std::function<void()>& command);

}  // namespace kal
