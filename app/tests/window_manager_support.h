// The program's windows under a real window manager (openbox on a private
// X display, started by with_window_manager.sh): waiting for the manager to
// frame a window, and reading its stacking order and the actions it allows.
#pragma once

#include <QStringList>
#include <QWidget>

#include "dialog_test_support.h"

namespace kal {

// True once the window is shown and the manager has put its frame round it.
bool WaitUntilFramed(QWidget& window);

// The client windows from bottom to top, as the manager stacks them.
QList<quint64> StackingOrder();
// True once `upper` is stacked above `lower` (waits for the manager).
bool WaitUntilAbove(const QWidget& upper, const QWidget& lower);

// The actions the manager offers on a window ("MINIMIZE", "CLOSE", ...).
QStringList AllowedActions(const QWidget& window);

// The buttons (decorations) and functions a window asks its frame for, as
// the Motif hints give them; both 0 when it sets none.
struct FrameRequest {
  unsigned decorations = 0, functions = 0;
  static constexpr unsigned kMinimize = 0x20, kMaximize = 0x40;  // decorations
  static constexpr unsigned kMinimizeFunction = 0x08, kMaximizeFunction = 0x10;
};
FrameRequest RequestedFrame(const QWidget& window);
QString WindowType(const QWidget& window);

// The work area of the primary screen, where every window must lie, as the
// window manager gives it.
QRect DesktopWorkArea();

// The program's windows as a user's desktop shows them: a real screen, and
// skipped when the test does not run against a window manager.
class WindowManagerTest : public DialogTest {
 protected:
  void SetUp() override;

  ScreenInfo desktop_;
};

}  // namespace kal
