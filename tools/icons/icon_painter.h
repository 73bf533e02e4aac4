// Paints one icon: border, gold ground, composition by kind, inscription band.
#pragma once

#include <QImage>

#include "icon_subjects.h"

namespace icons {

// Width of a day picture: 196 to 219 pixels, chosen per key.
int PictureWidth(int key);
inline constexpr int kPictureHeight = 280;

QImage PaintIcon(const Subject& subject, int width, int height);

// The program's splash picture, 371 x 450.
QImage PaintSplash();

}  // namespace icons
