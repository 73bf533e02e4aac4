// Every day of the Old calendar's range, from both sides.
#include <gtest/gtest.h>

#include "test_dates.h"

namespace kal {
namespace {

using test::D;

bool HasErrorText(const std::string& info) { return info.find(" error") != std::string::npos; }

TEST(SweepTest, EveryNewDateOfTheRange) {
  int days = 0;
  for (DayNumber n = D(1900, 3, 14); n <= D(2084, 3, 12); ++n, ++days) {
    const SelectedDay day = MakeSelectedDay(n, CalendarMode::New);

    // The shifted Old date is the true Julian date moved on 16 years.
    const YearMonthDay julian = DecodeJulianDate(n);
    ASSERT_EQ((YearMonthDay{day.OldYear - 16, day.OldMonth, day.OldDay}), julian) << n;
    ASSERT_EQ(DecodeDate(day.OldDate), (YearMonthDay{day.OldYear, day.OldMonth, day.OldDay})) << n;
    ASSERT_EQ(DayOfWeek(day.OldDate), DayOfWeek(n)) << n;

    SelectedDay back = day;
    ASSERT_EQ(OldToNew(back), n) << n;

    const int a = ZacchaeusID(day);
    ASSERT_LE(a, 384) << n;
    ASSERT_EQ(a % 7 == 0, DayOfWeek(n) == 1) << n;  // Sundays are the multiples of 7
    ASSERT_GE(WeekTone(day), 1);
    ASSERT_LE(WeekTone(day), 8);
    ASSERT_FALSE(HasErrorText(InfoText(day, CalendarMode::New))) << n << " " << InfoText(day, CalendarMode::New);
  }
  EXPECT_EQ(days, D(2084, 3, 12) - D(1900, 3, 14) + 1);
}

TEST(SweepTest, EveryOldDateOfTheRange) {
  for (DayNumber shifted = D(1916, 3, 1); shifted <= D(2100, 2, 28); ++shifted) {
    const SelectedDay day = MakeSelectedDay(shifted, CalendarMode::Old);
    ASSERT_EQ(DayOfWeek(day.NewDate), DayOfWeek(shifted)) << shifted;

    SelectedDay back = day;
    ASSERT_EQ(NewToOld(back), shifted) << shifted;

    // The church year may differ from the New Calendar's in early January,
    // but the place in the movable cycle and the tone cannot.
    const SelectedDay asNew = MakeSelectedDay(day.NewDate, CalendarMode::New);
    ASSERT_EQ(ZacchaeusID(day), ZacchaeusID(asNew)) << shifted;
    ASSERT_EQ(WeekTone(day), WeekTone(asNew)) << shifted;

    const std::string info = InfoText(day, CalendarMode::Old);
    ASSERT_FALSE(HasErrorText(info)) << shifted << " " << info;
    ASSERT_EQ(DateKeyText(day, CalendarMode::Old), DateKeyText(DateKey(day, CalendarMode::Old)));
  }
}

}  // namespace
}  // namespace kal
