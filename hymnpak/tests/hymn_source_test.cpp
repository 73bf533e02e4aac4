// Reading the month sources and writing a day's document.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "day_document.h"
#include "hymn_source.h"

using namespace hymnpak;

namespace {

std::vector<Day> parseText(const std::string& text, std::vector<Diagnostic>& errors) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("hymn_source_test_" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << text;
    auto days = parseHymnSource(path.string(), errors);
    std::filesystem::remove(path);
    return days;
}

const char* kGoodDay =
    "# comment\n"
    "@ 12/18\n"
    "= HOLY MARTYR SEBASTIAN AND THOSE WITH HIM\n"
    "= VENERABLE FLORUS\n"
    "\n"
    "Troparion of the Forefeast | Tone 4\n"
    "Make ready, O Bethlehem; /\n"
    "Eden is opened to all.\n"
    "\n"
    "Kontakion of the Martyr | Tone 8\n"
    "Thou didst shine \xE2\x80\x9Clike a star\xE2\x80\x9D.\n"
    "\n"
    "% 18-24\n"
    "= SUNDAY BEFORE THE NATIVITY OF THE SAVIOUR\n"
    "\n"
    "Troparion of the Holy Fathers | Tone 2\n"
    "Great are the accomplishments of faith.\n";

}  // namespace

TEST(HymnSource, ReadsTitleBlockHymnsAndSection) {
    std::vector<Diagnostic> errors;
    auto days = parseText(kGoodDay, errors);
    ASSERT_TRUE(errors.empty()) << errors.front().message;
    ASSERT_EQ(days.size(), 1u);
    const Day& d = days[0];
    EXPECT_EQ(d.key(), 1218);
    EXPECT_EQ(d.commemorations(), "HOLY MARTYR SEBASTIAN AND THOSE WITH HIM VENERABLE FLORUS");
    ASSERT_EQ(d.hymns.size(), 2u);
    EXPECT_EQ(d.hymns[0].heading, "Troparion of the Forefeast");
    EXPECT_EQ(d.hymns[0].tone, 4);
    EXPECT_EQ(d.hymns[0].text, "Make ready, O Bethlehem; / Eden is opened to all.") << "lines joined by one space";
    EXPECT_EQ(d.hymns[1].text, "Thou didst shine \x93like a star\x94.") << "curly quotes in Windows-1252";
    ASSERT_TRUE(d.hasSection);
    EXPECT_EQ(d.section.run, "18-24");
    EXPECT_EQ(d.section.title.at(0), "SUNDAY BEFORE THE NATIVITY OF THE SAVIOUR");
    EXPECT_EQ(d.section.hymns.size(), 1u);
}

TEST(HymnSource, ReportsEachKindOfMistakeWithItsLine) {
    struct Case { const char* text; int line; const char* fragment; };
    const Case cases[] = {
        {"@ 13/01\n= X\n", 1, "bad day line"},
        {"@ 02/30\n= X\n", 1, "bad day line"},
        {"= ORPHAN TITLE\n", 1, "outside a day"},
        {"@ 01/05\n= St John\n", 2, "upper-case"},
        {"@ 01/05\n= ST JOHN\n\nTroparion of St John | Tone 9\nText.\n", 4, "bad tone"},
        {"@ 01/05\n= ST JOHN\n\nHymn of St John | Tone 2\nText.\n", 4, "allowed form"},
        {"@ 01/05\n= ST JOHN\n\nTroparion of St John | Tone 2\n\n", 5, "no text"},
        {"@ 01/05\n= ST JOHN\n\nTroparion of St John | Tone 2\nText.\n\n= LATE TITLE\n", 7, "after hymns"},
        {"@ 01/05\n= ST JOHN\n\nKontakion | Tone 2\nText.\n", 4, "bare heading"},
        {"@ 01/05\n= ST JOHN\n\n< Bad_Id\n", 4, "bad reference"},
        {"$ common\nHymn of X | Tone 2\nText.\n", 2, "allowed form"},
        {"$ common\nText without a heading.\n", 2, "heading line"},
        {"@ 01/05\n= ST JOHN \xCE\xB1\n", 2, "Windows-1252"},
    };
    for (const auto& c : cases) {
        std::vector<Diagnostic> errors;
        parseText(c.text, errors);
        ASSERT_FALSE(errors.empty()) << c.text;
        EXPECT_EQ(errors[0].line, c.line) << c.text;
        EXPECT_NE(errors[0].message.find(c.fragment), std::string::npos) << errors[0].message;
    }
}

