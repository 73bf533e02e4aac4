// The readings page of days that show every shape of the page, assembled
// with the Bible files of the program's folder: the sections in order, the
// headings and the services' names, and what must not be there.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "daily_readings.h"
#include "reading_tables.h"
#include "readings_pages.h"

namespace kal {
namespace {

using namespace kal::testing;

const std::string NL2 = "\r\n\r\n";
const std::string NL3 = "\r\n\r\n\r\n";

// A reading's heading as the page shows it: blank line, Reference, blank line.
std::string Ref(const std::string& key) {
  const ReadingRow* row = FindReading(key);
  EXPECT_NE(row, nullptr) << key;
  return row ? NL2 + row->Reference + NL2 + "    " : std::string("no reading ") + key;
}

struct PageCase {
  const char* name;
  int year, month, day;
  CalendarMode mode;
  std::string start;                // the page begins with this
  std::vector<std::string> inOrder;  // found one after another
  std::vector<std::string> absent;
  std::string end;  // the page ends with this
};

class DailyReadingsTest : public ::testing::Test {
 protected:
  std::string Page(int year, int month, int day, CalendarMode mode, bool verseNumbers = false) {
    ReadingsOptions options;
    options.Mode = mode;
    options.VerseNumbers = verseNumbers;
    std::string page = GetDailyReadings(reader_, DayOf(year, month, day, mode), options);
    EXPECT_TRUE(OnNewTestament(reader_, BinDir()));
    return page;
  }
  void Check(const PageCase& c) {
    SCOPED_TRACE(c.name);
    const std::string page = Page(c.year, c.month, c.day, c.mode);
    EXPECT_EQ(page.find("An error occured"), std::string::npos);
    EXPECT_TRUE(page.starts_with(c.start)) << page.substr(0, 300);
    std::size_t at = 0;
    for (const std::string& piece : c.inOrder) {
      const std::size_t found = page.find(piece, at);
      EXPECT_NE(found, std::string::npos) << "missing in order: " << piece;
      if (found != std::string::npos) at = found + piece.size();
    }
    for (const std::string& piece : c.absent) EXPECT_EQ(page.find(piece), std::string::npos) << piece;
    EXPECT_TRUE(page.ends_with(c.end)) << page.substr(page.size() > 300 ? page.size() - 300 : 0);
  }
  void SetUp() override { ASSERT_TRUE(reader_.OpenBibleFile("NewTstmt.dat")) << "Bible files in " << BinDir(); }

