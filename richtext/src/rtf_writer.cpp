// The RTF writer. Output is plain RTF 1.x that word processors, the rich-edit
// control of older programs and our own reader all understand: a font and a
// colour table, one \pard per paragraph with its indents and spacing,
// character formatting (highlighting as \highlight) written as
// changes from the previous run, bullets in the old \pn form that every
// reader of RTF knows.

#include "richtext/rtf_writer.h"

#include "code_page.h"
#include "rtf_model.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <climits>

namespace richtext {
namespace {

struct RunFormat {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0;         // 0: automatic
    int highlight = 0;      // 0: none
    int vertical = 0;       // 0 normal, 1 superscript, 2 subscript
};

class Writer {
public:
    Writer(const QTextDocument &document, int from, int to)
        : document_(document), from_(std::max(0, from)),
          to_(std::min(to, document.characterCount()))
    {
    }

    QByteArray write();

private:
    RunFormat formatOf(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colourIndex(QRgb rgb);
    void writeParagraph(const QTextBlock &block, bool withMark);
    void writeIndents(const QTextBlockFormat &format, bool inList);
    void writeFormat(const RunFormat &format);
    void writeText(QStringView text);
    void word(const char *name, int param = INT_MIN);
    void writeListPrefix(const QTextBlock &block, QTextList *list);

    const QTextDocument &document_;
    const int from_;
    const int to_;
    QStringList fonts_;
    QHash<QString, int> fontIndices_;
    QList<QRgb> colours_;
    QHash<QRgb, int> colourIndices_;
    int symbolFont_ = -1;
    QByteArray body_;
    RunFormat current_;
    bool needDelimiter_ = false;
};

RunFormat Writer::formatOf(const QTextCharFormat &format)
{
    const QFont base = document_.defaultFont();
    RunFormat run;
    QString family;
    const QVariant families = format.property(QTextFormat::FontFamilies);
    if (families.isValid() && !families.toStringList().isEmpty())
        family = families.toStringList().constFirst();
    else if (format.hasProperty(QTextFormat::FontFamily))
        family = format.property(QTextFormat::FontFamily).toString();
    if (family.isEmpty())
        family = base.family();
    run.font = fontIndex(family);

    double points = 0;
    if (format.hasProperty(QTextFormat::FontPointSize))
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    else if (base.pointSizeF() > 0)
        points = base.pointSizeF();
    else if (base.pixelSize() > 0)
        points = base.pixelSize() * 0.75;
    else
        points = 12;
    run.halfPoints = std::clamp(static_cast<int>(points * 2 + 0.5), 2, 3276);

    run.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold : base.bold();
    run.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : base.italic();
    run.underline = format.fontUnderline();
    run.strike = format.fontStrikeOut();
    const QBrush foreground = format.foreground();
    if (foreground.style() != Qt::NoBrush)
        run.colour = colourIndex(foreground.color().rgb());
    const QBrush background = format.background();
    if (background.style() != Qt::NoBrush && background.color().alpha() > 0)
        run.highlight = colourIndex(background.color().rgb());
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript: run.vertical = 1; break;
    case QTextCharFormat::AlignSubScript: run.vertical = 2; break;
    default: break;
    }
    return run;
}

int Writer::fontIndex(const QString &family)
{
    const auto found = fontIndices_.constFind(family);
    if (found != fontIndices_.constEnd())
        return *found;
    fonts_.append(family);
    const int index = static_cast<int>(fonts_.size() - 1);
    fontIndices_.insert(family, index);
    return index;
}

int Writer::colourIndex(QRgb rgb)
{
    rgb = qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    const auto found = colourIndices_.constFind(rgb);
    if (found != colourIndices_.constEnd())
        return *found;
    colours_.append(rgb);
    const int index = static_cast<int>(colours_.size());   // entry 0 is the automatic colour
    colourIndices_.insert(rgb, index);
    return index;
}

void Writer::word(const char *name, int param)
{
    body_ += '\\';
    body_ += name;
    if (param != INT_MIN)
        body_ += QByteArray::number(param);
    needDelimiter_ = true;
}

void Writer::writeFormat(const RunFormat &f)
{
    RunFormat &c = current_;
    if (f.font != c.font) word("f", f.font);
    if (f.halfPoints != c.halfPoints) word("fs", f.halfPoints);
    if (f.bold != c.bold) word(f.bold ? "b" : "b0");
    if (f.italic != c.italic) word(f.italic ? "i" : "i0");
    if (f.underline != c.underline) word(f.underline ? "ul" : "ulnone");
    if (f.strike != c.strike) word(f.strike ? "strike" : "strike0");
    if (f.colour != c.colour) word("cf", f.colour);
    if (f.highlight != c.highlight) word("highlight", f.highlight);
    if (f.vertical != c.vertical) word(f.vertical == 1 ? "super" : f.vertical == 2 ? "sub" : "nosupersub");
    c = f;
}

void Writer::writeText(QStringView text)
{
    for (QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch == '\t') {
            word("tab");
            continue;
        }
        if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator || ch == '\n' || ch == '\r') {
            word("line");
            continue;
        }
        if (ch == QChar::Nbsp) {
            body_ += "\\~";
            needDelimiter_ = false;
            continue;
        }
        if (ch == QChar::ObjectReplacementCharacter || ch == 0xFDD0 || ch == 0xFDD1 || ch < 0x20)
            continue;   // images and frame marks have no text to carry
        if (needDelimiter_) {
            body_ += ' ';
            needDelimiter_ = false;
        }
        if (ch == '\\' || ch == '{' || ch == '}') {
            body_ += '\\';
            body_ += static_cast<char>(ch);
        } else if (ch < 0x80) {
            body_ += static_cast<char>(ch);
        } else if (const int byte = detail::windows1252Byte(ch); byte >= 0) {
            body_ += "\\'";
            body_ += QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            // \uc1 is in force: one '?' for readers that know no Unicode.
            body_ += "\\u";
            body_ += QByteArray::number(static_cast<int>(static_cast<int16_t>(ch)));
            body_ += '?';
        }
    }
}

