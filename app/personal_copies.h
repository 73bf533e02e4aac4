// Where a personalised copy of a day's page lives and how it is written.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace kal {

// The copy for a date key (month * 100 + day) and view: the folder, then
// month "-" day and ".TRP" (troparia and kontakia) or ".BBL" (Bible
// readings). The file name is upper case; the folder keeps its own case,
// which a case-sensitive file system needs.
QString PersonalFilePath(const QString& folder, uint16_t dateKey, bool troparion);

// Writes the bytes to path through a temporary file in the same folder that
// then replaces the old file, so a failure never leaves a half-written copy
// nor loses the old one. Creates the folder when missing. Throws
// std::runtime_error with the system's text when the write fails.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace kal
