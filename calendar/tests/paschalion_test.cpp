#include <gtest/gtest.h>

#include "test_dates.h"

namespace kal {
namespace {

using test::D;

TEST(PaschaTest, KnownDates) {
  struct Case { int year; YearMonthDay pascha; };
  for (const Case c : {Case{1900, {1900, 4, 22}}, {1983, {1983, 5, 8}}, {1990, {1990, 4, 15}},
                       {2000, {2000, 4, 30}}, {2002, {2002, 5, 5}}, {2010, {2010, 4, 4}},
                       {2011, {2011, 4, 24}}, {2020, {2020, 4, 19}}, {2021, {2021, 5, 2}},
                       {2024, {2024, 5, 5}}, {2025, {2025, 4, 20}}})
    EXPECT_EQ(DecodeDate(PaschaOfYear(c.year)), c.pascha) << c.year;
}

TEST(PaschaTest, IsASundayBetween4AprilAnd8MayAndNeverBeforeWesternEaster) {
  for (int y = 1900; y <= 2099; ++y) {
    const DayNumber p = PaschaOfYear(y);
    EXPECT_EQ(DayOfWeek(p), 1) << y;
    EXPECT_GE(p, D(y, 4, 4)) << y;
    EXPECT_LE(p, D(y, 5, 8)) << y;
    EXPECT_GE(p, WesternEasterOfYear(y)) << y;
  }
}

TEST(PaschaTest, StaysOnASundayWhereTheCalendarsAreNot13DaysApart) {
  for (int y = 1583; y <= 4099; ++y) EXPECT_EQ(DayOfWeek(PaschaOfYear(y)), 1) << y;
  EXPECT_EQ(DecodeDate(PaschaOfYear(1800)), (YearMonthDay{1800, 4, 20}));  // Julian 8 April
  EXPECT_EQ(DecodeDate(PaschaOfYear(2100)), (YearMonthDay{2100, 5, 2}));   // Julian 18 April
}

TEST(WesternEasterTest, KnownDatesAndBounds) {
  struct Case { int year; YearMonthDay easter; };
  for (const Case c : {Case{1818, {1818, 3, 22}}, {1943, {1943, 4, 25}}, {2000, {2000, 4, 23}},
                       {2008, {2008, 3, 23}}, {2011, {2011, 4, 24}}, {2019, {2019, 4, 21}},
                       {2024, {2024, 3, 31}}, {2285, {2285, 3, 22}}})
    EXPECT_EQ(DecodeDate(WesternEasterOfYear(c.year)), c.easter) << c.year;

  for (int y = 1583; y <= 4099; ++y) {
    const DayNumber e = WesternEasterOfYear(y);
    EXPECT_EQ(DayOfWeek(e), 1) << y;
    EXPECT_GE(e, D(y, 3, 22)) << y;
    EXPECT_LE(e, D(y, 4, 25)) << y;
  }
}

TEST(ChurchYearTest, TheFirstThirteenDaysOfJanuaryBelongToTheJulianYearBefore) {
  struct Case { YearMonthDay newDate; CalendarMode mode; int churchYear; YearMonthDay pascha; };
  for (const Case c : {Case{{2021, 1, 10}, CalendarMode::Old, 2020, {2020, 4, 19}},
                       Case{{2021, 1, 10}, CalendarMode::New, 2021, {2021, 5, 2}},
                       Case{{2021, 1, 13}, CalendarMode::Old, 2020, {2020, 4, 19}},
                       Case{{2021, 1, 14}, CalendarMode::Old, 2021, {2021, 5, 2}},
                       Case{{2020, 12, 31}, CalendarMode::New, 2020, {2020, 4, 19}},
                       Case{{2021, 1, 1}, CalendarMode::New, 2021, {2021, 5, 2}}}) {
    const SelectedDay day = MakeSelectedDay(EncodeDate(c.newDate), CalendarMode::New);
    SelectedDay inMode = day;
    ComputeAnchors(inMode, c.mode);
    EXPECT_EQ(ChurchYear(day, c.mode), c.churchYear);
    EXPECT_EQ(DecodeDate(inMode.Pascha), c.pascha);
    EXPECT_EQ(inMode.PrevPascha, PaschaOfYear(c.churchYear - 1));
    EXPECT_EQ(inMode.WesternEaster, WesternEasterOfYear(c.churchYear));
  }
}

TEST(ComputeAnchorsTest, SundaysDerivedFromPascha) {
  const SelectedDay day = test::NewDay(2020, 7, 1);
  EXPECT_EQ(day.ZacchaeusSunday, D(2020, 2, 2));
  EXPECT_EQ(day.ThomasSunday, D(2020, 4, 26));
  EXPECT_EQ(day.AllSaintsSunday, D(2020, 6, 14));
  EXPECT_EQ(day.PrevPascha, D(2019, 4, 28));
  EXPECT_EQ(day.PrevZacchaeusSunday, D(2019, 2, 10));
  EXPECT_EQ(day.PrevThomasSunday, D(2019, 5, 5));
  EXPECT_EQ(day.PrevAllSaintsSunday, D(2019, 6, 23));
  EXPECT_EQ(day.WesternEaster, D(2020, 4, 12));
}

TEST(ZacchaeusIDTest, Landmarks2020) {
  struct Case { int month, day, id; };
  for (const Case c : {Case{2, 2, 0}, {2, 9, 7}, {2, 16, 14}, {2, 22, 20}, {2, 23, 21}, {3, 1, 28},
                       {3, 2, 29}, {4, 11, 69}, {4, 12, 70}, {4, 13, 71}, {4, 18, 76}, {4, 19, 77},
                       {4, 26, 84}, {5, 13, 101}, {5, 27, 115}, {5, 28, 116}, {6, 7, 126},
                       {6, 14, 133},
                       // the day before Zacchaeus Sunday counts from 10 February 2019
                       {2, 1, 356}})
    EXPECT_EQ(ZacchaeusID(test::NewDay(2020, c.month, c.day)), c.id) << c.month << "/" << c.day;
}

TEST(WeekToneTest, EightWeekCycleFromThomasSunday) {
  struct Case { YearMonthDay date; int tone; };
  for (const Case c : {Case{{2020, 4, 26}, 1},  // Thomas Sunday
                       Case{{2020, 5, 2}, 1},   // its Saturday
                       Case{{2020, 5, 3}, 2},
                       Case{{2020, 6, 20}, 8},
                       Case{{2020, 6, 21}, 1},  // 56 days on
                       Case{{2020, 4, 25}, 3},  // Bright Saturday: still the cycle of 2019
                       Case{{2020, 2, 2}, 8},
                       Case{{2020, 5, 13}, 3}})
    EXPECT_EQ(WeekTone(MakeSelectedDay(EncodeDate(c.date), CalendarMode::New)), c.tone)
        << c.date.month << "/" << c.date.day;
}

}  // namespace
}  // namespace kal
