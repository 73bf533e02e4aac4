#include "window_placement.h"

#include <QWidget>

#include "app_context.h"
#include "stored_values.h"

namespace kal {
namespace {

QSize ScreenSize() {
  const ScreenInfo fallback;
  return App().screen ? App().screen->Size() : fallback.Size();
}

// The maximised position has no meaning for the window system here; the
// value read at start-up is kept and written back unchanged.
const char* kMaxPositionProperty = "kalMaxPosition";

}  // namespace

void SaveMainPlacement(const QWidget& window, const QString& section) {
  const QSize screen = ScreenSize();
  const QRect normal = window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
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
  const QSize screen = ScreenSize();
  const QSettings store(kSettingsCompany, kSettingsProgram);
  const QString g = section + "/";
  const int width = ReadStoredInt(store, g + "Width", window.width());
  const int height = ReadStoredInt(store, g + "Height", window.height());
  const int left = ReadStoredInt(store, g + "Left", screen.width() / 2 - window.width() / 2);
  const int top = ReadStoredInt(store, g + "Top", screen.height() / 2 - window.height() / 2);
  window.setProperty(kMaxPositionProperty,
                     QPoint(ReadStoredInt(store, g + "MaxLeft", -4), ReadStoredInt(store, g + "MaxTop", -4)));
  const QString state = ReadStoredString(store, g + "FormState", "Maximized");
  window.setWindowState(Qt::WindowNoState);
  window.setGeometry(left, top, width, height);
  if (state == "Minimized") {
    window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
  } else if (state == "Maximized") {
    window.setWindowState(Qt::WindowMaximized);
  }
}

void SaveWindowPosition(const QWidget& window, const QString& section) {
  const QSize screen = ScreenSize();
  int left = std::max(0, window.x());
  int top = std::max(0, window.y());
  if (left + window.width() > screen.width()) left = screen.width() - window.width();
  if (top + window.height() > screen.height()) top = screen.height() - window.height();
  QSettings store(kSettingsCompany, kSettingsProgram);
  store.beginGroup(section);
  WriteStoredInt(store, "Left", left);
  WriteStoredInt(store, "Top", top);
}

void RestoreWindowPosition(QWidget& window, const QString& section) {
  const QSize screen = ScreenSize();
  const QSettings store(kSettingsCompany, kSettingsProgram);
  const int left = ReadStoredInt(store, section + "/Left", screen.width() / 2 - window.width() / 2);
  const int top = ReadStoredInt(store, section + "/Top", screen.height() / 2 - window.height() / 2);
  window.move(left, top);
}

}  // namespace kal