  BibleReader reader_{BinDir()};
};

constexpr CalendarMode New = CalendarMode::New;
constexpr CalendarMode Old = CalendarMode::Old;

TEST_F(DailyReadingsTest, MovableCycle) {
  // Pascha 2026 is 12 April on the New calendar.
  const PageCase cases[] = {
      {"Pascha", 2026, 4, 12, New, "Pascha" + NL2 + "LITURGY" + NL2 + "Acts 1:1-8" + NL2 + "     ",
       {"John 1:1-17", NL3 + "GREAT VESPERS" + NL2 + "John 20:19-25" + NL2 + "     "}, {"MATINS"}, ""},
      {"Thomas Sunday", 2026, 4, 19, New,
       "2nd Sunday of Pascha" + NL2 + "MATINS (I)" + NL2 + "Matthew 28:16-20" + NL2 + "     Then the eleven",
       {NL3 + "LITURGY" + Ref("84,E1"), Ref("84,G1")}, {"VESPERS"}, ""},
      {"Palm Sunday", 2026, 4, 5, New, "Palm Sunday" + NL2 + "VESPERS" + Ref("70,V1"),
       {Ref("70,V2"), Ref("70,V3"),
        // Matthew 21:1-11 and 21:15-17 under one heading, in one paragraph
        NL3 + "MATINS" + NL2 + "Matthew 21:1-11, 15-17" + NL2 + " And when they drew nigh",
        "the prophet of Nazareth of Galilee. And when the chief priests", NL3 + "LITURGY" + Ref("70,E1"), Ref("70,G1")},
       {}, ""},
      {"Great Friday", 2026, 4, 10, New,
       "Passion Week: Great Friday" + NL2 + "MATINS" + NL2 + "THE TWELVE PASSION GOSPELS" + NL2 +
           "(1) John 13:31-17:26" + NL2 + "Chapter 13" + NL2 + "     Therefore, when he was gone out",
       {NL2 + "Chapter 17" + NL2, NL2 + "(2) John 18:1-27" + NL2 + "     When Jesus", "(6) Mark 15:16-32",
        NL2 + "(12) Matthew 27:62-66" + NL2 + "     Now the next day", NL3 + "ROYAL HOURS" + NL2 + "FIRST HOUR" +
        Ref("75,1H1"), Ref("75,1H2"), Ref("75,1H3"), NL2 + "THIRD HOUR", NL2 + "SIXTH HOUR",
        NL2 + "NINTH HOUR" + Ref("75,9H1"), Ref("75,9H3"), NL3 + "VESPERS" + Ref("75,V1"), Ref("75,V2"),
        Ref("75,V3")},
       {"LITURGY OF", Ref("75,E1")}, NL3 + "NO LITURGY"},
      {"Holy Saturday", 2026, 4, 11, New, "Great and Holy Saturday" + NL2 + "MATINS" + Ref("76,M1"),
       {Ref("76,M2"), Ref("76,M3"), NL2 + "Matthew 27:62-66" + NL2 + "     Now the next day",
        NL3 + "VESPERS" + Ref("76,V1"), Ref("76,V15"),
        NL2 + "The Song of the Three Holy Children (Daniel 3:24-90)" + NL2 + "    ",
        NL3 + "LITURGY OF ST. BASIL" + NL2 + "Romans 6:3-11", NL2 + "Matthew 28:1-20" + NL2},
       {}, ""},
      {"Ascension", 2026, 5, 21, New, "Thursday\r\nThe Ascension of Our Lord" + NL2 + "VESPERS" + Ref("116,V1"),
       {Ref("116,V2"), Ref("116,V3"), NL3 + "MATINS" + NL2 + "Mark 16:9-20" + NL2 + "     Now when Jesus",
        NL3 + "LITURGY" + Ref("116,E1"), Ref("116,G1")},
       {}, ""},
      {"Pentecost", 2026, 5, 31, New, "Pentecost" + NL2 + "VESPERS" + Ref("126,V1"),
       {Ref("126,V3"), NL3 + "MATINS" + NL2 + "John 20:19-23" + NL2 + "     ", NL3 + "LITURGY" + Ref("126,E1")},
       {}, ""},
      {"All Saints", 2026, 6, 7, New,
       "1st Sunday after Pentecost\r\nSunday of All Saints" + NL2 + "VESPERS" + Ref("133,V1"),
       {NL2 + "Wisdom 3:1-9" + NL2 + "     But the souls of the righteous are in the hand of God", Ref("133,V3"),
        NL3 + "MATINS (I)" + NL2 + "Matthew 28:16-20", NL3 + "LITURGY" + Ref("133,E1"), Ref("133,G1")},
       {}, ""},
      {"Sunday of All Saints of Russia", 2026, 6, 14, New, "2nd Sunday after Pentecost" + NL2 + "MATINS (II)",
       {NL3 + "LITURGY" + Ref("140,E1"), Ref("140,G1"),
        NL3 + "Sunday of All Saints of Russia" + NL2 + "VESPERS" + Ref("140,V1"), Ref("140,V3"),
        NL3 + "LITURGY" + Ref("140,E2"), Ref("140,G2")},
       {}, ""},
      {"Second Sunday of Lent", 2026, 3, 8, New, "Second Sunday of Great Lent" + NL2 + "MATINS (",
       {NL3 + "LITURGY OF ST. BASIL" + Ref("42,E1"), Ref("42,G1"),
        NL3 + "Commemoration of St. Gregory Palamas" + Ref("42,E2"), Ref("42,G2")},
       {}, ""},
      {"Lenten Wednesday", 2026, 2, 25, New, "Wednesday" + NL2 + "SIXTH HOUR" + Ref("31,6H"),
       {NL3 + "VESPERS" + Ref("31,V1"), Ref("31,V2")}, {"31,V3"}, NL3 + "LITURGY OF THE PRESANCTIFIED GIFTS"},
      {"Lenten Tuesday", 2026, 3, 10, New, "Tuesday" + NL2 + "SIXTH HOUR" + Ref("44,6H"), {}, {},
       NL3 + "NO LITURGY"},
      {"Lenten Monday on 9 March", 2026, 3, 9, New, "Monday" + NL2 + "SIXTH HOUR" + Ref("43,6H"),
       {NL3 + "VESPERS" + Ref("43,V1"), Ref("43,V2")}, {"NO LITURGY"},
       NL3 + "LITURGY OF THE PRESANCTIFIED GIFTS"},
      {"Great Wednesday", 2026, 4, 8, New, "Passion Week: Great Wednesday" + NL2 + "MATINS" + NL2 + "John 12:17-50",
       {NL3 + "SIXTH HOUR" + Ref("73,6H"), NL3 + "VESPERS" + Ref("73,V1"), Ref("73,V2"),
        NL3 + "LITURGY OF THE PRESANCTIFIED GIFTS" + Ref("73,G1")},
       {}, ""},
      {"Monday after Zacchaeus Sunday", 2026, 1, 26, New, "Monday" + NL2 + "LITURGY" + Ref("358,E1"),
       {Ref("358,G1")}, {}, ""},
  };
  for (const PageCase& c : cases) Check(c);
  // Great Friday reads three Vespers readings; Holy Saturday sixteen.
  EXPECT_EQ(ReadingHeadings(Between(Page(2026, 4, 10, New), NL3 + "VESPERS", "NO LITURGY")).size(), 3u);
  EXPECT_EQ(ReadingHeadings(Between(Page(2026, 4, 11, New), NL3 + "VESPERS", "LITURGY OF")).size(), 16u);
  EXPECT_EQ(Count(Page(2026, 4, 10, New), "Chapter "), 5u);  // only the first Passion Gospel is headed
}

TEST_F(DailyReadingsTest, FixedFeasts) {
  const std::string theophanyEve = "Eve of the Theophany" + NL2;
  const PageCase cases[] = {
      {"Monday 5 January", 2026, 1, 5, New,
       theophanyEve + "ROYAL HOURS" + NL2 + "FIRST HOUR" + NL2 + "Isaiah 35:1-10" + NL2,
       {NL3 + "VESPERS" + Ref("01/05,V1"), Ref("01/05,V13"), NL3 + "LITURGY OF ST. BASIL" + Ref("01/05,E1"),
        Ref("01/05,G1"), NL3 + "BLESSING OF THE WATERS" + Ref("01/05,BW1"), Ref("01/05,BW4")},
       {"MATINS", "Monday"}, ""},
      {"Sunday 5 January", 2025, 1, 5, New, theophanyEve + "VESPERS" + Ref("01/05,V1"),
       {NL3 + "LITURGY OF ST. JOHN CHRYSOSTOM" + Ref("01/05,E1"), NL3 + "BLESSING OF THE WATERS",
        Ref("01/05,BW5"), NL3 + "For 28th Sunday after Pentecost" + NL2 + "MATINS (",
        NL3 + "LITURGY" + Ref("322,E1"), NL3 + "For Sunday Before the Theophany" + NL2 + "LITURGY" +
        Ref("SunBefTheo,E1")},
       {"ROYAL HOURS"}, ""},
      {"Friday 3 January before a Sunday Eve", 2025, 1, 3, New,
       "Forefeast of the Theophany" + NL2 + "ROYAL HOURS" + NL2 + "FIRST HOUR" + Ref("TheoRH,1H1"),
       {NL2 + "NINTH HOUR" + Ref("TheoRH,9H1"), Ref("TheoRH,9H3")}, {"LITURGY", "Friday", "VESPERS"}, ""},
      {"Saturday 25 December", 2027, 12, 25, New,
       "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ" + NL2 + "MATINS" +
           Ref("12/25,M1"),
       {NL3 + "LITURGY OF ST. BASIL" + Ref("12/25,E1"), Ref("12/25,G1")}, {"VESPERS", "Saturday"}, ""},
      {"Wednesday 25 December", 2024, 12, 25, New,
       "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ" + NL2 + "MATINS",
       {NL3 + "LITURGY OF ST. JOHN CHRYSOSTOM" + Ref("12/25,E1")}, {"VESPERS", "Wednesday"}, ""},
      {"Sunday 20 December", 2026, 12, 20, New, "29th Sunday after Pentecost" + NL2 + "MATINS (",
       {NL3 + "For Sunday before the Nativity\r\nSunday of the Holy Fathers" + NL2 + "VESPERS" +
            Ref("SunBefNativ,V1"),
        Ref("SunBefNativ,V2"), Ref("SunBefNativ,V3"), NL3 + "LITURGY" + Ref("SunBefNativ,E1"),
        Ref("SunBefNativ,G1")},
       {"\r\nMATINS\r\n", Ref("329,E1")}, ""},
      {"Sunday 24 December", 2023, 12, 24, New, "The Eve of the Nativity of Christ" + NL2 + "VESPERS",
       {NL2 + "Baruch 3:36-4:4" + NL2, Ref("12/24,V8"), NL3 + "LITURGY OF ST. JOHN CHRYSOSTOM",
        NL3 + "For 29th Sunday after Pentecost" + NL2 + "MATINS (",
        NL3 + "For Sunday before the Nativity\r\nSunday of the Holy Fathers" + NL2 + "VESPERS",
        Ref("SunBefNativ,V3"), NL3 + "LITURGY" + Ref("SunBefNativ,E1")},
       {"ROYAL HOURS", Ref("329,E1")}, ""},
      {"Saturday 24 December", 2022, 12, 24, New, "The Eve of the Nativity of Christ" + NL2 + "VESPERS",
       {Ref("12/24,V8"), NL3 + "LITURGY OF ST. JOHN CHRYSOSTOM" + Ref("12/24,E1"),
        Ref("12/24,G1") + "", NL3 + "For Saturday before the Nativity" + NL2 + "LITURGY" + Ref("SatBefNativ,E1")},
       {"ROYAL HOURS", "For Saturday\r\n", "\r\nSaturday\r\n"}, ""},
      {"2 February on a Monday", 2026, 2, 2, New,
       "The Meeting of Our Lord, God and Saviour Jesus Christ" + NL2 + "VESPERS" + NL2 +
           "Exodus 12:51-13:3, 10-12, 14-16; 22:29; Leviticus 12:1-4, 6-8; Numbers 8:16-17" + NL2 +
           "     And it came to pass the selfsame day",
       {// Exodus, Leviticus and Numbers in one paragraph, one space between them
        "give unto me. And the LORD spake unto Moses, saying, Speak unto the children of Israel, saying, If a "
        "woman",
        "and she shall be clean. For they are wholly given unto me", Ref("02/02,V2"), NL3 + "MATINS" + Ref("02/02,M1"),
        NL3 + "LITURGY" + Ref("02/02,E1")},
       {"Monday"}, ""},
      {"Saturday 8 September", 2029, 9, 8, New,
       "The Nativity of Our Most Holy Lady the Theotokos and Ever-Virgin Mary" + NL2 + "VESPERS",
       {NL3 + "MATINS", NL3 + "LITURGY" + Ref("09/08,E1"), Ref("09/08,G1"),
        NL3 + "For Saturday before the Exaltation of the Cross" + NL2 + "LITURGY" + Ref("SatBefExal,E1")},
       {"For Saturday\r\n", "\r\nSaturday\r\n"}, ""},
      {"Thirtieth of January", 2026, 1, 30, New,
       "Synaxis of the Three Hierarchs: St. Basil the Great, St. Gregory the Theologian, and St. John "
       "Chrysostom" + NL2 + "VESPERS",
       {NL2 + "Wisdom", NL3 + "MATINS" + Ref("01/30,M1"), NL3 + "For Friday" + NL2 + "LITURGY"}, {}, ""},
  };
  for (const PageCase& c : cases) Check(c);
  // The Eve's Vespers of 5 January has thirteen readings, its Blessing of the
  // Waters five.
  const std::string eve = Page(2026, 1, 5, New);
  EXPECT_EQ(ReadingHeadings(Between(eve, NL3 + "VESPERS", "LITURGY OF")).size(), 13u);
  EXPECT_EQ(ReadingHeadings(Between(eve, "BLESSING OF THE WATERS", "")).size(), 5u);
  // The composite first reading of the Meeting is one paragraph, Numbers
  // included.
  const std::string meeting = Page(2026, 2, 2, New);
  const std::string_view first = Between(meeting, "     And it came to pass the selfsame day", "\r\n");
  EXPECT_NE(first.find("For they are wholly given unto me"), std::string_view::npos);
}

TEST_F(DailyReadingsTest, NeighbouringDaysAndTheOldCalendar) {
  const std::uint16_t tuesday30June = ZacchaeusID(DayOf(2026, 6, 30, New));
  const std::uint16_t tuesday14August = ZacchaeusID(DayOf(2029, 8, 14, New));
  const PageCase cases[] = {
      {"Tuesday after a feast on Monday", 2026, 6, 30, New, "Tuesday" + NL2 + "LITURGY",
       {NL2 + "From Monday:" + NL2 + "LITURGY" + Ref(std::to_string(tuesday30June - 1) + ",E1")}, {}, ""},
      {"Tuesday before a feast on Wednesday", 2029, 8, 14, New, "Tuesday" + NL2 + "LITURGY",
       {Ref(std::to_string(tuesday14August) + ",G1"),
        NL2 + "For Wednesday:" + NL2 + "LITURGY" + Ref(std::to_string(tuesday14August + 1) + ",E1"),
        Ref(std::to_string(tuesday14August + 1) + ",G1")},
       {}, ""},
      // Old calendar, 2037: the Annunciation (25 March) falls on Bright
      // Tuesday, 7 April on the New calendar.
      {"Annunciation on Bright Tuesday", 2037, 3, 25, Old,
       "The Annunciation of Our Most Holy Lady, the Theotokos and Ever-Virgin Mary" + NL2 + "VESPERS",
       {Ref("03/25,V5"), NL3 + "MATINS" + Ref("03/25,M1"), NL3 + "LITURGY" + Ref("03/25,E1")},
       {"Bright", Ref("79,E1")}, ""},
      {"Bright Monday before the Annunciation", 2037, 3, 24, Old, "Bright Monday" + NL2 + "LITURGY" + Ref("78,E1"),
       {NL2 + "For Tuesday:" + NL2 + "LITURGY" + Ref("79,E1"), Ref("79,G1")}, {"Annunciation"}, ""},
      // Old calendar, 2010: the Meeting on Clean Monday comes first and has the
      // only Liturgy of the day.
      {"Meeting on Clean Monday", 2010, 2, 2, Old,
       "The Meeting of Our Lord, God and Saviour Jesus Christ" + NL2 + "VESPERS",
       {NL3 + "LITURGY" + Ref("02/02,E1"), NL3 + "For Monday" + NL2 + "SIXTH HOUR" + Ref("29,6H"),
        NL3 + "VESPERS" + Ref("29,V1")},
       {"NO LITURGY"}, ""},
  };
  for (const PageCase& c : cases) Check(c);
}

TEST_F(DailyReadingsTest, VerseNumbers) {
  const std::string page = Page(2026, 4, 19, New, true);
  EXPECT_NE(page.find("Matthew 28:16-20" + NL2 + "     16 Then the eleven disciples"), std::string::npos);
  EXPECT_NE(page.find(" 20 Teaching them to observe all things"), std::string::npos);
}

// The three Bible files are looked for in the order New Testament, Old
// Testament, Apocrypha; the first one missing is the whole page, whatever
// the day needs, and the reader is left as it was.
TEST_F(DailyReadingsTest, MissingBibleFiles) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("kal_missing_bible_" + std::to_string(::getpid()));
  const char* const files[] = {"NewTstmt.dat", "OldTstmt.dat", "Apoc.dat"};
  const std::string messages[] = {kNewTestamentMissing, kOldTestamentMissing, kApocryphaMissing};
  EXPECT_EQ(messages[0],
            "The file containing the New Testament readings, < NewTstmt.dat >, is damaged or missing from the "
            "application directory. Please replace the file or reinstall the Kalendra program.");
  EXPECT_EQ(messages[2],
            "The file containing the Apocrypha readings, < Apoc.dat >, is damaged or missing from the application "
            "directory. Please replace the file or reinstall the Kalendra program.");
  for (int present = 0; present < 8; ++present) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (int f = 0; f < 3; ++f)
      if (present & (1 << f)) std::filesystem::create_symlink(BinDir() / files[f], folder / files[f]);
    BibleReader reader(folder);
    ReadingsOptions options;
    // Thomas Sunday reads only the New Testament.
    const std::string page = GetDailyReadings(reader, DayOf(2026, 4, 19, New), options);
    SCOPED_TRACE(present);
    int missing = 0;
    while (missing < 3 && (present & (1 << missing))) ++missing;
    if (missing == 3) {
      EXPECT_TRUE(page.starts_with("2nd Sunday of Pascha"));
      EXPECT_TRUE(OnNewTestament(reader, folder));
    } else {
      EXPECT_EQ(page, messages[missing]);
      EXPECT_FALSE(reader.IsOpen());
    }
  }
  std::filesystem::remove_all(folder);
}

