// Moving the selected day by a day, a month or a year, and the refusals at
// the ends of the Old calendar's range.
#pragma once

#include "calendar/day_number.h"
#include "calendar/selected_day.h"

namespace kal {

// The month and year steps work on the active calendar's year, month and day
// (the shifted Old fields in Old Calendar mode); the day is pulled back where
// the target month is shorter, so the result is always a real date.
YearMonthDay StepMonthBack(YearMonthDay date);
YearMonthDay StepMonthForward(YearMonthDay date);
YearMonthDay StepYearBack(YearMonthDay date);
YearMonthDay StepYearForward(YearMonthDay date);

enum class DateStep { PreviousDay, NextDay, MonthBack, MonthForward, YearBack, YearForward };

// True when, in Old Calendar mode, the step would leave 1 March 1900 -
// 28 February 2084 (Julian). New Calendar mode refuses nothing.
bool OldCalendarRefuses(const SelectedDay& day, CalendarMode mode, DateStep step);

// Applies the step to the active calendar and recomputes the day. Returns
// false, leaving the day untouched, when the step is refused; the caller then
// shows kOldCalendarRangeMessage.
bool StepSelectedDay(SelectedDay& day, CalendarMode mode, DateStep step);

}  // namespace kal
