#pragma once
// Reading RTF into a QTextDocument, and RTF as plain text.

#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace richtext {

struct RtfReadResult {
    bool ok = false;        // false: not RTF, or damaged (see error)
    QString error;          // what was wrong, for logs and messages
};

// Replaces the document's contents with the RTF document in rtf: paragraphs
// with their alignment, bullets, indents and spacing, runs with font name,
// size, bold, italic, underline, strike-out, colour and highlighting. Damaged input never throws:
// whatever could be read is in the document and the result says what was
// wrong; input that is not RTF at all leaves the document empty. The
// document's undo history is cleared and it is left unmodified.
RtfReadResult readRtf(QByteArrayView rtf, QTextDocument *document);

// The text of an RTF document, paragraphs separated by '\n', without
// building a QTextDocument (no application object needed). Empty when the
// input is not RTF.
QString rtfToPlainText(QByteArrayView rtf);

} // namespace richtext
