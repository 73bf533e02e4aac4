#pragma once
// Reading the words back out of a damaged RTF file.

#include <QByteArrayView>
#include <QString>

namespace richtext {

// The text of RTF that may be damaged, paragraphs separated by '\n'. Unlike
// the reader it trusts no brace: a table at the head of the file whose
// closing brace is lost ends where the body's paragraph words begin, and
// text after a closing brace that came too early is still read. Formatting
// is dropped. Meant for showing a user what a damaged file still holds.
QString salvageRtfText(QByteArrayView rtf);

// Whether the RTF's outermost group closes before the end of the file, with
// more than white space after it: a sign that an opening brace was lost and
// the reader stopped early.
bool rtfClosesEarly(QByteArrayView rtf);

} // namespace richtext
