// The hymn library as the program uses it: linked at build time, asked for
// documents by date key and searched for saints. The whole-data cases run
// over every day of a leap year.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "hymn_index.h"
#include "hymn_source.h"
#include "hymnpak/hymnpak.h"

namespace {

std::vector<std::uint16_t> yearKeys() {
    std::vector<std::uint16_t> keys;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= hymnpak::daysInMonth(m); ++d) keys.push_back(static_cast<std::uint16_t>(m * 100 + d));
    return keys;
}

bool isDelimiter(char c) {
    return !std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

std::string rowOf(std::uint16_t key) {
    for (std::size_t i = 0; i < hymnpak::kRowCount; ++i)
        if (hymnpak::kRows[i].key == key) return hymnpak::kRows[i].commemorations;
    return {};
}

}  // namespace

TEST(HymnLibrary, NoDocumentForKeysThatAreNoDay) {
    for (std::uint16_t key : {0, 100, 132, 230, 1232, 1300, 65535})
        EXPECT_EQ(LoadTropFromResource(key), nullptr) << key;
}

TEST(HymnLibrary, SameKeyGivesTheSameBytesEachTime) {
    const char* first = LoadTropFromResource(229);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LoadTropFromResource(229), first);
    EXPECT_NE(LoadTropFromResource(228), first);
}

TEST(HymnLibraryData, EveryDayOfTheYearHasItsDocumentAndRow) {
    const auto keys = yearKeys();
    ASSERT_EQ(keys.size(), 366u);
    ASSERT_EQ(hymnpak::kRowCount, 366u) << "a month of hymn sources is missing";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(hymnpak::kRows[i].key, keys[i]) << "rows in calendar order, row " << i + 1;
        const char* doc = LoadTropFromResource(keys[i]);
        ASSERT_NE(doc, nullptr) << keys[i];
        const std::size_t length = std::strlen(doc);
        EXPECT_EQ(length, hymnpak::kDocs[i].size) << "the NUL ends document " << keys[i];
        EXPECT_GE(length + 1, 800u) << keys[i];
        EXPECT_LE(length + 1, 4710u) << keys[i];
        EXPECT_EQ(std::string(doc, 6), "{\\rtf1") << keys[i];

        const std::string row = hymnpak::kRows[i].commemorations;
        EXPECT_GE(row.size(), 16u) << keys[i];
        EXPECT_LE(row.size(), 275u) << keys[i];
        for (unsigned char c : row) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F && !std::islower(c)) << keys[i] << ": " << row;
            if (!(c >= 0x20 && c < 0x7F && !std::islower(c))) break;
        }
    }
    EXPECT_EQ(hymnpak::kRows[59].key, 229) << "row 60 is 29 February";
}

TEST(HymnLibraryData, SearchesPeopleMake) {
    ASSERT_EQ(hymnpak::kRowCount, 366u);
    EXPECT_EQ(SearchTropLookupTable("basil", 1231), 101);
    EXPECT_EQ(SearchTropLookupTable("nicholas", 1130), 1206);
    EXPECT_EQ(SearchTropLookupTable("george", 422), 423);
    EXPECT_EQ(SearchTropLookupTable("", 101), 0);
    EXPECT_EQ(SearchTropLookupTable("no such saint xyzzy", 101), 0);
}

// The word-boundary and 29 February rules, on the real rows.
TEST(HymnLibraryData, BoundaryAndLeapDayRulesThroughTheLibrary) {
    ASSERT_EQ(hymnpak::kRowCount, 366u);
    ASSERT_NE(rowOf(101).find("BASIL "), std::string::npos);
    EXPECT_EQ(SearchTropLookupTable("asil", 1231), 101) << "a match may start inside a word";
    EXPECT_NE(SearchTropLookupTable("basi", 1231), 101) << "but must end at a word boundary";

    // Words of 29 February's row found on no other day.
    int unique = 0;
    const std::string leap = rowOf(229);
    for (std::size_t b = 0; b < leap.size();) {
        while (b < leap.size() && isDelimiter(leap[b])) ++b;
        std::size_t e = b;
        while (e < leap.size() && !isDelimiter(leap[e])) ++e;
        const std::string word = leap.substr(b, e - b);
        b = e;
        if (word.size() < 4) continue;
        bool elsewhere = false;
        for (std::size_t i = 0; i < hymnpak::kRowCount && !elsewhere; ++i)
            elsewhere = hymnpak::kRows[i].key != 229 &&
                        std::string(hymnpak::kRows[i].commemorations).find(word) != std::string::npos;
        if (elsewhere) continue;
        ++unique;
        for (std::uint16_t from : {101, 228, 301, 1231}) EXPECT_EQ(SearchTropLookupTable(word.c_str(), from), 0) << word;
        EXPECT_EQ(SearchTropLookupTable(word.c_str(), 229), 229) << word;
    }
    EXPECT_GT(unique, 0) << "29 February names someone kept on no other day";
}

// The last word of each day's row ends the row, so searching it from the day
// before must land on that day (29 February only from itself).
TEST(HymnLibraryData, LastWordOfEveryRowIsFoundFromTheDayBefore) {
    ASSERT_EQ(hymnpak::kRowCount, 366u);
    const auto keys = yearKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string row = rowOf(keys[i]);
        std::size_t end = row.size();
        while (end > 0 && isDelimiter(row[end - 1])) --end;
        std::size_t begin = end;
        while (begin > 0 && !isDelimiter(row[begin - 1])) --begin;
        const std::string word = row.substr(begin, end - begin);
        if (word.empty()) continue;
        const std::uint16_t before = keys[(i + keys.size() - 1) % keys.size()];
        const std::uint16_t found = SearchTropLookupTable(word.c_str(), before);
        if (keys[i] == 229) {
            EXPECT_NE(found, 229) << word;
            EXPECT_EQ(SearchTropLookupTable(word.c_str(), 229) != 0, true) << word;
        } else {
            EXPECT_EQ(found, keys[i]) << word << " from " << before;
        }
    }
}
