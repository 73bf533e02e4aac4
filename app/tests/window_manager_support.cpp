#include "window_manager_support.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace kal {
namespace {

// One property of a window (or of the root) as xprop prints it.
QString WindowProperty(const QString& window, const char* property) {
  QProcess tool;
  QStringList arguments = window.isEmpty() ? QStringList{"-root"} : QStringList{"-id", window};
  arguments << property;
  tool.start("xprop", arguments);
  if (!tool.waitForFinished(10000)) return {};
  return QString::fromLatin1(tool.readAllStandardOutput());
}

QString IdText(const QWidget& window) { return QString::number(window.window()->winId()); }

}  // namespace

bool WaitUntilFramed(QWidget& window) {
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  // The manager reports the frame's extents after it has reparented the
  // window; until then the window has no frame.
  return QTest::qWaitFor([&window] { return !window.windowHandle()->frameMargins().isNull(); });
}

QList<quint64> StackingOrder() {
  QList<quint64> order;
  const QString text = WindowProperty({}, "_NET_CLIENT_LIST_STACKING");
  static const QRegularExpression id("0x[0-9a-fA-F]+");
  for (auto match = id.globalMatch(text); match.hasNext();) order << match.next().captured().toULongLong(nullptr, 16);
  return order;
}

bool WaitUntilAbove(const QWidget& upper, const QWidget& lower) {
  const quint64 top = upper.window()->winId();
  const quint64 bottom = lower.window()->winId();
  return QTest::qWaitFor([&] {
    const QList<quint64> order = StackingOrder();
    return order.contains(top) && order.contains(bottom) && order.indexOf(top) > order.indexOf(bottom);
  });
}

QStringList AllowedActions(const QWidget& window) {
  QStringList actions;
  const QString text = WindowProperty(IdText(window), "_NET_WM_ALLOWED_ACTIONS");
  static const QRegularExpression action("_NET_WM_ACTION_([A-Z_]+)");
  for (auto match = action.globalMatch(text); match.hasNext();) actions << match.next().captured(1);
  return actions;
}

FrameRequest RequestedFrame(const QWidget& window) {
  FrameRequest request;
  // flags, functions, decorations, input mode, status
  const QString text = WindowProperty(IdText(window), "_MOTIF_WM_HINTS");
  static const QRegularExpression number("0x[0-9a-fA-F]+");
  QList<unsigned> values;
  for (auto match = number.globalMatch(text); match.hasNext();) values << match.next().captured().toUInt(nullptr, 16);
  if (values.size() >= 3) {
    if (values[0] & 1) request.functions = values[1];
    if (values[0] & 2) request.decorations = values[2];
  }
  return request;
}

QString WindowType(const QWidget& window) {
  const QString text = WindowProperty(IdText(window), "_NET_WM_WINDOW_TYPE");
  static const QRegularExpression type("_NET_WM_WINDOW_TYPE_([A-Z_]+)");
  const auto match = type.match(text);
  return match.hasMatch() ? match.captured(1) : QString();
}

QRect DesktopWorkArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

void WindowManagerTest::SetUp() {
  if (QGuiApplication::platformName() != "xcb") {
    GTEST_SKIP() << "needs an X display with a window manager (run through with_window_manager.sh)";
  }
  DialogTest::SetUp();
  App().screen = &desktop_;
}

}  // namespace kal
