#include "window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app_context.h"
#include "stored_values.h"

namespace kal {
namespace {

// The maximised position has no meaning for the window system here; the
// value read at start-up is kept and written back unchanged.
const char* kMaxPositionProperty = "kalMaxPosition";
// The normal rectangle set at start-up: what a window that has never been
// shown normally comes back to.
const char* kNormalRectProperty = "kalNormalRect";

// Stored numbers may be anything; far beyond any screen they only need to
// stay far, without overflowing the rectangle arithmetic.
int Bounded(int value) { return std::clamp(value, -(1 << 20), 1 << 20); }

bool Framed(const QWidget& window) { return window.isVisible() && !FrameMargins(window).isNull(); }

// The frame a window will get before the window manager has framed it: that
// of another framed window of ours, else room for a title bar and borders.
// Without a window manager (offscreen) windows have no frame.
QMargins AssumedFrame(const QWidget& window) {
  if (Framed(window)) return FrameMargins(window);
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other != &window && Framed(*other) && !(other->windowState() & Qt::WindowMaximized)) {
      return FrameMargins(*other);
    }
  }
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") return {};
  return {8, 40, 8, 8};
}

// The size the window will show at: laid out, as showing it would.
QSize RealSize(QWidget& window) {
  if (!window.isVisible()) {
    window.ensurePolished();
    if (QLayout* layout = window.layout()) layout->activate();
    if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  }
  return window.size();
}

bool Usable(const QRect& rect) { return rect.isValid() && rect.width() > 0 && rect.height() > 0; }

// The rectangle the main window shows at when it is neither maximised nor
// minimised.
QRect NormalRect(const QWidget& window) {
  const bool normal = !(window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  if (window.isVisible() && normal) return window.geometry();
  // Qt forgets the normal rectangle of a window that was maximised before
  // it was first shown; the one set at start-up stands in for it.
  const QRect known = window.normalGeometry();
  if (Usable(known)) return known;
  const QRect restored = window.property(kNormalRectProperty).toRect();
  if (Usable(restored)) return restored;
  return QRect(window.pos(), window.size());
}

}  // namespace

QRect WorkArea() {
  const ScreenInfo fallback;
  return App().screen ? App().screen->WorkArea() : fallback.WorkArea();
}

QRect KeptInArea(const QRect& client, const QMargins& frame, const QRect& area) {
  const int width = std::min(client.width(), area.width() - frame.left() - frame.right());
  const int height = std::min(client.height(), area.height() - frame.top() - frame.bottom());
  QRect outer(Bounded(client.left()) - frame.left(), Bounded(client.top()) - frame.top(),
              width + frame.left() + frame.right(), height + frame.top() + frame.bottom());
  if (outer.right() > area.right()) outer.moveRight(area.right());
  if (outer.bottom() > area.bottom()) outer.moveBottom(area.bottom());
  if (outer.left() < area.left()) outer.moveLeft(area.left());
  if (outer.top() < area.top()) outer.moveTop(area.top());
  return outer.marginsRemoved(frame);
}

