#include "calendar/selected_day.h"

#include <cstdio>
#include <stdexcept>

namespace kal {
namespace {

// The decoded fields of SelectedDay are 16-bit; years of day numbers the
// program handles are 1 to 9999.
std::uint16_t U16(int v) { return static_cast<std::uint16_t>(v); }

void SetOldFields(SelectedDay& day, const YearMonthDay& ymd) {
  day.OldYear = U16(ymd.year);
  day.OldMonth = U16(ymd.month);
  day.OldDay = U16(ymd.day);
}

void SetNewFields(SelectedDay& day, const YearMonthDay& ymd) {
  day.NewYear = U16(ymd.year);
  day.NewMonth = U16(ymd.month);
  day.NewDay = U16(ymd.day);
}

}  // namespace

DayNumber OldCalendarRange::FirstShifted() { return EncodeDate(1916, 3, 1); }
DayNumber OldCalendarRange::LastShifted() { return EncodeDate(2100, 2, 28); }
DayNumber OldCalendarRange::FirstNew() { return EncodeDate(1900, 3, 14); }
DayNumber OldCalendarRange::LastNew() { return EncodeDate(2084, 3, 12); }

bool IsLeapYear(std::uint16_t year) { return year >= 1904 && year <= 2096 && year % 4 == 0; }

DayNumber NewToOld(SelectedDay& day) {
  // Outside the range the difference is no longer 13 days; the Old side stops
  // at the nearest end of the range, with its fields kept in step.
  if (day.NewDate > OldCalendarRange::LastNew()) {
    SetOldFields(day, {2100, 2, 28});
    return OldCalendarRange::LastShifted();
  }
  if (day.NewDate < OldCalendarRange::FirstNew()) {
    SetOldFields(day, {1916, 3, 1});
    return OldCalendarRange::FirstShifted();
  }

  const int m = day.NewMonth;
  const int d = day.NewDay;
  int oldYear = (m == 1 && d <= 13) ? day.NewYear + 15 : day.NewYear + 16;
  int oldMonth = m;
  int oldDay = d - 13;
  if (d <= 13) {
    switch (m) {
      case 1:  // into December of the year before
        oldMonth = 12;
        oldDay = d + 18;
        break;
      case 2: case 4: case 6: case 8: case 9: case 11:  // previous month has 31 days
        oldMonth = m - 1;
        oldDay = d + 18;
        break;
      case 3:  // into February
        oldMonth = 2;
        oldDay = d + (IsLeapYear(day.NewYear) ? 16 : 15);
        break;
      default:  // 5, 7, 10, 12: previous month has 30 days
        oldMonth = m - 1;
        oldDay = d + 17;
        break;
    }
  }
  SetOldFields(day, {oldYear, oldMonth, oldDay});
  return EncodeDate(oldYear, oldMonth, oldDay);
}

DayNumber OldToNew(SelectedDay& day) {
  const int m = day.OldMonth;
  const int d = day.OldDay;
  const int newYear = (m == 12 && d >= 19) ? day.OldYear - 15 : day.OldYear - 16;
  // Whether the Julian February has a 29th day. The shifted year says the
  // same for every year but the last: Julian 2084 is a leap year and the
  // Gregorian 2100 is not, so the test is made on the Julian year itself.
  const bool leap = IsLeapYear(static_cast<std::uint16_t>(day.OldYear - OldCalendarRange::kShift));
  int newMonth = m;
  int newDay = d + 13;
  switch (m) {
    case 1: case 3: case 5: case 7: case 8: case 10:  // 31-day months
      if (d >= 19) newMonth = m + 1, newDay = d - 18;
      break;
    case 2:
      if (leap && d == 16) newMonth = 2, newDay = 29;
      else if (leap && d >= 17) newMonth = 3, newDay = d - 16;
      else if (!leap && d >= 16) newMonth = 3, newDay = d - 15;
      break;
    case 4: case 6: case 9: case 11:  // 30-day months
      if (d >= 18) newMonth = m + 1, newDay = d - 17;
      break;
    case 12:
      if (d >= 19) newMonth = 1, newDay = d - 18;
      break;
    default:
      break;
  }
  SetNewFields(day, {newYear, newMonth, newDay});
  return EncodeDate(newYear, newMonth, newDay);
}

int ChurchYear(const SelectedDay& day, CalendarMode mode) {
  if (mode == CalendarMode::Old) return DecodeDate(day.NewDate - 13).year;
  return DecodeDate(day.NewDate).year;
}

DayNumber PaschaOfYear(int year) {
  // Julian computus: Pascha falls d + e days after 21 March (Julian).
  const int d = (19 * (year % 19) + 16) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d) % 7;
  // Converting that Julian date properly gives 3 April (New) + d + e in
  // 1900-2099 and stays right in the centuries where the calendars are 12 or
  // 14 days apart.
  return EncodeJulianDate(year, 3, 21) + d + e;
}

