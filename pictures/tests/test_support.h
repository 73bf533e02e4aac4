// Helpers shared by the picture tests: the program's folder, pictures
// straight from the linked base library, and JPEGs written for a test.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

namespace kaltest {

// The folder with the program and its libraries (KAL_BIN_DIR in CTest).
std::string ProgramFolder();

// The JPEG bytes of a base-library key (ICONPACK is linked).
QByteArray BasePicture(uint16_t key);

// A JPEG of the image, written with libjpeg for the test (1 or 3
// components; progressive when asked).
QByteArray EncodeForTest(const QImage& image, bool greyscale, int quality = 90, bool progressive = false);

// Runs djpeg over bytes with the given options and returns its PNM output
// as an image (RGB888 or Grayscale8); a null image when djpeg is missing.
QImage DecodeWithDjpeg(const QByteArray& jpeg, const std::string& options);

}  // namespace kaltest