QMargins FrameMargins(const QWidget& window) {
  // The window system's own answer is kept up to date as the manager frames
  // the window; the widget's copy of it may lag.
  if (const QWindow* handle = window.windowHandle()) return handle->frameMargins();
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

QSize DefaultMainSize(const QWidget& window) {
  const QRect area = WorkArea();
  const QMargins frame = AssumedFrame(window);
  const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
  return (area.size() * 3 / 4).expandedTo(window.sizeHint()).boundedTo(room);
}

void SaveMainPlacement(const QWidget& window, const QString& section) {
  const QSize screen = WorkArea().size();
  const QRect normal = NormalRect(window);
  int left = normal.left(), top = normal.top(), width = normal.width(), height = normal.height();
  if (width > screen.width()) {
    width = screen.width();
    left = 0;
  }
  if (height > screen.height()) {
    height = screen.height();
    top = 0;
  }
  const QPoint maxPosition = window.property(kMaxPositionProperty).isValid()
                                 ? window.property(kMaxPositionProperty).toPoint()
                                 : QPoint(-4, -4);
  QSettings store(kSettingsCompany, kSettingsProgram);
  store.beginGroup(section);
  WriteStoredInt(store, "Left", left);
  WriteStoredInt(store, "Top", top);
  WriteStoredInt(store, "Height", height);
  WriteStoredInt(store, "Width", width);
  WriteStoredInt(store, "MaxLeft", maxPosition.x());
  WriteStoredInt(store, "MaxTop", maxPosition.y());
  if (window.isMinimized()) {
    store.setValue("FormState", "Minimized");
  } else if (window.isMaximized()) {
    store.setValue("FormState", "Maximized");
  } else if (window.isVisible()) {
    store.setValue("FormState", "Normal");
  }
}

void RestoreMainPlacement(QWidget& window, const QString& section) {
  const QRect area = WorkArea();
  const QSettings store(kSettingsCompany, kSettingsProgram);
  const QString g = section + "/";
  int width = ReadStoredInt(store, g + "Width", 0);
  int height = ReadStoredInt(store, g + "Height", 0);
  if (width <= 0 || height <= 0) {
    // Nothing saved, or a size no window can have.
    const QSize size = DefaultMainSize(window);
    width = size.width();
    height = size.height();
  }
  // Never smaller than the window can be laid out, never larger than the area.
  const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
  width = std::min(std::max(width, least.width()), area.width());
  height = std::min(std::max(height, least.height()), area.height());
  const int left = ReadStoredInt(store, g + "Left", area.left() + area.width() / 2 - width / 2);
  const int top = ReadStoredInt(store, g + "Top", area.top() + area.height() / 2 - height / 2);
  const QRect normal = KeptInArea(QRect(Bounded(left), Bounded(top), width, height), AssumedFrame(window), area);
  window.setProperty(kMaxPositionProperty,
                     QPoint(ReadStoredInt(store, g + "MaxLeft", -4), ReadStoredInt(store, g + "MaxTop", -4)));
  window.setProperty(kNormalRectProperty, normal);
  const QString state = ReadStoredString(store, g + "FormState", "Maximized");
  window.setWindowState(Qt::WindowNoState);
  window.setGeometry(normal);
  if (state == "Minimized") {
    window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
  } else if (state == "Maximized") {
    window.setWindowState(Qt::WindowMaximized);
  }
}

void SaveWindowPosition(const QWidget& window, const QString& section) {
  const QRect kept = KeptInArea(window.geometry(), FrameMargins(window), WorkArea());
  QSettings store(kSettingsCompany, kSettingsProgram);
  store.beginGroup(section);
  WriteStoredInt(store, "Left", kept.left());
  WriteStoredInt(store, "Top", kept.top());
}

void RestoreWindowPosition(QWidget& window, const QString& section) {
  const QRect area = WorkArea();
  const QSize size = RealSize(window);
  const QSettings store(kSettingsCompany, kSettingsProgram);
  const int left = ReadStoredInt(store, section + "/Left", area.left() + area.width() / 2 - size.width() / 2);
  const int top = ReadStoredInt(store, section + "/Top", area.top() + area.height() / 2 - size.height() / 2);
  const QRect kept = KeptInArea(QRect(Bounded(left), Bounded(top), size.width(), size.height()),
                                AssumedFrame(window), area);
  window.setGeometry(QRect(kept.topLeft(), size));
}

void KeepOnWorkArea(QWidget& window) {
  const QSize size = RealSize(window);
  const QRect kept = KeptInArea(QRect(window.geometry().topLeft(), size), AssumedFrame(window), WorkArea());
  if (kept.topLeft() != window.geometry().topLeft()) window.setGeometry(QRect(kept.topLeft(), size));
}

}  // namespace kal
