// RTF written by LibreOffice Writer (fixtures made by
// fixtures/libreoffice/make_fixtures.sh from the HTML beside them) loads
// with its text and formatting.

#include "richtext/rtf_reader.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace richtext;
using namespace richtext::test;

namespace {

QStringList readFixture(const char *name, QTextDocument &doc)
{
    QFile file(QStringLiteral(RICHTEXT_FIXTURES "/libreoffice/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing fixture " << name;
        return {};
    }
    const RtfReadResult result = readRtf(file.readAll(), &doc);
    EXPECT_TRUE(result.ok) << name << ": " << result.error.toStdString();
    return describe(doc);
}

} // namespace

TEST(LibreOfficeFixtures, CharacterAndParagraphFormatting)
{
    QTextDocument doc;
    const QString tnr = QStringLiteral("Times New Roman 12pt");
    const QStringList expected = {
        "left:[Plain text, |" + tnr + "  #000000][bold text|" + tnr + " B #000000][, |" + tnr
            + "  #000000][italic text|" + tnr + " I #000000][ and |" + tnr + "  #000000][underlined text|"
            + tnr + " U #000000][.|" + tnr + "  #000000]",
        "left:[All three at once|" + tnr + " BIU #000000][ and |" + tnr + "  #000000][red words|" + tnr
            + "  #c00000][.|" + tnr + "  #000000]",
        "centre:[A centred paragraph|" + tnr + "  #000000]",
        "right:[A right-aligned paragraph|" + tnr + "  #000000]",
        "left:[Arial at sixteen points|Arial 16pt  #000000][ then Times again.|" + tnr + "  #000000]",
    };
    EXPECT_EQ(readFixture("formatting.rtf", doc), expected);
}

TEST(LibreOfficeFixtures, BulletAndNumberedLists)
{
    QTextDocument doc;
    readFixture("lists.rtf", doc);
    QStringList got;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        got << b.text().trimmed() + listName(b);
    EXPECT_EQ(got, (QStringList{"The great feasts of the spring:", "The Annunciation list:bullet",
                                "The Entry into Jerusalem list:bullet", "Pascha list:bullet",
                                "Then in order:", "Ascension list:decimal", "Pentecost list:decimal",
                                "After the lists."}));
    const QTextBlock first = doc.findBlockByNumber(1);
    EXPECT_EQ(first.textList(), first.next().next().textList());
    EXPECT_NE(first.textList(), doc.findBlockByNumber(5).textList());
    // Bold inside a list item survives.
    EXPECT_EQ(doc.findBlockByNumber(3).begin().fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST(LibreOfficeFixtures, HymnPageWithUnicode)
{
    QTextDocument doc;
    const QStringList lines = readFixture("hymn_page.rtf", doc);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "centre:[THE NATIVITY OF OUR LORD AND GOD AND SAVIOUR JESUS CHRIST|Times New Roman 12pt  #000000]");
    const QString gap(4, QChar::Nbsp);
    EXPECT_EQ(lines[1], "left:[Troparion of the Feast|Times New Roman 12pt U #000000][" + gap
                            + "|Times New Roman 12pt  #000000][Tone 4|Times New Roman 12pt U #000000]");
    EXPECT_EQ(doc.findBlockByNumber(3).text(),
              QString::fromUtf16(u"Words from other tongues: caf\u00e9, \u201c\u0420\u043e\u0436\u0434\u0435\u0441\u0442\u0432\u043e "
                                 u"\u0425\u0440\u0438\u0441\u0442\u043e\u0432\u043e\u201d, "
                                 u"\u03a7\u03c1\u03b9\u03c3\u03c4\u1f78\u03c2 \u03b3\u03b5\u03bd\u03bd\u1fb6\u03c4\u03b1\u03b9."));
}
