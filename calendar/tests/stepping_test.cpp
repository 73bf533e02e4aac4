#include <gtest/gtest.h>

#include "test_dates.h"

namespace kal {
namespace {

using test::D;

struct FieldStepCase {
  YearMonthDay from;
  YearMonthDay to;
};

TEST(StepMonthTest, BackPullsTheDayIntoShorterMonths) {
  for (const FieldStepCase c : {FieldStepCase{{2000, 3, 31}, {2000, 2, 29}},
                                FieldStepCase{{2000, 3, 30}, {2000, 2, 29}},
                                FieldStepCase{{2000, 3, 29}, {2000, 2, 29}},
                                FieldStepCase{{2001, 3, 29}, {2001, 2, 28}},
                                FieldStepCase{{2001, 3, 28}, {2001, 2, 28}},
                                FieldStepCase{{2000, 5, 31}, {2000, 4, 30}},
                                FieldStepCase{{2000, 7, 31}, {2000, 6, 30}},
                                FieldStepCase{{2000, 8, 31}, {2000, 7, 31}},
                                FieldStepCase{{2000, 10, 31}, {2000, 9, 30}},
                                FieldStepCase{{2000, 12, 31}, {2000, 11, 30}},
                                FieldStepCase{{2000, 1, 15}, {1999, 12, 15}},
                                FieldStepCase{{2000, 1, 31}, {1999, 12, 31}}})
    EXPECT_EQ(StepMonthBack(c.from), c.to) << c.from.year << "-" << c.from.month << "-" << c.from.day;
}

TEST(StepMonthTest, ForwardPullsTheDayIntoShorterMonths) {
  for (const FieldStepCase c : {FieldStepCase{{2000, 1, 31}, {2000, 2, 29}},
                                FieldStepCase{{2000, 1, 30}, {2000, 2, 29}},
                                FieldStepCase{{2001, 1, 29}, {2001, 2, 28}},
                                FieldStepCase{{2000, 3, 31}, {2000, 4, 30}},
                                FieldStepCase{{2000, 5, 31}, {2000, 6, 30}},
                                FieldStepCase{{2000, 7, 31}, {2000, 8, 31}},
                                FieldStepCase{{2000, 8, 31}, {2000, 9, 30}},
                                FieldStepCase{{2000, 10, 31}, {2000, 11, 30}},
                                FieldStepCase{{2000, 12, 31}, {2001, 1, 31}},
                                FieldStepCase{{2000, 2, 29}, {2000, 3, 29}}})
    EXPECT_EQ(StepMonthForward(c.from), c.to) << c.from.year << "-" << c.from.month << "-" << c.from.day;
}

TEST(StepYearTest, TwentyNinthOfFebruaryBecomesTheTwentyEighth) {
  EXPECT_EQ(StepYearForward({2000, 2, 29}), (YearMonthDay{2001, 2, 28}));
  EXPECT_EQ(StepYearBack({2004, 2, 29}), (YearMonthDay{2003, 2, 28}));
  EXPECT_EQ(StepYearBack({2004, 2, 28}), (YearMonthDay{2003, 2, 28}));
  EXPECT_EQ(StepYearForward({2000, 12, 31}), (YearMonthDay{2001, 12, 31}));
  // also when the year it lands on is a leap year
  EXPECT_EQ(StepYearForward(StepYearForward(StepYearForward(StepYearForward({2000, 2, 29})))),
            (YearMonthDay{2004, 2, 28}));
}

// Steps on the Old calendar at the ends of its range; dates are shifted
// (Julian year + 16).
struct OldStepCase {
  YearMonthDay shifted;
  DateStep step;
  bool refused;
  YearMonthDay after;  // shifted, when not refused
};

void PrintTo(const OldStepCase& c, std::ostream* os) {
  PrintTo(c.shifted, os);
  *os << " step " << static_cast<int>(c.step);
}

class OldCalendarStepTest : public testing::TestWithParam<OldStepCase> {};

TEST_P(OldCalendarStepTest, RefusesToLeaveTheRange) {
  const OldStepCase& c = GetParam();
  SelectedDay day = MakeSelectedDay(EncodeDate(c.shifted), CalendarMode::Old);
  const SelectedDay before = day;
  EXPECT_EQ(OldCalendarRefuses(day, CalendarMode::Old, c.step), c.refused);
  EXPECT_EQ(StepSelectedDay(day, CalendarMode::Old, c.step), !c.refused);
  if (c.refused) {
    EXPECT_EQ(day.OldDate, before.OldDate);
    EXPECT_EQ(day.NewDate, before.NewDate);
  } else {
    EXPECT_EQ(DecodeDate(day.OldDate), c.after);
    // the New date is the true Julian date converted
    EXPECT_EQ(DecodeJulianDate(day.NewDate),
              (YearMonthDay{c.after.year - 16, c.after.month, c.after.day}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    RangeEnds, OldCalendarStepTest,
    testing::Values(
        OldStepCase{{1916, 3, 15}, DateStep::MonthBack, true, {}},
        OldStepCase{{1916, 4, 15}, DateStep::MonthBack, false, {1916, 3, 15}},
        OldStepCase{{2100, 2, 10}, DateStep::MonthForward, true, {}},
        OldStepCase{{2100, 1, 31}, DateStep::MonthForward, false, {2100, 2, 28}},
        OldStepCase{{2016, 1, 31}, DateStep::MonthForward, false, {2016, 2, 29}},
        OldStepCase{{1916, 12, 31}, DateStep::YearBack, true, {}},
        OldStepCase{{1917, 2, 28}, DateStep::YearBack, true, {}},
        OldStepCase{{1917, 3, 1}, DateStep::YearBack, false, {1916, 3, 1}},
        OldStepCase{{2099, 3, 1}, DateStep::YearForward, true, {}},
        OldStepCase{{2100, 1, 1}, DateStep::YearForward, true, {}},
        OldStepCase{{2099, 2, 28}, DateStep::YearForward, false, {2100, 2, 28}},
        OldStepCase{{1916, 3, 1}, DateStep::PreviousDay, true, {}},
        OldStepCase{{1916, 3, 2}, DateStep::PreviousDay, false, {1916, 3, 1}},
        OldStepCase{{2100, 2, 28}, DateStep::NextDay, true, {}},
        OldStepCase{{2100, 2, 27}, DateStep::NextDay, false, {2100, 2, 28}},
        OldStepCase{{2035, 12, 31}, DateStep::NextDay, false, {2036, 1, 1}}));

TEST(NewCalendarStepTest, HasNoRangeLimits) {
  SelectedDay day = test::NewDay(1900, 3, 14);
  EXPECT_FALSE(OldCalendarRefuses(day, CalendarMode::New, DateStep::PreviousDay));
  EXPECT_TRUE(StepSelectedDay(day, CalendarMode::New, DateStep::PreviousDay));
  EXPECT_EQ(day.NewDate, D(1900, 3, 13));
  EXPECT_EQ(day.OldDate, D(1916, 3, 1));  // the Old side stays at the end of its range

  day = test::NewDay(2084, 2, 29);
  EXPECT_TRUE(StepSelectedDay(day, CalendarMode::New, DateStep::YearForward));
  EXPECT_EQ(day.NewDate, D(2085, 2, 28));

  day = test::NewDay(2020, 3, 31);
  EXPECT_TRUE(StepSelectedDay(day, CalendarMode::New, DateStep::MonthBack));
  EXPECT_EQ(day.NewDate, D(2020, 2, 29));
  EXPECT_EQ(DecodeDate(day.OldDate), (YearMonthDay{2036, 2, 16}));
  EXPECT_EQ(day.Pascha, D(2020, 4, 19));
}

}  // namespace
}  // namespace kal
