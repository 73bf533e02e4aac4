// Small helpers shared by the calendar tests.
#pragma once

#include <ostream>

#include "calendar/calendar.h"

namespace kal::test {

inline DayNumber D(int y, int m, int d) { return EncodeDate(y, m, d); }

inline SelectedDay NewDay(int y, int m, int d) { return MakeSelectedDay(D(y, m, d), CalendarMode::New); }

// A day chosen on the Old calendar by its Julian date.
inline SelectedDay JulianDay(int y, int m, int d) {
  return MakeSelectedDay(D(y + OldCalendarRange::kShift, m, d), CalendarMode::Old);
}

}  // namespace kal::test

namespace kal {
// Readable dates in test names and failure messages.
inline void PrintTo(const YearMonthDay& d, std::ostream* os) { *os << d.year << '-' << d.month << '-' << d.day; }
}  // namespace kal
