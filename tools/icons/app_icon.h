// The program's application icon for the desktop's menus: a three-bar cross
// on a gold ground, drawn at any square size.
#pragma once

#include <QImage>
#include <QString>

namespace icons {

QImage PaintAppIcon(int size);

// Writes OUTDIR/SIZExSIZE/apps/NAME.png for each size (the hicolor theme's
// layout); false with a message when a size is not a number from 16 to 1024
// or a file cannot be written.
bool WriteAppIcons(const QString& outDir, const QString& name, const QStringList& sizes, QString* error);

}  // namespace icons
