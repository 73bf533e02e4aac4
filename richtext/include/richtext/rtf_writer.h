#pragma once
// Writing a QTextDocument, or a range of it, as RTF.

#include <QByteArray>

class QTextDocument;

namespace richtext {

// The whole document as an RTF document in the Windows-1252 code page;
// characters outside it are written as \u escapes.
QByteArray writeRtf(const QTextDocument &document);

// The characters from position `from` up to, not including, `to` (document
// positions as QTextCursor uses them). A paragraph mark inside the range
// ends its paragraph; a range that stops inside a paragraph ends with it.
QByteArray writeRtf(const QTextDocument &document, int from, int to);

} // namespace richtext
