#pragma once
// Helpers shared by the RTF tests: a readable summary of a QTextDocument's
// text and formatting, so that two documents compare in one assertion, and
// the pieces of the hymn pages the round-trip tests build.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <ostream>

namespace richtext::test {

inline QString describeFragment(const QTextFragment &fragment)
{
    const QTextCharFormat f = fragment.charFormat();
    QStringList families = f.fontFamilies().toStringList();
    QString text = fragment.text();
    text.replace(QChar::LineSeparator, QLatin1String("<br>"));
    text.replace(QLatin1Char('\t'), QLatin1String("<tab>"));
    QString flags;
    if (f.fontWeight() >= QFont::DemiBold) flags += QLatin1Char('B');
    if (f.fontItalic()) flags += QLatin1Char('I');
    if (f.fontUnderline()) flags += QLatin1Char('U');
    if (f.fontStrikeOut()) flags += QLatin1Char('S');
    QString colour = f.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                          : f.foreground().color().name();
    return QStringLiteral("[%1|%2 %3pt %4 %5]")
        .arg(text, families.value(0), QString::number(f.fontPointSize()), flags, colour);
}

inline QString alignmentName(Qt::Alignment a)
{
    a &= Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter) return QStringLiteral("centre");
    if (a & Qt::AlignJustify) return QStringLiteral("justify");
    if (a & Qt::AlignRight) return QStringLiteral("right");
    return QStringLiteral("left");
}

inline QString listName(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    if (!list) return QString();
    switch (list->format().style()) {
    case QTextListFormat::ListDecimal: return QStringLiteral(" list:decimal");
    case QTextListFormat::ListLowerAlpha: return QStringLiteral(" list:alpha");
    case QTextListFormat::ListUpperAlpha: return QStringLiteral(" list:ALPHA");
    case QTextListFormat::ListLowerRoman: return QStringLiteral(" list:roman");
    case QTextListFormat::ListUpperRoman: return QStringLiteral(" list:ROMAN");
    default: return QStringLiteral(" list:bullet");
    }
}

// One line per paragraph: alignment, list, then each run with its format.
inline QStringList describe(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString line = alignmentName(b.blockFormat().alignment()) + listName(b) + QLatin1Char(':');
        for (auto it = b.begin(); !it.atEnd(); ++it)
            line += describeFragment(it.fragment());
        lines << line;
    }
    return lines;
}

// Paragraph texts only.
inline QStringList paragraphs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

// A character format with every property the edit toolbar sets.
inline QTextCharFormat charStyle(const QString &family, double points, const QString &flags = {},
                                 const QColor &colour = QColor())
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(points);
    f.setFontWeight(flags.contains('B') ? QFont::Bold : QFont::Normal);
    f.setFontItalic(flags.contains('I'));
    f.setFontUnderline(flags.contains('U'));
    f.setFontStrikeOut(flags.contains('S'));
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}

inline QTextBlockFormat aligned(Qt::Alignment a)
{
    QTextBlockFormat f;
    f.setAlignment(a);
    return f;
}

// The hymn text of a page: Times New Roman at 12 points.
inline QTextCharFormat pageStyle(const QString &flags = {})
{
    return charStyle(QStringLiteral("Times New Roman"), 12, flags);
}

// Opens an empty document with its title centred, in bold at 14 points.
inline void startHymnPage(QTextCursor &c, const QString &title)
{
    c.setBlockFormat(aligned(Qt::AlignHCenter));
    c.setBlockCharFormat(pageStyle());
    c.insertText(title, charStyle(QStringLiteral("Times New Roman"), 14, "B"));
}

// A blank line, then the heading of a hymn: its name and tone underlined,
// four spaces apart, in a new left-aligned paragraph.
inline void insertHymnHeading(QTextCursor &c, const QString &hymn, const QString &tone)
{
    c.insertBlock(aligned(Qt::AlignLeft), pageStyle());
    c.insertBlock(aligned(Qt::AlignLeft), pageStyle());
    c.insertText(hymn, pageStyle("U"));
    c.insertText(QStringLiteral("    "), pageStyle());
    c.insertText(tone, pageStyle("U"));
}

// Two left-aligned paragraphs in one bulleted list, the second in bold.
inline void insertTwoBullets(QTextCursor &c)
{
    c.insertBlock(aligned(Qt::AlignLeft), pageStyle());
    c.insertText(QStringLiteral("First bullet"), pageStyle());
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    QTextList *list = c.createList(bullets);
    c.insertBlock(aligned(Qt::AlignLeft), pageStyle());
    c.insertText(QStringLiteral("Second bullet"), pageStyle("B"));
    list->add(c.block());
}

} // namespace richtext::test

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << s.toStdString(); }
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    for (const QString &s : l)
        *os << "\n    " << s.toStdString();
}
QT_END_NAMESPACE
