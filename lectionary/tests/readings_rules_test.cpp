// The readings builders' tables and rules, without Bible files: the service
// and Matins Gospel tables, the names of days, the Gospel rotation, and how
// a fixed feast meets the movable day.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calendar/calendar.h"
#include "fixed_readings.h"
#include "movable_readings.h"

namespace kal {
namespace {

TEST(DailyServiceTable, RowsAndServices) {
  const auto rows = DailyServiceTable();
  ASSERT_EQ(rows.size(), 184u);
  EXPECT_EQ(rows.front().Day, 0);
  EXPECT_EQ(rows[1].Day, 7);
  EXPECT_EQ(rows.back().Day, 189);
  std::map<std::string, int> names;
  int commemorations = 0;
  for (std::size_t i = 2; i < rows.size(); ++i) EXPECT_EQ(rows[i].Day, rows[i - 1].Day + 1) << i;
  for (const DailyServiceRow& row : rows) {
    ++names[row.Name];
    commemorations += row.Commemoration;
  }
  EXPECT_EQ(names["No Liturgy"], 20);
  EXPECT_EQ(names["Liturgy of the Presanctified Gifts"], 16);
  EXPECT_EQ(names["Liturgy of St. Basil"], 4);
  EXPECT_EQ(names["Commemoration of the Dead"], 6);
  EXPECT_EQ(commemorations, 15);
  EXPECT_EQ(names["Liturgy"], 184 - 20 - 16 - 4 - 15);

  EXPECT_EQ(FindDailyService(42)->Name, "Commemoration of St. Gregory Palamas");
  EXPECT_TRUE(FindDailyService(140)->Commemoration);
  EXPECT_EQ(FindDailyService(75)->Name, "No Liturgy");
  EXPECT_EQ(FindDailyService(358)->Name, "Liturgy");  // past the table: a plain Liturgy
  EXPECT_FALSE(FindDailyService(358)->Commemoration);
  EXPECT_FALSE(FindDailyService(3).has_value());
}

TEST(MatinsGospelTable, NumbersAndTitles) {
  const auto rows = MatinsGospelTable();
  ASSERT_EQ(rows.size(), 32u);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].Number, i + 1);
  EXPECT_STREQ(rows[0].Title, "MATINS (I)\r\n\r\nMatthew 28:16-20");
  EXPECT_STREQ(rows[10].Title, "MATINS (XI)\r\n\r\nJohn 21:15-25");
  EXPECT_STREQ(rows[17].Title, "MATINS\r\n\r\nTHE TWELVE PASSION GOSPELS\r\n\r\n(1) John 13:31-17:26");
  EXPECT_STREQ(rows[28].Title, "(12) Matthew 27:62-66");
  EXPECT_STREQ(rows[31].Title, "MATINS\r\n\r\nJohn 20:19-23");
}

// Day values of a date in 2026 on the New calendar (Pascha 12 April).
DayValues Values2026(int month, int day) {
  return MakeDayValues(MakeSelectedDay(EncodeDate(2026, month, day), CalendarMode::New), CalendarMode::New, false);
}

TEST(DayValues, TakenFromTheSelectedDay) {
  const DayValues pascha = Values2026(4, 12);
  EXPECT_EQ(pascha.LectionaryDay, 77);
  EXPECT_EQ(pascha.Weekday, 1);
  EXPECT_EQ(pascha.DateKey, "04/12");
  // The week after Zacchaeus Sunday (25 January 2026) continues the cycle
  // of 2025, whose Zacchaeus Sunday was 2 February 2025.
  EXPECT_EQ(Values2026(1, 25).LectionaryDay, 0);
  EXPECT_EQ(Values2026(1, 26).LectionaryDay, 358);
  EXPECT_EQ(Values2026(1, 31).LectionaryDay, 363);
  EXPECT_EQ(Values2026(2, 1).LectionaryDay, 7);
  // Old Calendar mode keys the day by its Julian date.
  const SelectedDay old = MakeSelectedDay(EncodeDate(2026 + 16, 1, 7), CalendarMode::Old);
  const DayValues oldValues = MakeDayValues(old, CalendarMode::Old, true);
  EXPECT_EQ(oldValues.DateKey, "01/07");
  EXPECT_TRUE(oldValues.OldCalendar);
  EXPECT_TRUE(oldValues.VerseNumbers);
  EXPECT_EQ(DecodeDate(oldValues.NewDate), (YearMonthDay{2026, 1, 20}));
}

