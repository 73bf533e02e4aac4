// Every day's document read back the way the program shows it: through the
// RTF reader into a QTextDocument.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "hymn_index.h"
#include "hymn_source.h"
#include "hymnpak/hymnpak.h"
#include "richtext/rtf_reader.h"

namespace {

const QRegularExpression kHeading(
    "^(Troparion|Kontakion|(Another )?(Troparion|Kontakion) of .+|(Troparion|Kontakion) for the Eve)    Tone [1-8]$");
const QRegularExpression kRun("^[0-9]{1,2} ?- ?[0-9]{1,2}$");

// Checks that a heading block underlines its text and "Tone N" but not the
// four spaces between them.
bool headingUnderlinedAsExpected(const QTextBlock& block) {
    const QString text = block.text();
    const int gap = text.indexOf("    Tone ");
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        for (int i = 0; i < f.length(); ++i) {
            const int pos = f.position() - block.position() + i;
            const bool inGap = pos >= gap && pos < gap + 4;
            if (f.charFormat().fontUnderline() == inGap) return false;
        }
    }
    return true;
}

}  // namespace

TEST(HymnDocuments, EveryDocumentReadsBackWithItsShape) {
    ASSERT_EQ(hymnpak::kRowCount, 366u);
    int sections = 0;
    std::vector<int> withoutKontakion;
    for (std::size_t i = 0; i < hymnpak::kRowCount; ++i) {
        const std::uint16_t key = hymnpak::kRows[i].key;
        SCOPED_TRACE(key);
        const char* rtf = LoadTropFromResource(key);
        ASSERT_NE(rtf, nullptr);
        QTextDocument doc;
        const auto result = richtext::readRtf(QByteArrayView(rtf, std::strlen(rtf)), &doc);
        ASSERT_TRUE(result.ok) << result.error.toStdString();

        // Title block: the paragraphs before the first empty one, in upper
        // case, joined by spaces, are the day's commemorations row.
        QTextBlock block = doc.begin();
        QStringList title;
        for (; block.isValid() && !block.text().isEmpty(); block = block.next()) title << block.text();
        EXPECT_EQ(title.join(' ').toStdString(), std::string(hymnpak::kRows[i].commemorations));
        EXPECT_EQ(title.join(' '), title.join(' ').toUpper());
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.charFormat().fontFamilies().toStringList().value(0), "Times New Roman");

        int troparia = 0, kontakia = 0;
        bool sawRun = false;
        for (block = block.next(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            if (kHeading.match(text).hasMatch()) {
                troparia += text.startsWith("Troparion") || text.startsWith("Another Troparion");
                kontakia += text.startsWith("Kontakion") || text.startsWith("Another Kontakion");
                EXPECT_TRUE(headingUnderlinedAsExpected(block)) << text.toStdString();
                const QTextBlock hymn = block.next();
                ASSERT_TRUE(hymn.isValid());
                EXPECT_FALSE(hymn.text().trimmed().isEmpty()) << "hymn after " << text.toStdString();
                EXPECT_TRUE(hymn.next().text().isEmpty()) << "empty paragraph after the hymn";
                block = hymn;
            } else if (kRun.match(text).hasMatch()) {
                sawRun = true;
                EXPECT_FALSE(block.next().text().isEmpty()) << "the section's title follows its run of days";
                while (block.next().isValid() && !block.next().text().isEmpty()) {
                    block = block.next();
                    EXPECT_EQ(block.text(), block.text().toUpper());
                }
            } else {
                EXPECT_TRUE(text.isEmpty()) << "unexpected paragraph: " << text.toStdString();
            }
        }
        EXPECT_GE(troparia, 1);
        // A kontakion that no record confirms is left out rather than made
        // up, so a very few days may have none; the review lists them.
        if (kontakia == 0) withoutKontakion.push_back(key);
        EXPECT_EQ(sawRun, hymnpak::dayHasExtraSection(key / 100, key % 100));
        sections += sawRun;
    }
    EXPECT_EQ(sections, 35);
    EXPECT_LE(withoutKontakion.size(), 3u) << "days without a kontakion: " << ::testing::PrintToString(withoutKontakion);
}

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
