// Documents written by our writer read back with the same text and formatting.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

using namespace richtext;
using namespace richtext::test;

namespace {

// A page as the editor might leave it after a user's edits: every kind of
// formatting the edit toolbar gives, and text that needs escaping.
void buildEditedPage(QTextDocument &doc)
{
    const QString tnr = QStringLiteral("Times New Roman");
    QTextCursor c(&doc);
    startHymnPage(c, "THE NATIVITY OF OUR LORD");
    insertHymnHeading(c, "Troparion of the Feast", "Tone 4");
    c.insertBlock(aligned(Qt::AlignRight), charStyle(tnr, 12));
    c.insertText("Thy Nativity, O Christ our God, ", charStyle(tnr, 12));
    c.insertText("hath shone", charStyle("Arial", 10.5, "I", QColor(200, 0, 0)));
    c.insertText(" / upon the world {the light} \\ of knowledge", charStyle(tnr, 12, "BIUS", QColor(0, 0, 160)));
    c.insertBlock(aligned(Qt::AlignJustify), charStyle(tnr, 12));
    c.insertText(QString::fromUtf16(u"Tab\there, line\u2028break, non\u00A0breaking, caf\u00e9 \u201Cquoted\u201D, "
                                    u"\u0421\u0432\u044F\u0442\u044B\u0439, \u1F08\u03B3\u03B9\u03BF\u03C2, \U0001F54A."),
                 charStyle(tnr, 12));
    insertTwoBullets(c);
    c.insertBlock(aligned(Qt::AlignLeft), charStyle(tnr, 12));
    c.insertText("Numbered", charStyle(tnr, 12));
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    c.createList(numbers);
    c.insertBlock(aligned(Qt::AlignLeft), charStyle(tnr, 9));
}

QByteArray hymnDocument()
{
    QFile file(QStringLiteral(RICHTEXT_FIXTURES "/hymn_day.rtf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return bytes.left(bytes.indexOf('\0'));
}

} // namespace

TEST(RtfRoundTrip, EditedPageKeepsTextAndFormatting)
{
    QTextDocument original;
    buildEditedPage(original);
    const QByteArray rtf = writeRtf(original);

    // Plain 7-bit RTF: every other character is escaped.
    for (char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << rtf.toStdString();

    QTextDocument copy;
    const RtfReadResult result = readRtf(rtf, &copy);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(describe(copy), describe(original)) << rtf.toStdString();
    EXPECT_EQ(copy.toRawText(), original.toRawText());
    // The bullets stay one list.
    const QTextBlock first = copy.findBlockByNumber(5);
    ASSERT_NE(first.textList(), nullptr);
    EXPECT_EQ(first.textList(), first.next().textList());
}

TEST(RtfRoundTrip, HymnDocumentIsStable)
{
    QTextDocument first;
    ASSERT_TRUE(readRtf(hymnDocument(), &first).ok);
    const QByteArray written = writeRtf(first);
    QTextDocument second;
    ASSERT_TRUE(readRtf(written, &second).ok);
    EXPECT_EQ(describe(second), describe(first));
    // Writing what was read gives the same bytes again.
    EXPECT_EQ(writeRtf(second), written);
    // Our output stays about the size of the library's documents.
    EXPECT_LT(written.size(), hymnDocument().size() * 3 / 2);
}

TEST(RtfRoundTrip, UnformattedDocumentsUseTheDefaultFont)
{
    struct Case {
        const char *name;
        QString text;
    };
    const Case cases[] = {{"empty", ""}, {"one line", "Kyrie eleison"}, {"empty lines", "\n\nAmen\n\n"}};
    for (const Case &c : cases) {
        QTextDocument doc;
        doc.setDefaultFont(QFont("Times New Roman", 12));
        doc.setPlainText(c.text);
        QTextDocument copy;
        ASSERT_TRUE(readRtf(writeRtf(doc), &copy).ok) << c.name;
        EXPECT_EQ(copy.toPlainText(), c.text) << c.name;
        EXPECT_EQ(copy.begin().charFormat().fontFamilies().toStringList().value(0), "Times New Roman") << c.name;
        EXPECT_EQ(copy.begin().charFormat().fontPointSize(), 12) << c.name;
    }
}

TEST(RtfRoundTrip, RangeOfADocument)
{
    QTextDocument original;
    buildEditedPage(original);
    struct Case {
        const char *name;
        QString from;   // text the range starts with
        QString to;     // text the range ends with (included)
        QStringList paragraphs;
    };
    const Case cases[] = {
        {"inside one paragraph", "Nativity, O", "hath", {"Nativity, O Christ our God, hath"}},
        {"across paragraphs", "Tone 4", "Thy", {"Tone 4", "Thy"}},
        {"whole paragraph with its mark", "Troparion", "Tone 4\u2029", {"Troparion of the Feast    Tone 4"}},
    };
    const QString raw = original.toRawText();
    for (const Case &c : cases) {
        const int from = static_cast<int>(raw.indexOf(c.from));
        const int to = static_cast<int>(raw.indexOf(c.to, from) + c.to.size());
        ASSERT_GE(from, 0) << c.name;
        QTextDocument copy;
        ASSERT_TRUE(readRtf(writeRtf(original, from, to), &copy).ok) << c.name;
        EXPECT_EQ(paragraphs(copy), c.paragraphs) << c.name;
    }
    // Formatting inside a range is kept.
    const int from = static_cast<int>(raw.indexOf("hath"));
    QTextDocument copy;
    readRtf(writeRtf(original, from, from + 4), &copy);
    EXPECT_EQ(describe(copy), QStringList{"right:[hath|Arial 10.5pt I #c80000]"});
    // An empty or reversed range is an empty document.
    readRtf(writeRtf(original, 10, 10), &copy);
    EXPECT_TRUE(copy.isEmpty());
}
