// The table search on small hand-made tables: wrap-around, the word boundary
// at the end of a match, 29 February, and the day on display coming last.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "saint_search.h"

using hymnpak::Row;
using hymnpak::searchRows;

namespace {

const std::vector<Row> kTable = {
    {101, "CIRCUMCISION OF OUR LORD ST BASIL THE GREAT"},
    {102, "ST SYLVESTER, POPE OF ROME"},
    {228, "VENERABLE BASILISCUS"},
    {229, "ST JOHN CASSIAN THE ROMAN, CONFESSOR"},
    {301, "VENERABLE MARTYR EUDOCIA"},
    {1206, "ST NICHOLAS THE WONDERWORKER"},
    {1231, "VENERABLE MELANIA THE ROMAN"},
};

std::uint16_t find(const char* text, std::uint16_t from) {
    return searchRows(kTable.data(), kTable.size(), text, from);
}

}  // namespace

TEST(SaintSearch, WalksForwardAndWrapsRoundTheYear) {
    struct Case { const char* text; std::uint16_t from; std::uint16_t expected; };
    const Case cases[] = {
        {"basil", 1231, 101},       // wraps to the first row
        {"nicholas", 102, 1206},
        {"nicholas", 1206, 1206},   // only on the day on display: found last
        {"roman", 1231, 1231},      // 29 February is passed over from another day
        {"sylvester", 102, 102},
        {"EUDOCIA", 101, 301},
        {"eUdOcIa", 1231, 301},
        {"nobody", 101, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(find(c.text, c.from), c.expected) << c.text << " from " << c.from;
}

TEST(SaintSearch, MatchMustEndAtAWordBoundaryButMayStartInsideAWord) {
    EXPECT_EQ(find("basilisc", 102), 0) << "ends inside BASILISCUS";
    EXPECT_EQ(find("basil", 102), 101) << "BASIL followed by a letter in 228 is skipped";
    EXPECT_EQ(find("ASIL", 1206), 101) << "starts inside a word, ends before a space";
    EXPECT_EQ(find("GREAT", 1206), 101) << "match at the very end of a row";
    EXPECT_EQ(find("rome", 101), 102) << "match at the very end of a row";
    EXPECT_EQ(find("ST SYLVESTER,", 101), 102) << "punctuation inside the search text";
}

TEST(SaintSearch, TwentyNinthOfFebruaryOnlyFromItself) {
    EXPECT_EQ(find("cassian", 228), 0);
    EXPECT_EQ(find("cassian", 1231), 0);
    EXPECT_EQ(find("cassian", 229), 229) << "from 29 February the row is tried, last";
    EXPECT_EQ(find("roman", 229), 1231) << "other rows first";
}

TEST(SaintSearch, DegenerateInputsEnd) {
    EXPECT_EQ(find("", 101), 0);
    EXPECT_EQ(find(nullptr, 101), 0);
    EXPECT_EQ(find("ST NICHOLAS THE WONDERWORKER AND MORE", 101), 0) << "longer than any row";
    EXPECT_EQ(find("melania", 555), 1231) << "a key that is no row still ends";
    EXPECT_EQ(find("cassian", 555), 0);
    EXPECT_EQ(searchRows(kTable.data(), 0, "basil", 101), 0);
}

TEST(SaintSearch, UpperCaseFollowsWindows1252) {
    EXPECT_EQ(hymnpak::upperCp1252('a'), 'A');
    EXPECT_EQ(hymnpak::upperCp1252(0xE9), 0xC9);  // e acute
    EXPECT_EQ(hymnpak::upperCp1252(0xF7), 0xF7);  // division sign has no case
    EXPECT_EQ(hymnpak::upperCp1252(0x9C), 0x8C);  // oe
    EXPECT_EQ(hymnpak::upperCp1252(0xFF), 0x9F);  // y diaeresis
    const std::vector<Row> accented = {{101, "ST CL\xC9MENT"}, {102, "OTHER DAY"}};
    EXPECT_EQ(searchRows(accented.data(), accented.size(), "cl\xE9ment", 102), 101);
    EXPECT_TRUE(hymnpak::isWordDelimiter(0xC9)) << "bytes above 127 delimit words";
    EXPECT_FALSE(hymnpak::isWordDelimiter('7'));
}

TEST(SaintSearch, CallerTextIsNotChanged) {
    char text[] = "basil";
    find(text, 1231);
    EXPECT_STREQ(text, "basil");
}
