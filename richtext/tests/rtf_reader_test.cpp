// What the reader makes of RTF: the hymn library's shape, escapes and code
// pages, alignment, bullets, and the groups it must leave out.

#include "richtext/rtf_reader.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace richtext;
using namespace richtext::test;

namespace {

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(RICHTEXT_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    // Hymn documents end with a NUL that the day loader stops at.
    const qsizetype nul = bytes.indexOf('\0');
    return nul >= 0 ? bytes.left(nul) : bytes;
}

QString readText(const QByteArray &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return doc.toRawText();
}

} // namespace

TEST(RtfReader, HymnDocumentShape)
{
    const QByteArray rtf = fixture("hymn_day.rtf");
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument doc;
    const RtfReadResult result = readRtf(rtf, &doc);
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    const QStringList paras = paragraphs(doc);
    ASSERT_EQ(paras.size(), 15);
    EXPECT_EQ(paras[0], "HOLY GREAT MARTYR, VICTORY-BEARER AND WONDERWORKER GEORGE");
    EXPECT_EQ(paras[1], "THE MARTYR ALEXANDRA THE EMPRESS");
    EXPECT_EQ(paras[2], "");
    EXPECT_EQ(paras[3], "Troparion of St George    Tone 4");
    EXPECT_TRUE(paras[4].startsWith("As deliverer of those in bonds"));
    EXPECT_EQ(paras[14], "");

    // The heading: underlined text, four plain spaces, underlined tone, all
    // Times New Roman 12 point in the table's black.
    const QStringList lines = describe(doc);
    EXPECT_EQ(lines[3],
              "left:[Troparion of St George|Times New Roman 12pt U #000000]"
              "[    |Times New Roman 12pt  #000000]"
              "[Tone 4|Times New Roman 12pt U #000000]");
    EXPECT_EQ(lines[0], "left:[HOLY GREAT MARTYR, VICTORY-BEARER AND WONDERWORKER GEORGE|Times New Roman 12pt  #000000]");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(rtfToPlainText(rtf), doc.toPlainText());
}

TEST(RtfReader, EscapesAndCodePages)
{
    struct Case {
        const char *name;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"1252 escape", R"({\rtf1\ansi caf\'e9 \'93q\'94})", u"café “q”"_qs},
        {"1252 literal byte", "{\\rtf1\\ansi na\xefve}", u"naïve"_qs},
        {"ansicpg 1251", R"({\rtf1\ansi\ansicpg1251 \'cc\'e8\'f0})", u"Мир"_qs},
        {"ansicpg 1253", R"({\rtf1\ansi\ansicpg1253 \'e1\'e3\'e9\'ef\'f2})", u"αγιος"_qs},
        {"font charset overrides",
         R"({\rtf1\ansi{\fonttbl{\f0 Times;}{\f1\fcharset204 Times CYR;}}\f0 \'e0{\f1 \'e0}})", u"àа"_qs},
        {"double-byte code page", R"({\rtf1\ansi\ansicpg932 \'93\'fa\'96\'7b})", u"日本"_qs},
        {"double-byte font charset", R"({\rtf1{\fonttbl{\f0\fcharset134 SimSun;}}\f0 \'d6\'d0\'ce\'c4})", u"中文"_qs},
        {"unicode with fallback", R"({\rtf1 \u1057?\u1074?\u1103?\u1090?\u1086?\u1081?})", u"Святой"_qs},
        {"negative unicode", R"({\rtf1 \u-3913?})", QString(QChar(char16_t(0xF0B7)))},
        {"uc2 skips two", R"({\rtf1\uc2 \u8212\'97\'97x})", u"—x"_qs},
        {"uc0 skips none", R"({\rtf1\uc0 \u8212 x})", u"—x"_qs},
        {"fallback ends with group", R"({\rtf1\uc3 {\u945 }b})", u"αb"_qs},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", u"\U0001F600"_qs},
        {"lone surrogate", R"({\rtf1 \u-10179?x})", u"\uFFFDx"_qs},
        {"symbols", R"({\rtf1 a\~b\emdash c\endash d\{\}\\\tab e\line f\bullet})",
         u"a\u00A0b—c–d{}\\\te\u2028f•"_qs},
        {"quotes", R"({\rtf1 \lquote a\rquote \ldblquote b\rdblquote})", u"‘a’“b”"_qs},
        {"line breaks in source ignored", "{\\rtf1 ab\r\ncd}", u"abcd"_qs},
        {"escaped newline is a paragraph", "{\\rtf1 ab\\\ncd}", u"ab\u2029cd"_qs},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(readText(c.rtf), c.text) << c.name;
    }
}

