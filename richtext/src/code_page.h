#pragma once
// Byte-to-Unicode decoding for the code pages an RTF file can name.

#include <QByteArrayView>
#include <QString>

namespace richtext::detail {

// Bytes 128-255 of a single-byte code page, or nullptr if it is not one we carry.
const char16_t *upperHalfTable(int codePage);

// The code page a font's \fcharset stands for; 0 means "the document's own".
int codePageForCharset(int charset);

// Appends bytes in the given code page to out. Unknown code pages read as
// Windows-1252, which is what RTF writers fall back to.
void appendDecoded(QString &out, QByteArrayView bytes, int codePage);

// The Windows-1252 byte for a character, or -1 when it has none.
int windows1252Byte(char16_t ch);

} // namespace richtext::detail
