// Writes the sources that embed pictures in an icon library: one assembler
// file with an .incbin per picture and the resource table in C++.
#pragma once

#include <QString>
#include <vector>

#include "icon_subjects.h"

namespace icons {

struct PackedPicture {
  Subject subject;
  QString file;   // absolute path of the JPEG file
  qint64 size = 0;
};

// tableName names the generated table and its count (tableName + "Count").
bool WriteLibrarySources(const QString& outDir, std::vector<PackedPicture> pictures, QString* error,
                         const QByteArray& tableName = "kIconEntries");

// A C string literal holding text as 8-bit characters (Latin-1).
QByteArray CStringLiteral(const QString& text);

}  // namespace icons