// A Bible file that is there but empty, or that is no file at all, counts as
// missing: the page is its message, not headings without text.
TEST_F(DailyReadingsTest, EmptyOrUnreadableBibleFilesCountAsMissing) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("kal_empty_bible_" + std::to_string(::getpid()));
  const char* const files[] = {"NewTstmt.dat", "OldTstmt.dat", "Apoc.dat"};
  const std::string messages[] = {kNewTestamentMissing, kOldTestamentMissing, kApocryphaMissing};
  for (int broken = 0; broken < 3; ++broken)
    for (bool directory : {false, true}) {
      std::filesystem::remove_all(folder);
      std::filesystem::create_directories(folder);
      for (int f = 0; f < 3; ++f) {
        if (f != broken)
          std::filesystem::create_symlink(BinDir() / files[f], folder / files[f]);
        else if (directory)
          std::filesystem::create_directory(folder / files[f]);
        else
          std::ofstream(folder / files[f]);
      }
      SCOPED_TRACE(std::string(files[broken]) + (directory ? " (a folder)" : " (empty)"));
      BibleReader reader(folder);
      ReadingsOptions options;
      EXPECT_EQ(GetDailyReadings(reader, DayOf(2026, 4, 19, New), options), messages[broken]);
    }
  std::filesystem::remove_all(folder);
}

