#include <gtest/gtest.h>

#include "test_dates.h"

namespace kal {
namespace {

using test::D;

TEST(IsLeapYearTest, OnlyTheLeapYearsOf1904To2096) {
  struct Case { int year; bool leap; };
  for (const Case c : {Case{1896, false}, {1900, false}, {1904, true}, {1999, false}, {2000, true},
                       {2084, true}, {2096, true}, {2100, false}, {2104, false}, {2400, false}})
    EXPECT_EQ(IsLeapYear(static_cast<std::uint16_t>(c.year)), c.leap) << c.year;

  int count = 0;
  for (int y = 0; y <= 0xFFFF; ++y) count += IsLeapYear(static_cast<std::uint16_t>(y));
  EXPECT_EQ(count, 49);
}

TEST(DayNumberTest, EncodesDecodesAndRejectsImpossibleDates) {
  EXPECT_EQ(D(1899, 12, 30), 0);
  EXPECT_EQ(D(2000, 1, 1), 36526);
  EXPECT_EQ(DayOfWeek(D(2000, 1, 1)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(D(2020, 4, 19)), 1);
  EXPECT_EQ(DecodeDate(36526), (YearMonthDay{2000, 1, 1}));
  EXPECT_THROW(D(2021, 2, 29), InvalidDate);
  EXPECT_THROW(D(2020, 13, 1), InvalidDate);
  EXPECT_THROW(D(2020, 4, 31), InvalidDate);
  EXPECT_THROW(D(2020, 1, 0), InvalidDate);
  EXPECT_THROW(D(2020, 1, 257), InvalidDate);  // would wrap in a byte
  EXPECT_NO_THROW(D(2000, 2, 29));

  // The true Julian calendar: 1900 is a leap year there.
  EXPECT_TRUE(IsValidJulianDate(1900, 2, 29));
  EXPECT_FALSE(IsValidJulianDate(2001, 2, 29));
  EXPECT_EQ(EncodeJulianDate(1582, 10, 5), D(1582, 10, 15));  // the Gregorian reform
  EXPECT_EQ(EncodeJulianDate(2000, 1, 1), D(2000, 1, 14));
  EXPECT_EQ(EncodeJulianDate(1900, 2, 29), D(1900, 3, 13));
  EXPECT_EQ(EncodeJulianDate(2100, 2, 29), D(2100, 3, 14));
  EXPECT_EQ(DecodeJulianDate(D(2100, 3, 14)), (YearMonthDay{2100, 2, 29}));
  EXPECT_THROW(EncodeJulianDate(2001, 2, 29), InvalidDate);
}

// New date and the shifted Old date it converts to (Julian year + 16).
struct ConversionCase {
  YearMonthDay newDate;
  YearMonthDay shiftedOld;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  PrintTo(c.newDate, os);
  *os << " new";
}

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, NewToOldAndBack) {
  const auto& [n, o] = GetParam();
  SelectedDay day = test::NewDay(n.year, n.month, n.day);
  EXPECT_EQ(DecodeDate(day.OldDate), o);
  EXPECT_EQ((YearMonthDay{day.OldYear, day.OldMonth, day.OldDay}), o);

  SelectedDay back;
  back.OldYear = static_cast<std::uint16_t>(o.year);
  back.OldMonth = static_cast<std::uint16_t>(o.month);
  back.OldDay = static_cast<std::uint16_t>(o.day);
  EXPECT_EQ(OldToNew(back), EncodeDate(n));
  EXPECT_EQ((YearMonthDay{back.NewYear, back.NewMonth, back.NewDay}), n);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ConversionTest,
    testing::Values(
        ConversionCase{{2000, 3, 13}, {2016, 2, 29}},  // Julian leap day
        ConversionCase{{2000, 3, 14}, {2016, 3, 1}},
        ConversionCase{{2001, 3, 13}, {2017, 2, 28}},
        ConversionCase{{2001, 3, 14}, {2017, 3, 1}},
        ConversionCase{{2000, 2, 29}, {2016, 2, 16}},
        ConversionCase{{2001, 3, 1}, {2017, 2, 16}},
        ConversionCase{{2000, 3, 1}, {2016, 2, 17}},
        ConversionCase{{2020, 1, 13}, {2035, 12, 31}},  // Julian year end
        ConversionCase{{2020, 1, 14}, {2036, 1, 1}},
        ConversionCase{{2020, 1, 1}, {2035, 12, 19}},
        ConversionCase{{2021, 5, 13}, {2037, 4, 30}},  // after a 30-day month
        ConversionCase{{2021, 5, 14}, {2037, 5, 1}},
        ConversionCase{{2021, 8, 13}, {2037, 7, 31}},  // after a 31-day month
        ConversionCase{{2021, 12, 13}, {2037, 11, 30}},
        ConversionCase{{2021, 12, 31}, {2037, 12, 18}},
        ConversionCase{{1900, 3, 14}, {1916, 3, 1}},  // first day of the range
        ConversionCase{{2084, 2, 29}, {2100, 2, 16}},  // Julian 2084 is leap, shifted 2100 is not
        ConversionCase{{2084, 3, 1}, {2100, 2, 17}},
        ConversionCase{{2084, 3, 12}, {2100, 2, 28}}  // last day of the range
        ));

TEST(NewToOldTest, ClampsOutsideTheRangeAndKeepsTheFieldsInStep) {
  struct Case { YearMonthDay newDate; YearMonthDay shiftedOld; };
  for (const Case c : {Case{{1900, 3, 13}, {1916, 3, 1}}, {{1850, 6, 1}, {1916, 3, 1}},
                       {{2084, 3, 13}, {2100, 2, 28}}, {{2200, 1, 1}, {2100, 2, 28}}}) {
    SelectedDay day = test::NewDay(2020, 6, 1);  // earlier contents must not survive
    SelectNewDate(day, EncodeDate(c.newDate), CalendarMode::New);
    EXPECT_EQ(day.NewDate, EncodeDate(c.newDate));
    EXPECT_EQ(DecodeDate(day.OldDate), c.shiftedOld);
    EXPECT_EQ((YearMonthDay{day.OldYear, day.OldMonth, day.OldDay}), c.shiftedOld);
  }
}

TEST(SelectOldDateTest, RefusesShiftedDatesOutsideTheRange) {
  SelectedDay day;
  EXPECT_THROW(SelectOldDate(day, D(1916, 2, 29), CalendarMode::Old), std::out_of_range);
  EXPECT_THROW(SelectOldDate(day, D(2100, 3, 1), CalendarMode::Old), std::out_of_range);
  EXPECT_NO_THROW(SelectOldDate(day, D(1916, 3, 1), CalendarMode::Old));
  EXPECT_EQ(day.NewDate, D(1900, 3, 14));
}

TEST(DateKeyTest, FollowsTheActiveCalendar) {
  const SelectedDay newMode = test::NewDay(2021, 1, 7);
  EXPECT_EQ(DateKey(newMode, CalendarMode::New), 107);
  EXPECT_EQ(DateKeyText(newMode, CalendarMode::New), "01/07");
  const SelectedDay oldMode = MakeSelectedDay(newMode.OldDate, CalendarMode::Old);
  EXPECT_EQ(DateKey(oldMode, CalendarMode::Old), 1225);
  EXPECT_EQ(DateKeyText(oldMode, CalendarMode::Old), "12/25");
  EXPECT_EQ(DateKeyText(229), "02/29");
  EXPECT_EQ(DateKeyText(1231), "12/31");
}

}  // namespace
}  // namespace kal
