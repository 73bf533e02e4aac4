// The library review: whose hymns a day carries and which hymns drifted.
#include <gtest/gtest.h>

#include "library_report.h"

using namespace hymnpak;

namespace {

Hymn hymn(const std::string& heading, int tone, const std::string& text) {
    Hymn h;
    h.heading = heading;
    h.tone = tone;
    h.text = text;
    return h;
}

Day day(int m, int d, std::vector<std::string> title, std::vector<Hymn> hymns) {
    Day x;
    x.month = m;
    x.day = d;
    x.title = std::move(title);
    x.hymns = std::move(hymns);
    return x;
}

}  // namespace

TEST(LibraryReport, TheChiefIsTheFirstLineThatIsNoForefeastOrAfterfeast) {
    EXPECT_EQ(chiefCommemoration(day(12, 20, {"FOREFEAST OF THE NATIVITY", "HIEROMARTYR IGNATIUS"}, {})),
              "HIEROMARTYR IGNATIUS");
    EXPECT_EQ(chiefCommemoration(day(1, 7, {"AFTERFEAST OF THEOPHANY", "SYNAXIS OF ST JOHN THE BAPTIST"}, {})),
              "SYNAXIS OF ST JOHN THE BAPTIST");
    EXPECT_EQ(chiefCommemoration(day(1, 5, {"EVE OF THEOPHANY"}, {})), "EVE OF THEOPHANY");
}

TEST(LibraryReport, AHeadingNamesItsCommemorationByName) {
    EXPECT_TRUE(headingNames("Kontakion of the Prophet Nahum", "HOLY PROPHET NAHUM"));
    EXPECT_TRUE(headingNames("Troparion of the Archangels", "SYNAXIS OF THE ARCHANGEL MICHAEL"));
    EXPECT_TRUE(headingNames("Troparion of the Feast", "NATIVITY OF OUR LORD"));
    EXPECT_FALSE(headingNames("Troparion of the Feast", "HOLY MARTYR CONON")) << "a saint is no feast";
    EXPECT_FALSE(headingNames("Kontakion of the Martyr", "HOLY MARTYR CONON")) << "says nobody's name";
    EXPECT_FALSE(headingNames("Kontakion of St Nicholas", "HOLY PROPHET NAHUM"));
    EXPECT_FALSE(headingNames("Kontakion", "HOLY PROPHET NAHUM"));
}

TEST(LibraryReport, CountsChiefsBareHeadingsDriftAndRegister) {
    const std::string trop = "As we celebrate the memory of thy prophet, / save our souls.";
    std::vector<Day> days = {
        day(12, 1, {"HOLY PROPHET NAHUM"},
            {hymn("Troparion of the Prophet Nahum", 2, trop), hymn("Kontakion of the Prophet Nahum", 4, "Thou art.")}),
        day(12, 2, {"HOLY PROPHET HABAKKUK"},
            {hymn("Troparion of the Prophet Habakkuk", 2, trop + " Amen."), hymn("Kontakion", 4, "He has come.")}),
        day(12, 3, {"HOLY PROPHET ZEPHANIAH"}, {hymn("Troparion of the Prophet Zephaniah", 2, trop)}),
    };
    const LibraryReport r = reviewLibrary(days, {});
    EXPECT_EQ(r.days, 3);
    EXPECT_EQ(r.chiefWithBoth, std::vector<std::string>{"12/01"});
    EXPECT_EQ(r.chiefWithoutKontakion.size(), 2u);
    EXPECT_TRUE(r.chiefWithoutTroparion.empty());
    EXPECT_EQ(r.bareHeadings, std::vector<std::string>{"12/02: Kontakion"});
    ASSERT_EQ(r.twoWordings.size(), 1u) << "one opening, two texts";
    EXPECT_NE(r.twoWordings[0].find("[12/02]"), std::string::npos) << r.twoWordings[0];
    EXPECT_NE(r.twoWordings[0].find("[12/01 12/03]"), std::string::npos) << r.twoWordings[0];
    EXPECT_EQ(r.registerSlips, std::vector<std::string>{"12/02 Kontakion: has"});

    // Written once and referred to, the same hymn is one wording.
    SharedHymn common{"prophet-troparion", hymn("Troparion of the Prophet {name}", 2, trop), "x", 1};
    std::vector<Day> shared = {days[0], days[2]};
    for (Day& d : shared) d.hymns[0].ref = "prophet-troparion";
    const LibraryReport s = reviewLibrary(shared, {common});
    EXPECT_TRUE(s.twoWordings.empty());
    EXPECT_TRUE(s.writtenTwice.empty());
}
