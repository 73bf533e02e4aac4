// Window placement in the settings store: the main window's full placement
// and the left and top of the other windows, each under its own section,
// kept on the screen when saved and when restored.
//
// Every stored rectangle is the window's client area (QWidget::geometry):
// it is known before a window is shown as well as after, whereas the frame
// is known only once the window manager has put it round the window, so
// saving and restoring the frame's corner would move the window by the
// frame's width at each round trip.
#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class QWidget;

namespace kal {

// The part of the screen windows may cover (the screen less its panels).
QRect WorkArea();

// A client rectangle moved, and shrunk when it is larger, so that it and a
// frame of the given margins lie wholly in the area.
QRect KeptInArea(const QRect& client, const QMargins& frame, const QRect& area);

// The margins of the window's frame round its client area; none until the
// window manager has framed it.
QMargins FrameMargins(const QWidget& window);

// The main window's size when nothing usable is saved: three quarters of the
// work area, at least what its toolbars and page ask for, at most the area.
QSize DefaultMainSize(const QWidget& window);

// The main window's normal rectangle, its maximised position and its state.
// The normal rectangle is the one the window comes back to from maximised
// or minimised, also when it has never been shown normally.
void SaveMainPlacement(const QWidget& window, const QString& section);
// Sets the placement without showing the window; showing it later uses the
// restored state (maximised, minimised or normal). The normal rectangle is
// put on the work area; a missing or unusable size gives the default size.
void RestoreMainPlacement(QWidget& window, const QString& section);

void SaveWindowPosition(const QWidget& window, const QString& section);
// Centred on the work area for the window's real size when nothing is
// saved; kept on the work area.
void RestoreWindowPosition(QWidget& window, const QString& section);

// Moves a window, shown or not, so that it lies wholly on the work area.
void KeepOnWorkArea(QWidget& window);

}  // namespace kal