// Holy Saturday's Matins Epistle names two books; both are read.
TEST_F(DailyReadingsTest, HolySaturdayMatinsReadsBothBooksOfItsEpistle) {
  for (CalendarMode mode : {New, Old}) {
    // 11 April 2026 civil, 29 March on the Julian calendar.
    const std::string page = mode == New ? Page(2026, 4, 11, New) : Page(2026, 3, 29, Old);
    const std::string_view epistle = Between(page, "1 Corinthians 5:6-8; Galatians 3:13-14", "Matthew 27:62-66");
    EXPECT_NE(epistle.find("Your glorying is not good"), std::string_view::npos);
    EXPECT_NE(epistle.find("Christ hath redeemed us from the curse of the law"), std::string_view::npos);
    EXPECT_NE(epistle.find("that we might receive the promise of the Spirit through faith"), std::string_view::npos);
  }
}

// The Fathers of the First Six Councils are kept on the Sunday of 13 to 19
// July of the calendar in force; day 189 of the cycle is an ordinary Sunday.
TEST_F(DailyReadingsTest, FathersOfTheSixCouncilsOnTheirJulySunday) {
  const std::string fathers = "Commemoration of the Holy Fathers of the First Six Ecumenical Councils";
  // New calendar, 2026: Sunday 19 July; day 189 falls on 2 August.
  const PageCase cases[] = {
      {"Sunday 19 July", 2026, 7, 19, New, "7th Sunday after Pentecost" + NL2 + "MATINS (",
       {NL3 + "LITURGY" + Ref(std::to_string(ZacchaeusID(DayOf(2026, 7, 19, New))) + ",E1"),
        NL3 + fathers + NL2 + "VESPERS" + Ref("189,V1"), Ref("189,V2"), Ref("189,V3"),
        NL3 + "LITURGY" + Ref("189,E2"), Ref("189,G2")},
       {}, ""},
      {"Day 189, Sunday 2 August", 2026, 8, 2, New, "9th Sunday after Pentecost" + NL2 + "MATINS (",
       {NL3 + "LITURGY" + Ref("189,E1"), Ref("189,G1")}, {fathers, "VESPERS", Ref("189,E2")}, ""},
      // Old calendar, 2025: Sunday 14 July (27 July civil).
      {"Old calendar, Sunday 14 July", 2025, 7, 14, Old, "7th Sunday after Pentecost",
       {NL3 + fathers + NL2 + "VESPERS" + Ref("189,V1"), NL3 + "LITURGY" + Ref("189,E2")}, {}, ""},
  };
  for (const PageCase& c : cases) Check(c);
  EXPECT_EQ(ZacchaeusID(DayOf(2026, 8, 2, New)), 189);
}

}  // namespace
}  // namespace kal
