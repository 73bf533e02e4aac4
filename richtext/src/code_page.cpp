#include "code_page.h"

#include <QStringDecoder>

namespace richtext::detail {

int codePageForCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;   // Macintosh
    case 128: return 932;    // Shift-JIS
    case 129: return 949;    // Hangul
    case 134: return 936;    // GB2312
    case 136: return 950;    // Big5
    case 161: return 1253;   // Greek
    case 162: return 1254;   // Turkish
    case 163: return 1258;   // Vietnamese
    case 177: return 1255;   // Hebrew
    case 178: return 1256;   // Arabic
    case 186: return 1257;   // Baltic
    case 204: return 1251;   // Cyrillic
    case 222: return 874;    // Thai
    case 238: return 1250;   // Central European
    case 254: return 437;    // PC 437
    default: return 0;       // ANSI, default, symbol and the rest follow \ansicpg
    }
}

static const char *multiByteName(int codePage)
{
    switch (codePage) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    default: return nullptr;
    }
}

void appendDecoded(QString &out, QByteArrayView bytes, int codePage)
{
    if (bytes.isEmpty())
        return;
    if (codePage == 65001) {
        auto decoder = QStringDecoder(QStringConverter::Utf8);
        out += decoder(bytes);
        return;
    }
    if (const char *name = multiByteName(codePage)) {
        // Only present where Qt was built with ICU; otherwise each byte
        // stands in as a replacement character rather than as wrong letters.
        QStringDecoder decoder(name);
        if (decoder.isValid()) {
            out += decoder(bytes);
            return;
        }
        for (char c : bytes)
            out += static_cast<unsigned char>(c) < 0x80 ? QChar(c) : QChar(QChar::ReplacementCharacter);
        return;
    }
    const char16_t *table = upperHalfTable(codePage);
    if (!table)
        table = upperHalfTable(1252);
    out.reserve(out.size() + bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += b < 0x80 ? QChar(b) : QChar(table[b - 0x80]);
    }
}

int windows1252Byte(char16_t ch)
{
    if (ch < 0x80)
        return ch;
    if (ch >= 0xA0 && ch <= 0xFF)
        return ch;   // the upper quarter is Latin-1
    const char16_t *table = upperHalfTable(1252);
    for (int i = 0; i < 0x20; ++i) {
        if (table[i] == ch && ch != 0xFFFD)
            return 0x80 + i;
    }
    return -1;
}

} // namespace richtext::detail
