// Damaged and hostile input: the reader must finish, keep what it could
// read, say that something was wrong, and leave a usable document.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace richtext;

TEST(RtfRobustness, DamagedInputKeepsWhatCouldBeRead)
{
    struct Case {
        const char *name;
        QByteArray rtf;
        bool ok;
        QString text;
    };
    const QByteArray deep = QByteArray("{\\rtf1 A") + QByteArray(100000, '{') + "hidden"
        + QByteArray(100000, '}') + "B}";
    const Case cases[] = {
        {"truncated", R"({\rtf1 {\b one\par two)", false, u"one\u2029two"_qs},
        {"truncated inside a word", R"({\rtf1 one\pa)", false, "one"},
        {"truncated escape", R"({\rtf1 one\')", false, "one"},
        {"bad escape", R"({\rtf1 a\'zzb})", false, "azzb"},
        {"backslash at the end", "{\\rtf1 a\\", false, "a"},
        {"extra closing braces", R"({\rtf1 a}}}}b)", true, "a"},
        {"deep nesting is cut off", deep, false, "AB"},
        {"binary length past the end", R"({\rtf1 a\bin99999999999999 xyz})", false, "a"},
        {"negative binary length", R"({\rtf1 a\bin-5 b})", true, "ab"},
        {"absurd unicode skip", R"({\rtf1\uc99999999 \u65 bcdefghijklmnopqrstuvwxyz})", true, "Arstuvwxyz"},
        {"unicode out of range", R"({\rtf1 \u99999999999 ?x\u-99999999 ?y})", true, u"x\u8000y"_qs},
        {"frame and block characters dropped", R"({\rtf1 a\u65533?\u64976?\u65532?\u10?b})", true,
         u"a\uFFFD\u2028b"_qs},
        {"control bytes dropped", QByteArray("{\\rtf1 a\x01\x02\x7f" "b") + '\0' + "c}", true, "abc"},
        {"very long control word", "{\\rtf1 a\\" + QByteArray(5000, 'x') + " b}", true, "ab"},
        {"many digits", "{\\rtf1 \\fs" + QByteArray(5000, '9') + " a}", true, "a"},
    };
    for (const Case &c : cases) {
        QTextDocument doc;
        const RtfReadResult result = readRtf(c.rtf, &doc);
        EXPECT_EQ(result.ok, c.ok) << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(doc.toRawText(), c.text) << c.name;
        EXPECT_EQ(rtfToPlainText(c.rtf), doc.toPlainText()) << c.name;
    }
}

TEST(RtfRobustness, AbsurdNumbersAreClamped)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1{\colortbl;\red99999\green-7\blue300;}\fs99999999\cf1 big{\fs0 small}\f-2147483648 x})", &doc).ok);
    QTextCursor cursor(&doc);
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 1638);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 255));
    cursor.setPosition(5);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 1);
}

TEST(RtfRobustness, EveryPrefixOfADocumentReads)
{
    QFile file(QStringLiteral(RICHTEXT_FIXTURES "/hymn_day.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray full = file.readAll();
    const QByteArray rtf = full.left(full.indexOf('\0'));
    const QString fullText = rtfToPlainText(rtf);
    QTextDocument doc;
    for (qsizetype n = 0; n <= rtf.lastIndexOf('}'); ++n) {
        const QByteArray prefix = rtf.left(n);
        const RtfReadResult result = readRtf(prefix, &doc);
        ASSERT_FALSE(result.ok) << n;
        // A cut-off document shows the beginning of the text, nothing else.
        const QString text = rtfToPlainText(prefix);
        ASSERT_TRUE(fullText.startsWith(text.left(std::max<qsizetype>(0, text.size() - 1)))) << n;
    }
    EXPECT_TRUE(readRtf(rtf, &doc).ok);
}

TEST(RtfRobustness, RandomBytesAndMutationsFinish)
{
    QFile file(QStringLiteral(RICHTEXT_FIXTURES "/hymn_day.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray seed = file.readAll();
    QRandomGenerator random(20260423);
    const QByteArray alphabet = "{}\\'*;0123456789-abfiuqcpdlnrst \r\n\x80\xff";
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 300; ++round) {
        QByteArray input = seed;
        const int edits = 1 + random.bounded(40);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(static_cast<int>(input.size()) + 1);
            const char c = round % 3 == 0 ? static_cast<char>(random.bounded(256))
                                          : alphabet[random.bounded(static_cast<int>(alphabet.size()))];
            switch (random.bounded(3)) {
            case 0: input.insert(at, c); break;
            case 1: if (at < input.size()) input[at] = c; break;
            default: input.remove(at, random.bounded(8)); break;
            }
        }
        QTextDocument doc;
        readRtf(input, &doc);
        // Whatever was read writes out as RTF that reads back to the same text.
        const QByteArray written = writeRtf(doc);
        QTextDocument again;
        ASSERT_TRUE(readRtf(written, &again).ok) << round;
        ASSERT_EQ(again.toRawText(), doc.toRawText()) << round;
    }
}