TEST(RtfReader, LeavesOutWhatIsNotText)
{
    struct Case {
        const char *name;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"ignorable unknown destination", R"({\rtf1 a{\*\mystery secret {nested}}b})", "ab"},
        {"info and stylesheet",
         R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}a})", "a"},
        {"field shows its result",
         R"({\rtf1 see {\field{\*\fldinst HYPERLINK "x"}{\fldrslt here}} now})", "see here now"},
        {"picture", R"({\rtf1 a{\pict\pngblip 89504e47}b})", "ab"},
        {"hidden text", R"({\rtf1 a\v secret\v0 b})", "ab"},
        {"list text", R"({\rtf1{\listtext \'95\tab}item})", "item"},
        {"unicode pair of upr", R"({\rtf1{\upr{ansi}{\*\ud{uni}}}})", "uni"},
        {"unknown words ignored", R"({\rtf1\frobnicate42 a\zz b})", "ab"},
        {"binary data skipped", "{\\rtf1 a\\bin4 {}\\zb}", "ab"},
        {"text after the closing brace ignored", R"({\rtf1 a}b)", "a"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readText(c.rtf), c.text) << c.name;
}

TEST(RtfReader, CharacterFormatting)
{
    const QByteArray rtf = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Times New Roman;}{\f1 Arial;}})"
                           R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})"
                           R"(plain {\b bold {\i both} }\i italic\i0 \ul u\ulnone \f1\fs32 big)"
                           R"(\plain  reset {\cf1 red}{\cf2\strike blue}{\cf9 none}})";
    QTextDocument doc;
    ASSERT_TRUE(readRtf(rtf, &doc).ok);
    EXPECT_EQ(describe(doc),
              QStringList{"left:[plain |Times New Roman 12pt  auto][bold |Times New Roman 12pt B auto]"
                          "[both|Times New Roman 12pt BI auto][ |Times New Roman 12pt B auto]"
                          "[italic|Times New Roman 12pt I auto][u|Times New Roman 12pt U auto]"
                          "[big|Arial 16pt  auto][ reset |Times New Roman 12pt  auto]"
                          "[red|Times New Roman 12pt  #ff0000][blue|Times New Roman 12pt S #0000ff]"
                          "[none|Times New Roman 12pt  auto]"});
}

TEST(RtfReader, AlignmentAndParagraphs)
{
    const QByteArray rtf = R"({\rtf1 \pard a\par\qc b\par\qr c\par\pard\qj d\par\pard e\par \par})";
    QTextDocument doc;
    ASSERT_TRUE(readRtf(rtf, &doc).ok);
    QStringList aligns;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        aligns << b.text() + "=" + alignmentName(b.blockFormat().alignment());
    EXPECT_EQ(aligns, (QStringList{"a=left", "b=centre", "c=right", "d=justify", "e=left", "=left"}));
    // Alignment is a paragraph property: the last one before \par counts.
    ASSERT_TRUE(readRtf(R"({\rtf1 x\qc\par})", &doc).ok);
    EXPECT_EQ(alignmentName(doc.begin().blockFormat().alignment()), "centre");
}

TEST(RtfReader, Bullets)
{
    struct Case {
        const char *name;
        QByteArray rtf;
        QStringList expected;
    };
    const Case cases[] = {
        {"rich-edit bullets",
         R"({\rtf1{\fonttbl{\f0 Times;}{\f1\fcharset2 Symbol;}}\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-200\li200 one\par{\pntext\f1\'B7\tab}two\par\pard three\par})",
         {"one list:bullet", "two list:bullet", "three"}},
        {"numbered pn",
         R"({\rtf1\pard{\pntext 1.\tab}{\*\pn\pnlvlbody\pndec\pnstart1{\pntxta .}}one\par})",
         {"one list:decimal"}},
        {"word list table",
         R"({\rtf1{\*\listtable{\list\listtemplateid7{\listlevel\levelnfc23{\leveltext \'01\u8226 ?;}}\listid100}{\list{\listlevel\levelnfc0{\leveltext \'02\'00.;}}\listid200}})"
         R"({\*\listoverridetable{\listoverride\listid100\listoverridecount0\ls1}{\listoverride\listid200\ls2}})"
         R"(\pard\ls1\ilvl0{\listtext \'95\tab}dot\par\pard\ls2{\listtext 1.\tab}num\par\pard plain\par})",
         {"dot list:bullet", "num list:decimal", "plain"}},
    };
    for (const Case &c : cases) {
        QTextDocument doc;
        ASSERT_TRUE(readRtf(c.rtf, &doc).ok) << c.name;
        QStringList got;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            got << b.text() + listName(b);
        EXPECT_EQ(got, c.expected) << c.name;
    }
    // Consecutive bullet paragraphs form one list.
    QTextDocument doc;
    readRtf(cases[0].rtf, &doc);
    EXPECT_EQ(doc.begin().textList(), doc.begin().next().textList());
}

TEST(RtfReader, NotRtfLeavesAnEmptyDocument)
{
    QTextDocument doc;
    doc.setPlainText("old page");
    const RtfReadResult result = readRtf("Just some text", &doc);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_EQ(rtfToPlainText("Just some text"), "");
    EXPECT_FALSE(readRtf("", &doc).ok);
}

TEST(RtfReader, PlainTextJoinsParagraphs)
{
    EXPECT_EQ(rtfToPlainText(R"({\rtf1 one\par two\line three\~four\par\par})"), "one\ntwo\nthree four\n");
}