DayNumber WesternEasterOfYear(int y) {
  const int a = y % 19, b = y / 100, c = y % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int L = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * L) / 451;
  const int t = h + L - 7 * m + 114;
  return EncodeDate(y, t / 31, t % 31 + 1);
}

void ComputeAnchors(SelectedDay& day, CalendarMode mode) {
  const int year = ChurchYear(day, mode);
  day.Pascha = PaschaOfYear(year);
  day.PrevPascha = PaschaOfYear(year - 1);
  day.WesternEaster = WesternEasterOfYear(year);
  day.ZacchaeusSunday = day.Pascha - 77;
  day.PrevZacchaeusSunday = day.PrevPascha - 77;
  day.ThomasSunday = day.Pascha + 7;
  day.PrevThomasSunday = day.PrevPascha + 7;
  day.AllSaintsSunday = day.Pascha + 56;
  day.PrevAllSaintsSunday = day.PrevPascha + 56;
}

std::uint16_t ZacchaeusID(const SelectedDay& day) {
  const DayNumber since = day.NewDate >= day.ZacchaeusSunday ? day.NewDate - day.ZacchaeusSunday
                                                             : day.NewDate - day.PrevZacchaeusSunday;
  return U16(since);
}

int WeekTone(const SelectedDay& day) {
  const DayNumber since = day.NewDate >= day.ThomasSunday ? day.NewDate - day.ThomasSunday
                                                          : day.NewDate - day.PrevThomasSunday;
  return (since / 7) % 8 + 1;
}

std::uint16_t DateKey(const SelectedDay& day, CalendarMode mode) {
  return mode == CalendarMode::Old ? U16(day.OldMonth * 100 + day.OldDay)
                                   : U16(day.NewMonth * 100 + day.NewDay);
}

std::string DateKeyText(std::uint16_t dateKey) {
  char text[8];
  std::snprintf(text, sizeof text, "%02u/%02u", static_cast<unsigned>(dateKey / 100) % 100,
                static_cast<unsigned>(dateKey % 100));
  return text;
}

std::string DateKeyText(const SelectedDay& day, CalendarMode mode) {
  const YearMonthDay ymd = DecodeDate(mode == CalendarMode::Old ? day.OldDate : day.NewDate);
  return DateKeyText(U16(ymd.month * 100 + ymd.day));
}

void SelectNewDate(SelectedDay& day, DayNumber newDate, CalendarMode mode) {
  day.NewDate = newDate;
  SetNewFields(day, DecodeDate(newDate));
  day.OldDate = NewToOld(day);
  ComputeAnchors(day, mode);
}

void SelectOldDate(SelectedDay& day, DayNumber shiftedOldDate, CalendarMode mode) {
  if (shiftedOldDate < OldCalendarRange::FirstShifted() || shiftedOldDate > OldCalendarRange::LastShifted())
    throw std::out_of_range(kOldCalendarRangeMessage);
  day.OldDate = shiftedOldDate;
  SetOldFields(day, DecodeDate(shiftedOldDate));
  day.NewDate = OldToNew(day);
  ComputeAnchors(day, mode);
}

void SelectDate(SelectedDay& day, DayNumber activeDate, CalendarMode mode) {
  if (mode == CalendarMode::Old) SelectOldDate(day, activeDate, mode);
  else SelectNewDate(day, activeDate, mode);
}

SelectedDay MakeSelectedDay(DayNumber activeDate, CalendarMode mode) {
  SelectedDay day;
  SelectDate(day, activeDate, mode);
  return day;
}

SelectedDay MakeSelectedDayOfNewDate(DayNumber newDate, CalendarMode mode) {
  SelectedDay day;
  SelectNewDate(day, newDate, mode);
  return day;
}

}  // namespace kal
