// libFuzzer target for the RTF reader. Besides never crashing, hanging or
// leaking, what it read must write out as RTF that reads back to the same
// text, and the plain-text reading must agree with the document.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    richtext::readRtf(input, &doc);
    if (richtext::rtfToPlainText(input) != doc.toPlainText())
        std::abort();

    QTextDocument again;
    const richtext::RtfReadResult result = richtext::readRtf(richtext::writeRtf(doc), &again);
    if (!result.ok || again.toRawText() != doc.toRawText())
        std::abort();

    // Any range of it writes valid RTF too, whatever the positions.
    if (size >= 2) {
        const int length = doc.characterCount();
        const int from = data[0] % (length + 2) - 1;
        const int to = data[size - 1] % (length + 2);
        QTextDocument part;
        if (!richtext::readRtf(richtext::writeRtf(doc, from, to), &part).ok)
            std::abort();
    }
    return 0;
}
