#include <gtest/gtest.h>

#include <string>

#include "test_dates.h"

namespace kal {
namespace {

using test::NewDay;

struct InfoCase {
  int month, day;
  const char* text;
};

TEST(InfoTextTest, Examples2020) {
  // New Calendar, Pascha on 19 April 2020.
  for (const InfoCase c : {
           InfoCase{2, 2, "33rd Sunday after Pentecost (Zacchaeus Sunday)   Tone 8"},
           InfoCase{2, 3, "34th Week after Pentecost   Tone 8"},
           InfoCase{2, 7, "34th Week after Pentecost   Tone 8   Fast Day"},
           InfoCase{2, 29, "Week of the Last Judgement   Tone 3   Cheese-fare Week"},
           InfoCase{4, 11, "Lazarus Saturday   Tone 1   Caviar, wine and oil allowed"},
           InfoCase{4, 12, "The Entry of the Lord into Jerusalem - Palm Sunday   Fish, wine and oil allowed"},
           InfoCase{4, 17, "Passion Week: Great Friday"},
           InfoCase{4, 19, "The Bright Resurrection of Christ, The Pascha of the Lord"},
           InfoCase{4, 25, "Bright Saturday   Fast Free Week"},
           InfoCase{4, 26, "Second Sunday of Pascha (Thomas Sunday)   Tone 1"},
           InfoCase{5, 13, "Mid-Pentecost   Tone 3   Fast Day   Fish, wine and oil allowed"},
           InfoCase{6, 7, "Pentecost - Trinity Sunday"},
           InfoCase{6, 9, "Third day of the Holy Trinity   Tone 7   Fast Free Week"},
           InfoCase{6, 10, "Afterfeast of Pentecost   Tone 7   Fast Free Week"},
           InfoCase{6, 13, "Apodosis of Pentecost   Tone 7   Fast Free Week"},
           InfoCase{6, 14, "1st Sunday after Pentecost (Sunday of All Saints)   Tone 8"},
           InfoCase{6, 21, "2nd Sunday after Pentecost   Tone 1   Apostles' Fast   Fish, wine and oil allowed"},
       })
    EXPECT_EQ(InfoText(NewDay(2020, c.month, c.day), CalendarMode::New), c.text) << c.month << "/" << c.day;
}

TEST(DayNameIdTest, ChoosesTheRightGroup) {
  struct Case { YearMonthDay date; std::uint16_t id; };
  for (const Case c : {Case{{2020, 2, 2}, 1851},   // Zacchaeus Sunday: a Sunday after Pentecost
                       Case{{2020, 2, 8}, 1951},   // its week: a week after Pentecost
                       Case{{2020, 2, 29}, 1427},  // Cheese-fare Saturday, a named day
                       Case{{2020, 2, 28}, 1903},
                       Case{{2020, 4, 18}, 1476},
                       Case{{2020, 6, 8}, 1527},
                       Case{{2020, 6, 10}, 1918},
                       Case{{2020, 6, 11}, 1918},
                       Case{{2020, 6, 12}, 1918},
                       Case{{2020, 6, 13}, 1532},
                       Case{{2020, 6, 15}, 1919}}) {
    const SelectedDay day = MakeSelectedDay(EncodeDate(c.date), CalendarMode::New);
    EXPECT_EQ(DayNameId(day), c.id) << c.date.month << "/" << c.date.day;
  }
}

TEST(DayNameTest, GeneratedOrdinalsAndGaps) {
  struct Case { std::uint16_t id; const char* text; };
  for (const Case c : {Case{1819, "1st Sunday after Pentecost (Sunday of All Saints)"},
                       Case{1820, "2nd Sunday after Pentecost"}, Case{1821, "3rd Sunday after Pentecost"},
                       Case{1822, "4th Sunday after Pentecost"}, Case{1829, "11th Sunday after Pentecost"},
                       Case{1830, "12th Sunday after Pentecost"}, Case{1831, "13th Sunday after Pentecost"},
                       Case{1839, "21st Sunday after Pentecost"}, Case{1840, "22nd Sunday after Pentecost"},
                       Case{1841, "23rd Sunday after Pentecost"}, Case{1855, "37th Sunday after Pentecost"},
                       Case{1918, "Afterfeast of Pentecost"}, Case{1919, "2nd Week after Pentecost"},
                       Case{1938, "21st Week after Pentecost"}, Case{1955, "38th Week after Pentecost"},
                       Case{1524, "Apososis of the Ascension"}, Case{1901, "Week of the Publican and the Pharasee"},
                       Case{1908, "Fifth Week of Great lent"}})
    EXPECT_EQ(DayName(c.id).value_or("<missing>"), c.text) << c.id;

  for (std::uint16_t missing : {1400, 1419, 1470, 1477, 1800, 1856, 1900, 1910, 1911, 1956})
    EXPECT_FALSE(DayName(missing).has_value()) << missing;

  EXPECT_EQ(EnglishOrdinal(101), "101st");
  EXPECT_EQ(EnglishOrdinal(111), "111th");
  EXPECT_EQ(EnglishOrdinal(112), "112th");
  EXPECT_EQ(EnglishOrdinal(123), "123rd");
}

// Month names of a second language, to show the texts come through the interface.
class GermanNames : public DateNames {
 public:
  std::string MonthName(int month) const override { return month == 12 ? "Dezember" : "Monat"; }
  std::string WeekdayName(int weekday) const override { return weekday == 5 ? "Donnerstag" : "Tag"; }
};

TEST(DateTitleTest, BothCalendars) {
  const SelectedDay pascha = NewDay(2020, 4, 19);
  EXPECT_EQ(DateTitle(pascha, CalendarMode::New), "Sunday, April 19, 2020");
  EXPECT_EQ(DateTitle(pascha, CalendarMode::Old), "Sunday, April 6, 2020");

  const SelectedDay nativity = NewDay(2021, 1, 7);  // Julian 25 December 2020
  EXPECT_EQ(DateTitle(nativity, CalendarMode::Old), "Thursday, December 25, 2020");
  EXPECT_EQ(DateTitle(nativity, CalendarMode::New), "Thursday, January 7, 2021");
  EXPECT_EQ(MonthText(nativity, CalendarMode::Old), "December");
  EXPECT_EQ(YearText(nativity, CalendarMode::Old), "2020");
  EXPECT_EQ(MonthText(nativity, CalendarMode::New), "January");
  EXPECT_EQ(YearText(nativity, CalendarMode::New), "2021");
  EXPECT_EQ(DateTitle(nativity, CalendarMode::Old, GermanNames()), "Donnerstag, Dezember 25, 2020");
}

TEST(SubstituteIconKeyTest, MovableSeasonsComeFirst) {
  struct Case { std::uint16_t a, key, icon; };
  for (const Case c : {Case{69, 411, 411}, {70, 102, 1}, {71, 413, 413}, {75, 417, 2}, {76, 418, 418},
                       {77, 419, 3}, {115, 527, 3}, {116, 528, 4}, {124, 605, 4}, {125, 606, 5},
                       {132, 613, 5}, {133, 614, 614}})
    EXPECT_EQ(SubstituteIconKey(c.a, c.key), c.icon) << c.a;
}

TEST(SubstituteIconKeyTest, ForefeastsAndAfterfeasts) {
  struct Case { std::uint16_t key, icon; };
  const std::uint16_t a = 300;  // an ordinary day of the movable cycle
  for (const Case c : {Case{101, 101}, {102, 106}, {105, 106}, {106, 106}, {107, 106}, {114, 106},
                       {115, 115}, {127, 1113}, {128, 128}, {129, 1220}, {201, 202}, {202, 202},
                       {203, 202}, {207, 202}, {208, 208}, {224, 107}, {324, 325}, {325, 325},
                       {525, 107}, {713, 326}, {719, 102}, {802, 1227}, {804, 804}, {805, 806},
                       {806, 806}, {807, 806}, {813, 806}, {814, 815}, {815, 815}, {816, 815},
                       {823, 815}, {824, 824}, {906, 906}, {907, 908}, {908, 908}, {909, 908},
                       {912, 908}, {913, 914}, {914, 914}, {915, 914}, {921, 914}, {922, 922},
                       {923, 107}, {1119, 1119}, {1120, 1121}, {1121, 1121}, {1122, 1121},
                       {1125, 1121}, {1126, 1126}, {1219, 1219}, {1220, 1225}, {1224, 1225},
                       {1225, 1225}, {1226, 1225}, {1231, 1225}})
    EXPECT_EQ(SubstituteIconKey(a, c.key), c.icon) << c.key;
}

}  // namespace
}  // namespace kal