TEST(HymnSource, HeadingForms) {
    for (const char* ok : {"Troparion", "Kontakion", "Troparion for the Eve", "Kontakion for the Eve",
                           "Troparion of the Feast", "Another Kontakion of St Basil the Great"})
        EXPECT_TRUE(isAllowedHeading(ok)) << ok;
    for (const char* bad : {"Troparion of ", "Ikos of the Feast", "troparion", "Another Troparion", ""})
        EXPECT_FALSE(isAllowedHeading(bad)) << bad;
}

TEST(HymnSource, SharedHymnsAreWrittenOnceAndFilledInByEachDay) {
    const std::string shared =
        "$ martyr-troparion\n"
        "Troparion of the Martyr {name} | Tone 4\n"
        "Thy martyr {name}, O Lord, / received the crown.\n"
        "\n"
        "$ cross-troparion\n"
        "Troparion of the Cross | Tone 1\n"
        "O Lord, save Thy people.\n";
    const std::string month =
        "@ 03/02\n= HOLY MARTYR CONON\n\n< martyr-troparion | Troparion of the Martyr {name} | Conon\n\n"
        "< cross-troparion | Troparion of the Feast\n\n< cross-troparion\n";
    std::vector<Diagnostic> errors;
    const auto path = std::filesystem::temp_directory_path() / ("hymn_shared_" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << shared;
    SourceFile sharedFile = parseHymnFile(path.string(), errors);
    std::filesystem::remove(path);
    auto days = parseText(month, errors);
    ASSERT_TRUE(errors.empty()) << errors.front().message;
    ASSERT_EQ(sharedFile.shared.size(), 2u);
    resolveSharedHymns(days, sharedFile.shared, errors);
    ASSERT_TRUE(errors.empty()) << errors.front().message;
    ASSERT_EQ(days.at(0).hymns.size(), 3u);
    const auto& h = days[0].hymns;
    EXPECT_EQ(h[0].heading, "Troparion of the Martyr Conon");
    EXPECT_EQ(h[0].text, "Thy martyr Conon, O Lord, / received the crown.");
    EXPECT_EQ(h[0].tone, 4);
    EXPECT_EQ(h[1].heading, "Troparion of the Feast") << "a day may give the hymn its own heading";
    EXPECT_EQ(h[2].heading, "Troparion of the Cross");
    EXPECT_EQ(h[1].text, h[2].text);

    // What cannot be resolved is reported at the referring line.
    auto bad = parseText("@ 03/03\n= ST X\n\n< nowhere\n\n< martyr-troparion\n", errors);
    std::vector<SharedHymn> twice = sharedFile.shared;
    twice.push_back(sharedFile.shared[1]);
    resolveSharedHymns(bad, twice, errors);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].message.find("defined twice"), std::string::npos) << errors[0].message;
    EXPECT_NE(errors[1].message.find("does not exist"), std::string::npos) << errors[1].message;
    EXPECT_EQ(errors[1].line, 4);
    EXPECT_NE(errors[2].message.find("needs a name"), std::string::npos) << errors[2].message;
    EXPECT_EQ(errors[2].line, 6);
}

TEST(DayDocument, HasTheLibraryShape) {
    std::vector<Diagnostic> errors;
    auto days = parseText(kGoodDay, errors);
    ASSERT_EQ(days.size(), 1u);
    const std::string rtf = dayDocumentRtf(days[0]);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    for (const char* part : {"MS Sans Serif;", "Symbol;", "Times New Roman;", "Arial;", "\\deflang1033",
                             "{\\colortbl\\red0\\green0\\blue0;}", "\\f2\\fs24\\cf0 HOLY MARTYR SEBASTIAN",
                             "\\ul Troparion of the Forefeast\\ulnone     \\ul Tone 4\\ulnone\\par",
                             "\\'93like a star\\'94", "\\f3 18-24\\f2\\par\r\nSUNDAY BEFORE"})
        EXPECT_NE(rtf.find(part), std::string::npos) << part;
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
    days[0].hasSection = false;
    EXPECT_EQ(dayDocumentRtf(days[0]).find("Arial"), std::string::npos) << "Arial only with a section";
}

TEST(DayDocument, EscapesRtfSpecialCharacters) {
    Day d;
    d.month = 1;
    d.day = 1;
    d.title = {"A {B} C\\D"};
    const std::string rtf = dayDocumentRtf(d);
    EXPECT_NE(rtf.find("A \\{B\\} C\\\\D\\par"), std::string::npos);
}

TEST(HymnSource, ExtraSectionDays) {
    int count = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= daysInMonth(m); ++d) count += dayHasExtraSection(m, d);
    EXPECT_EQ(count, 35);
    EXPECT_TRUE(dayHasExtraSection(7, 13));
    EXPECT_FALSE(dayHasExtraSection(7, 20));
    EXPECT_TRUE(dayHasExtraSection(12, 24));
    EXPECT_FALSE(dayHasExtraSection(12, 25));
}
