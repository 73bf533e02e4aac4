#include "calendar/stepping.h"

namespace kal {

YearMonthDay StepMonthBack(YearMonthDay date) {
  const bool leap = IsLeapYear(static_cast<std::uint16_t>(date.year));
  if (date.month == 1) return {date.year - 1, 12, date.day};
  if (date.month == 3 && leap && date.day >= 30) return {date.year, 2, 29};
  if (date.month == 3 && !leap && date.day >= 29) return {date.year, 2, 28};
  if ((date.month == 5 || date.month == 7 || date.month == 10 || date.month == 12) && date.day == 31)
    return {date.year, date.month - 1, 30};
  return {date.year, date.month - 1, date.day};
}

YearMonthDay StepMonthForward(YearMonthDay date) {
  const bool leap = IsLeapYear(static_cast<std::uint16_t>(date.year));
  if (date.month == 12) return {date.year + 1, 1, date.day};
  if (date.month == 1 && leap && date.day >= 30) return {date.year, 2, 29};
  if (date.month == 1 && !leap && date.day >= 29) return {date.year, 2, 28};
  if ((date.month == 3 || date.month == 5 || date.month == 8 || date.month == 10) && date.day == 31)
    return {date.year, date.month + 1, 30};
  return {date.year, date.month + 1, date.day};
}

// 29 February always becomes 28 February first, even into a leap year.
YearMonthDay StepYearBack(YearMonthDay date) {
  if (date.month == 2 && date.day == 29) date.day = 28;
  return {date.year - 1, date.month, date.day};
}

YearMonthDay StepYearForward(YearMonthDay date) {
  if (date.month == 2 && date.day == 29) date.day = 28;
  return {date.year + 1, date.month, date.day};
}

bool OldCalendarRefuses(const SelectedDay& day, CalendarMode mode, DateStep step) {
  if (mode != CalendarMode::Old) return false;
  const int y = day.OldYear, m = day.OldMonth;
  switch (step) {
    case DateStep::MonthBack: return y == 1916 && m == 3;
    case DateStep::MonthForward: return y == 2100 && m == 2;
    case DateStep::YearBack: return (y == 1916 && m >= 3) || (y == 1917 && m <= 2);
    case DateStep::YearForward: return (y == 2099 && m >= 3) || (y == 2100 && m <= 2);
    case DateStep::PreviousDay: return day.OldDate == OldCalendarRange::FirstShifted();
    case DateStep::NextDay: return day.OldDate == OldCalendarRange::LastShifted();
  }
  return false;
}

bool StepSelectedDay(SelectedDay& day, CalendarMode mode, DateStep step) {
  if (OldCalendarRefuses(day, mode, step)) return false;
  const bool old = mode == CalendarMode::Old;
  const DayNumber active = old ? day.OldDate : day.NewDate;
  const YearMonthDay fields = old ? YearMonthDay{day.OldYear, day.OldMonth, day.OldDay}
                                  : YearMonthDay{day.NewYear, day.NewMonth, day.NewDay};
  DayNumber target = active;
  switch (step) {
    case DateStep::PreviousDay: target = active - 1; break;
    case DateStep::NextDay: target = active + 1; break;
    case DateStep::MonthBack: target = EncodeDate(StepMonthBack(fields)); break;
    case DateStep::MonthForward: target = EncodeDate(StepMonthForward(fields)); break;
    case DateStep::YearBack: target = EncodeDate(StepYearBack(fields)); break;
    case DateStep::YearForward: target = EncodeDate(StepYearForward(fields)); break;
  }
  SelectDate(day, target, mode);
  return true;
}

}  // namespace kal