TEST(GetDayName, SundaysFeastsAndWeekdays) {
  const struct {
    int month, day;
    const char* name;
  } cases[] = {
      {1, 25, "Zacchaeus Sunday"},
      {2, 8, "Sunday of the Prodigan Son"},
      {2, 15, "Meat-fare Sunday"},
      {3, 29, "Fifth Sunday of Great Lent"},
      {4, 5, "Palm Sunday"},
      {4, 6, "Passion Week: Great Monday"},
      {4, 11, "Great and Holy Saturday"},
      {4, 12, "Pascha"},
      {4, 13, "Bright Monday"},
      {4, 18, "Bright Saturday"},
      {4, 19, "2nd Sunday of Pascha"},
      {5, 6, "Wednesday\r\nMid-Pentecost"},
      {5, 21, "Thursday\r\nThe Ascension of Our Lord"},
      {5, 31, "Pentecost"},
      {6, 1, "Monday"},
      {6, 7, "1st Sunday after Pentecost\r\nSunday of All Saints"},
      {6, 14, "2nd Sunday after Pentecost"},
      {6, 21, "3rd Sunday after Pentecost"},
      {6, 28, "4th Sunday after Pentecost"},
      {8, 16, "11th Sunday after Pentecost"},
      {8, 23, "12th Sunday after Pentecost"},
      {10, 25, "21st Sunday after Pentecost"},
      {11, 1, "22nd Sunday after Pentecost"},
      {11, 8, "23rd Sunday after Pentecost"},
      {11, 15, "24th Sunday after Pentecost"},
      {12, 20, "29th Sunday after Pentecost"},
      {12, 26, "Saturday"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetDayName(Values2026(c.month, c.day)), c.name) << c.month << "/" << c.day;
  // The last Sundays of a long cycle (Pascha 2027 is 2 May).
  const auto late = [](int year, int month, int day) {
    return GetDayName(MakeDayValues(MakeSelectedDay(EncodeDate(year, month, day), CalendarMode::New),
                                    CalendarMode::New, false));
  };
  EXPECT_EQ(late(2027, 1, 3), "31st Sunday after Pentecost");
  EXPECT_EQ(late(2027, 1, 10), "32nd Sunday after Pentecost");
  EXPECT_EQ(late(2027, 1, 17), "33rd Sunday after Pentecost");
  EXPECT_EQ(late(2027, 2, 7), "36th Sunday after Pentecost");
}

TEST(MatinsGospelNumber, HolyWeekToPentecostAndTheRotation) {
  const struct {
    int month, day, gospel;
  } cases[] = {
      {4, 5, 12},  {4, 6, 14},  {4, 10, 18}, {4, 11, 30}, {4, 12, 0}, {4, 13, 0}, {4, 19, 1},
      {4, 26, 3},  {5, 21, 31}, {5, 24, 10}, {5, 31, 32},
      // All Saints Sunday has the first Resurrection Gospel, and its week too;
      // eleven weeks later the rotation starts again.
      {6, 7, 1},   {6, 10, 1},  {6, 14, 2},  {8, 16, 11}, {8, 23, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatinsGospelNumber(Values2026(c.month, c.day)), c.gospel) << c.month << "/" << c.day;
  // Zacchaeus Sunday goes on from the Sunday before it, through the year's end.
  EXPECT_EQ(MatinsGospelNumber(Values2026(1, 25)), MatinsGospelNumber(Values2026(1, 18)) % 11 + 1);
}

struct RuleCase {
  const char* dateKey;
  int weekday;
  std::uint16_t d;
  bool old;
  bool replaces, precedes, follows, next, previous;
  const char* fixedKey;
  const char* followingKey;
};

TEST(FixedFeastRules, HowAFeastMeetsTheDay) {
  constexpr int Sun = 1, Mon = 2, Tue = 3, Wed = 4, Thu = 5, Fri = 6, Sat = 7;
  const RuleCase cases[] = {
      // key     weekday d   old    repl   prec   foll   next   prev   fixed key         following key
      {"06/24", Mon, 150, false, true, false, false, false, false, "06/24", ""},
      {"06/24", Sun, 154, false, false, true, false, false, false, "06/24", ""},
      {"06/23", Fri, 148, false, false, false, false, true, false, "06/23", ""},
      {"06/25", Tue, 150, false, false, false, false, false, true, "06/25", ""},
      {"06/25", Wed, 150, false, false, false, false, false, false, "06/25", ""},
      {"09/08", Sat, 230, false, false, true, true, false, false, "09/08", "SatBefExal"},
      {"09/08", Sun, 203, false, false, true, true, false, false, "09/08", "SunBefExal"},
      {"09/14", Sun, 210, false, true, false, false, false, false, "09/14", ""},
      {"01/01", Sun, 322, false, false, true, true, false, false, "01/01", "SunBefTheo"},
      {"01/02", Thu, 320, false, false, false, false, true, false, "01/02", ""},
      {"01/03", Fri, 320, false, true, false, false, false, false, "TheoRH", ""},
      {"01/04", Thu, 320, false, false, false, false, true, false, "01/04", ""},
      {"01/04", Fri, 320, false, true, false, false, false, false, "TheoRH", ""},
      {"01/05", Mon, 337, false, true, false, false, false, false, "01/05", ""},
      {"01/05", Sat, 337, false, false, true, true, false, false, "01/05", "SatBefTheo"},
      {"01/05", Sun, 322, false, false, true, true, false, false, "01/05", "SunBefTheo"},
      {"01/06", Sat, 337, false, true, false, false, false, false, "01/06", ""},
      {"01/10", Sun, 330, false, false, false, true, false, false, "01/10", "SunAftTheo"},
      {"12/14", Sun, 322, false, true, false, false, false, false, "SecSunBefNativ", ""},
      {"12/20", Sun, 329, false, true, false, false, false, false, "SunBefNativ", ""},
      {"12/22", Fri, 327, false, true, false, false, false, false, "NativRH", ""},
      {"12/24", Sun, 329, false, false, true, true, false, false, "12/24", "SunBefNativ"},
      {"12/24", Sat, 321, false, false, true, true, false, false, "12/24", "SatBefNativ"},
      {"12/24", Wed, 325, false, true, false, false, false, false, "12/24", ""},
      {"12/28", Sun, 329, false, true, false, false, false, false, "SunAftNativ", ""},
      {"12/28", Sat, 328, false, false, false, true, false, false, "12/28", "SatAftNativ"},
      {"02/02", Mon, 8, false, true, false, false, false, false, "02/02", ""},
      {"02/02", Sun, 14, false, false, true, false, false, false, "02/02", ""},
      {"02/01", Fri, 13, false, false, false, false, true, false, "02/01", ""},
      {"02/03", Tue, 9, false, false, false, false, false, true, "02/03", ""},
      {"03/25", Wed, 45, false, false, true, false, false, false, "03/25", ""},
      // Old calendar: the Meeting in Cheese-fare week and on Clean Monday,
      // the Annunciation in Bright Week and on Pascha.
      {"02/02", Mon, 29, true, false, true, false, false, false, "02/02", ""},
      {"02/02", Wed, 24, true, false, true, false, false, false, "02/02", ""},
      {"02/02", Mon, 8, true, true, false, false, false, false, "02/02", ""},
      {"02/01", Tue, 23, true, false, false, false, false, false, "02/01", ""},
      {"02/01", Tue, 16, true, false, false, false, true, false, "02/01", ""},
      {"02/03", Tue, 30, true, false, false, false, false, false, "02/03", ""},
      {"02/03", Tue, 9, true, false, false, false, false, true, "02/03", ""},
      {"03/24", Mon, 78, true, false, false, false, true, false, "03/24", ""},
      {"03/25", Tue, 79, true, true, false, false, false, false, "03/25", ""},
      {"03/25", Sun, 77, true, false, false, true, false, false, "03/25", "03/25"},
      {"03/25", Thu, 81, true, false, true, false, false, false, "03/25", ""},
      {"03/26", Tue, 79, true, false, false, false, false, true, "03/26", ""},
  };
  for (const RuleCase& c : cases) {
    DayValues day;
    day.DateKey = c.dateKey;
    day.Weekday = c.weekday;
    day.LectionaryDay = c.d;
    day.OldCalendar = c.old;
    SCOPED_TRACE(std::string(c.dateKey) + " weekday " + std::to_string(c.weekday) + " d " + std::to_string(c.d) +
                 (c.old ? " Old" : " New"));
    EXPECT_EQ(FeastReplacesDay(day), c.replaces);
    EXPECT_EQ(FeastPrecedesDay(day), c.precedes);
    EXPECT_EQ(FeastFollowsDay(day), c.follows);
    EXPECT_EQ(ReadsNextDay(day), c.next);
    EXPECT_EQ(ReadsPreviousDay(day), c.previous);
    EXPECT_EQ(FixedKeyOfDay(day), c.fixedKey);
    EXPECT_EQ(FollowingFixedKey(day), c.followingKey);
  }
}

TEST(FixedFeastTable, KeysAndTitles) {
  const auto rows = FixedFeastTable();
  ASSERT_EQ(rows.size(), 33u);
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = i + 1; j < rows.size(); ++j) EXPECT_STRNE(rows[i].Key, rows[j].Key);
  EXPECT_STREQ(FindFixedFeast("SunBefNativ")->Title, "For Sunday before the Nativity\r\nSunday of the Holy Fathers");
  EXPECT_STREQ(FindFixedFeast("TheoRH")->Title, "Forefeast of the Theophany");
  EXPECT_EQ(FindFixedFeast("12/26"), nullptr);
}

TEST(ReadingsErrors, TextsInPlaceOfSections) {
  BibleReader reader;  // no file: nothing is read
  DayValues day = Values2026(4, 13);  // Bright Monday: no Matins Gospel
  ReadingsContext context(reader, day);
  EXPECT_EQ(GetMatinsGospelVerses(context), "  An error occured in the GetMatinsGospelVerses function");
  EXPECT_EQ(GetFixedInfo(context, "12/26"), "  An error occured in the GetFixedInfo function");
  context.Day().LectionaryDay = 3;  // never a day of the cycle
  EXPECT_EQ(GetDailyInfo(context), "  An error occured in the GetDailyInfo function");
  context.Day().LectionaryDay = 400;  // no readings: every lookup reports itself
  EXPECT_EQ(GetDailyInfo(context),
            "LITURGY  An error occured in the GetReadingInfo function  An error occured in the GetReadingInfo "
            "function");
}

}  // namespace
}  // namespace kal
