#pragma once
// What the RTF parser hands on: paragraphs of runs with their formatting,
// independent of any Qt document so that the parser runs without a display.

#include <QList>
#include <QRgb>
#include <QString>

namespace richtext::detail {

// Indents and spacing: RTF counts twips (1/1440 inch), a QTextDocument's
// margins are pixels of 1/96 inch.
constexpr double kTwipsPerPixel = 15.0;
inline double pixelsOfTwips(int twips) { return twips / kTwipsPerPixel; }
inline int twipsOfPixels(double pixels) { return static_cast<int>(pixels * kTwipsPerPixel + (pixels < 0 ? -0.5 : 0.5)); }

enum class VerticalAlign { Normal, Superscript, Subscript };

struct CharStyle {
    QString font;               // family name; empty when the file names none
    int halfPoints = 24;        // RTF sizes are in half points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hasColour = false;     // false: the automatic (default) colour
    QRgb colour = 0;
    bool hasHighlight = false;  // false: no background behind the text
    QRgb highlight = 0;
    VerticalAlign vertical = VerticalAlign::Normal;

    bool operator==(const CharStyle &) const = default;
};

enum class ParaAlign { Left, Right, Centre, Justify };

enum class ListKind { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

struct ParaStyle {
    ParaAlign align = ParaAlign::Left;
    ListKind list = ListKind::None;
    int level = 0;              // 0 to 8
    // Indents and spacing in twips, as RTF gives them: left, right, the
    // first line's offset from the left indent (negative for a hanging
    // indent), and the space before and after the paragraph.
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;

    bool operator==(const ParaStyle &) const = default;
};

struct Run {
    QString text;
    CharStyle style;
};

struct Paragraph {
    QList<Run> runs;
    ParaStyle style;
    CharStyle markStyle;        // the format of the paragraph mark itself
};

class ParagraphSink {
public:
    virtual ~ParagraphSink() = default;
    virtual void paragraph(const Paragraph &para) = 0;
};

struct ParseOutcome {
    bool ok = true;
    QString error;
};

// Reads RTF bytes and hands each paragraph to the sink in document order.
// Never fails hard: on damaged input it hands on what it could read and
// reports the first problem in the outcome.
ParseOutcome parseRtf(QByteArrayView rtf, ParagraphSink &sink);

} // namespace richtext::detail
