// Where a personalised copy of a day's page lives and how it is written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QByteArrayView>
#include <cstdint>

class QTextDocument;

namespace kal {

// The copy for a date key (month * 100 + day) and view: the folder, then
// month "-" day and ".TRP" (troparia and kontakia) or ".BBL" (Bible
// readings). The file name is upper case; the folder keeps its own case,
// which a case-sensitive file system needs.
QString PersonalFilePath(const QString& folder, uint16_t dateKey, bool troparion);

// What reading a copy found.
struct CopyReading {
  bool damaged = false;  // an RTF copy that did not read cleanly
};

// Puts a copy's bytes on the page: an RTF document as rich text, anything
// else (a page exported as text under the copy's name, or a file written by
// another editor) as plain text: UTF-16 when it opens with a byte-order
// mark, else UTF-8 when it is valid UTF-8, else Windows-1252. A damaged RTF
// copy shows what could be read of it, as plain text when that saves more
// of its words. Either way the words the user kept are shown, so a later
// save cannot replace them with an empty page.
CopyReading ReadPersonalCopy(QByteArrayView bytes, QTextDocument& document);

// Whether the document holds a run of more than a few thousand characters
// without a space or line break.
bool HasLongUnbrokenRun(const QTextDocument& document);

// Keeps the bytes of a damaged copy as path + ".bak" before it is replaced.
// Throws std::runtime_error naming the file and the reason when it cannot.
void KeepBackup(const QString& path);

// Writes the bytes to path through a temporary file in the same folder
// (path + ".XXXXXX") that then replaces the old file, so a failure never
// leaves a half-written copy nor loses the old one. Creates the folder when
// missing. Throws std::runtime_error naming the file and the system's reason
// ("No space left on device") when the write fails.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Removes the temporaries of path that a write cut short (the program
// killed mid-save) left beside it.
void RemoveOrphanedTemporaries(const QString& path);

}  // namespace kal