void Writer::writeListPrefix(const QTextBlock &block, QTextList *list)
{
    const QTextListFormat::Style style = list->format().style();
    const int indent = 360 * std::max(1, list->format().indent());
    const bool bullet = style != QTextListFormat::ListDecimal && style != QTextListFormat::ListLowerAlpha
        && style != QTextListFormat::ListUpperAlpha && style != QTextListFormat::ListLowerRoman
        && style != QTextListFormat::ListUpperRoman;
    if (bullet) {
        if (symbolFont_ < 0)
            symbolFont_ = fontIndex(QStringLiteral("Symbol"));
        body_ += "{\\pntext\\f" + QByteArray::number(symbolFont_) + "\\'B7\\tab}";
        body_ += "{\\*\\pn\\pnlvlblt\\pnf" + QByteArray::number(symbolFont_) + "\\pnindent0{\\pntxtb\\'B7}}";
    } else {
        const char *kind = "pndec";
        switch (style) {
        case QTextListFormat::ListLowerAlpha: kind = "pnlcltr"; break;
        case QTextListFormat::ListUpperAlpha: kind = "pnucltr"; break;
        case QTextListFormat::ListLowerRoman: kind = "pnlcrm"; break;
        case QTextListFormat::ListUpperRoman: kind = "pnucrm"; break;
        default: break;
        }
        QString label = list->itemText(block);
        body_ += "{\\pntext ";
        needDelimiter_ = false;
        writeText(label);
        body_ += "\\tab}";
        body_ += "{\\*\\pn\\pnlvlbody\\" + QByteArray(kind) + "\\pnstart1\\pnindent0{\\pntxta .}}";
    }
    body_ += "\\fi-360\\li" + QByteArray::number(indent);
    needDelimiter_ = true;
}

// The list prefix has written a list item's left and first-line indents.
void Writer::writeIndents(const QTextBlockFormat &format, bool inList)
{
    const auto twips = [](double pixels) { return detail::twipsOfPixels(pixels); };
    if (!inList && twips(format.leftMargin()) != 0) word("li", twips(format.leftMargin()));
    if (twips(format.rightMargin()) != 0) word("ri", twips(format.rightMargin()));
    if (!inList && twips(format.textIndent()) != 0) word("fi", twips(format.textIndent()));
    if (twips(format.topMargin()) > 0) word("sb", twips(format.topMargin()));
    if (twips(format.bottomMargin()) > 0) word("sa", twips(format.bottomMargin()));
}

void Writer::writeParagraph(const QTextBlock &block, bool withMark)
{
    word("pard");
    if (QTextList *list = block.textList())
        writeListPrefix(block, list);
    const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        word("qc");
    else if (align & Qt::AlignJustify)
        word("qj");
    else if ((align & Qt::AlignRight) || ((align & Qt::AlignTrailing) && !(align & Qt::AlignAbsolute)))
        word("qr");
    writeIndents(block.blockFormat(), block.textList() != nullptr);

    bool wroteText = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(fragment.position(), from_);
        const int end = std::min(fragment.position() + fragment.length(), to_);
        if (start >= end)
            continue;
        writeFormat(formatOf(fragment.charFormat()));
        writeText(QStringView(fragment.text()).mid(start - fragment.position(), end - start));
        wroteText = true;
    }
    if (withMark) {
        // An empty paragraph keeps the size and font of its mark.
        if (!wroteText)
            writeFormat(formatOf(block.charFormat()));
        word("par");
        body_ += "\r\n";
        needDelimiter_ = false;
    }
}

QByteArray Writer::write()
{
    if (from_ < to_) {
        QTextBlock block = document_.findBlock(from_);
        while (block.isValid() && block.position() < to_) {
            const int markPosition = block.position() + block.length() - 1;
            writeParagraph(block, markPosition < to_);
            block = block.next();
        }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";
    if (fonts_.isEmpty())
        fontIndex(document_.defaultFont().family());
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        const bool symbol = fonts_[i] == QLatin1String("Symbol");
        out += "{\\f" + QByteArray::number(i) + (symbol ? "\\ftech\\fcharset2 " : "\\fnil\\fcharset0 ");
        Writer names(document_, 0, 0);
        names.writeText(fonts_[i]);
        out += names.body_ + ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (QRgb rgb : colours_) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb))
            + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\r\n\\viewkind4\\uc1";
    out += body_;
    out += "}\r\n";
    return out;
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    return writeRtf(document, 0, document.characterCount());
}

QByteArray writeRtf(const QTextDocument &document, int from, int to)
{
    Writer writer(document, from, to);
    return writer.write();
}

} // namespace richtext
