// JPEG/JFIF encoding of the drawn pictures (the tool encodes; the program
// only ever decodes).
#pragma once

#include <QByteArray>
#include <QImage>

namespace icons {

// Fine grain of an aged gesso ground, the same for the same seed.
void AddGrain(QImage& image, uint64_t seed, int amplitude);

QByteArray EncodeJpeg(const QImage& image, int quality);

// The highest quality from 90 down (in steps of 3) whose file is at most
// maxBytes; a higher one when that file is below minBytes. Deterministic.
QByteArray EncodeJpegWithin(const QImage& image, int minBytes, int maxBytes);

}  // namespace icons
