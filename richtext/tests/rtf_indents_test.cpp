// Paragraph indents, spacing and highlighting in RTF written by other
// programs (a file in LibreOffice Writer's manner and one in WordPad's):
// read into the block and character formats, and kept by a save and a
// second load.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

#include <QColor>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace richtext;
using namespace richtext::test;

namespace {

// A paragraph's indents and spacing in twips, as the RTF gave them.
struct Layout {
    int left = 0, right = 0, first = 0, before = 0, after = 0;
    bool operator==(const Layout &) const = default;
};

void PrintTo(const Layout &l, std::ostream *os)
{
    *os << "li" << l.left << " ri" << l.right << " fi" << l.first << " sb" << l.before << " sa" << l.after;
}

int twips(double pixels) { return qRound(pixels * 15); }

QList<Layout> layouts(const QTextDocument &doc)
{
    QList<Layout> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        out << Layout{twips(f.leftMargin()), twips(f.rightMargin()), twips(f.textIndent()), twips(f.topMargin()),
                      twips(f.bottomMargin())};
    }
    return out;
}

// The runs of the document that have a background, as "text on #rrggbb".
QStringList highlighted(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.background().style() != Qt::NoBrush)
                out << it.fragment().text() + " on " + f.background().color().name();
        }
    return out;
}

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(RICHTEXT_FIXTURES "/styles/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct StyleCase {
    const char *file;
    QList<Layout> layout;
    QStringList highlights;
    QStringList alignments;
};

void PrintTo(const StyleCase &c, std::ostream *os) { *os << c.file; }

class ForeignIndents : public testing::TestWithParam<StyleCase> {};

TEST_P(ForeignIndents, AreReadAndSurviveASaveAndALoad)
{
    const StyleCase &c = GetParam();
    QTextDocument doc;
    ASSERT_TRUE(readRtf(fixture(c.file), &doc).ok);
    EXPECT_EQ(layouts(doc), c.layout);
    EXPECT_EQ(highlighted(doc), c.highlights);
    QStringList alignments;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        alignments << alignmentName(b.blockFormat().alignment());
    EXPECT_EQ(alignments, c.alignments);

    const QByteArray saved = writeRtf(doc);
    QTextDocument again;
    ASSERT_TRUE(readRtf(saved, &again).ok) << saved.constData();
    EXPECT_EQ(layouts(again), c.layout) << saved.constData();
    EXPECT_EQ(highlighted(again), c.highlights) << saved.constData();
    EXPECT_EQ(describe(again), describe(doc));
    // A second save writes the same bytes: nothing drifts.
    EXPECT_EQ(writeRtf(again), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ForeignIndents,
    testing::Values(
        StyleCase{"libreoffice_style.rtf",
                  {{0, 0, 0, 0, 140}, {1134, 567, 0, 0, 140}, {567, 0, -567, 283, 113}, {0, 0, 709, 0, 140},
                   {0, 0, 0, 0, 0}},
                  {"highlighted words on #ffff00", "red on green on #00ff00"},
                  {"left", "left", "justify", "left", "centre"}},
        StyleCase{"wordpad_style.rtf",
                  {{0, 0, 0, 0, 200}, {720, 720, 0, 0, 200}, {720, 0, -360, 240, 120}, {0, 0, 720, 0, 200},
                   {0, 0, 0, 0, 200}},
                  {"Yellow words on #ffff00", "green behind red on #00ff00"},
                  {"left", "left", "left", "left", "left"}}));

TEST(Indents, PardEndsThemAndListsKeepTheirOwn)
{
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
            "\\pard\\li400\\ri200\\fi-100\\sb60\\sa80 one\\par two\\par"
            "\\pard\\sa40 three\\par"
            "{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}\\fi-360\\li720 item\\par"
            "\\pard\\highlight1 marked{\\plain  plain} again\\highlight0  none\\par}",
            &doc);
    const QList<Layout> got = layouts(doc);
    ASSERT_EQ(got.size(), 5);
    // Paragraph formatting runs on until \pard.
    EXPECT_EQ(got[0], (Layout{400, 200, -100, 60, 80}));
    EXPECT_EQ(got[1], got[0]);
    EXPECT_EQ(got[2], (Layout{0, 0, 0, 0, 40}));
    // A bullet's \li and \fi are the list's indent, not a margin on top.
    ASSERT_NE(doc.findBlockByNumber(3).textList(), nullptr);
    EXPECT_EQ(got[3].left, 0);
    EXPECT_EQ(got[3].first, 0);
    // \plain clears the highlight, a group's end restores what was before.
    EXPECT_EQ(highlighted(doc), (QStringList{"marked on #010203", " again on #010203"}));
}

TEST(Indents, HighlightOfTheAutomaticColourIsNone)
{
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi{\\colortbl;\\red9\\green9\\blue9;}\\highlight0 a\\highlight7 b\\chcbpat0 c\\par}", &doc);
    EXPECT_TRUE(highlighted(doc).isEmpty());
}

} // namespace
