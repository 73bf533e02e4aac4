// Window placement in the settings store: the main window's full placement
// and the left and top of the other windows, each under its own section,
// kept on the screen when saved.
#pragma once

#include <QString>

class QWidget;

namespace kal {

// The main window's normal rectangle, its maximised position and its state.
void SaveMainPlacement(const QWidget& window, const QString& section);
// Sets the placement without showing the window; showing it later uses the
// restored state (maximised, minimised or normal).
void RestoreMainPlacement(QWidget& window, const QString& section);

void SaveWindowPosition(const QWidget& window, const QString& section);
void RestoreWindowPosition(QWidget& window, const QString& section);

}  // namespace kal
