// The selected day, held at once on the New (Gregorian) calendar and on the
// Old (Julian) calendar, with the anchors of its church year.
//
// An Old-calendar date is kept in "shifted" form: Julian year J, month M,
// day D is stored as the Gregorian date M/D of year J + 16. Between
// 1 March 1900 and 28 February 2084 (Julian) that Gregorian year has the
// same February and every day falls on the same weekday, so an ordinary
// Gregorian month grid shows the Julian month correctly.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/day_number.h"

namespace kal {

enum class CalendarMode { Old, New };

struct SelectedDay {
  DayNumber NewDate = 0;  // the day on the New calendar
  DayNumber OldDate = 0;  // the same day as a shifted Old date
  std::uint16_t NewYear = 0, NewMonth = 0, NewDay = 0;
  std::uint16_t OldYear = 0, OldMonth = 0, OldDay = 0;  // OldYear is the Julian year + 16

  // Anchors of the church year, all New-calendar day numbers.
  DayNumber Pascha = 0;
  DayNumber PrevPascha = 0;
  DayNumber WesternEaster = 0;
  DayNumber ZacchaeusSunday = 0, PrevZacchaeusSunday = 0;
  DayNumber ThomasSunday = 0, PrevThomasSunday = 0;
  DayNumber AllSaintsSunday = 0, PrevAllSaintsSunday = 0;

  bool HasIcon = false;           // kept by the day loader
  std::int16_t ShownIconKey = 0;  // kept by the icon display
};

// The Old calendar is reckoned with a fixed 13-day difference, which holds
// only inside this range.
struct OldCalendarRange {
  static constexpr int kFirstJulianYear = 1900;  // from 1 March 1900 (Julian)
  static constexpr int kLastJulianYear = 2084;   // to 28 February 2084 (Julian)
  static constexpr int kShift = 16;              // shifted year = Julian year + 16
  static DayNumber FirstShifted();               // 1 March 1916
  static DayNumber LastShifted();                // 28 February 2100
  static DayNumber FirstNew();                   // 14 March 1900, New calendar
  static DayNumber LastNew();                    // 12 March 2084, New calendar
};

inline constexpr const char* kOldCalendarRangeMessage =
    "This implementation of the Old Calendar is only accurate from March 1, 1900 to February 28, 2084";

// True for the leap years 1904 ... 2096 only; 1900 and 2100 are common years
// here, and so is every year outside 1904 to 2096.
bool IsLeapYear(std::uint16_t year);

// New date (NewDate and its decoded fields) to the shifted Old date, which is
// returned; the decoded Old fields are set to match. New dates before
// 14 March 1900 or after 12 March 2084 give the first or last day of the
// Old-calendar range.
DayNumber NewToOld(SelectedDay& day);

// Shifted Old date (from OldYear/OldMonth/OldDay) to the New date, which is
// returned; the decoded New fields are set. The Old date must lie in range.
DayNumber OldToNew(SelectedDay& day);

// The year whose Pascha governs the day: in Old Calendar mode the Julian
// year of the day (New 1-13 January still belong to the year before).
int ChurchYear(const SelectedDay& day, CalendarMode mode);

// Pascha (Julian computus) and Western Easter (Gregorian computus) of a year,
// as New-calendar day numbers.
DayNumber PaschaOfYear(int year);
DayNumber WesternEasterOfYear(int year);

void ComputeAnchors(SelectedDay& day, CalendarMode mode);

// Days since the last Zacchaeus Sunday (Pascha - 77): 0 on Zacchaeus Sunday,
// 77 on Pascha, 126 on Pentecost; at most 384.
std::uint16_t ZacchaeusID(const SelectedDay& day);

// Tone of the week, 1 to 8; the week of Thomas Sunday is tone 1.
int WeekTone(const SelectedDay& day);

// Month x 100 + day on the active calendar (101 ... 1231, 229 included), and
// its text form "mm/dd".
std::uint16_t DateKey(const SelectedDay& day, CalendarMode mode);
std::string DateKeyText(const SelectedDay& day, CalendarMode mode);
std::string DateKeyText(std::uint16_t dateKey);

// Select a day and bring everything else up to date: the other calendar and
// the anchors. SelectNewDate accepts any New date (the Old side is clamped to
// the supported range); SelectOldDate takes a shifted Old date, which must
// lie between 1 March 1916 and 28 February 2100 (std::out_of_range otherwise).
void SelectNewDate(SelectedDay& day, DayNumber newDate, CalendarMode mode);
void SelectOldDate(SelectedDay& day, DayNumber shiftedOldDate, CalendarMode mode);
// The date on the active calendar (shifted form in Old Calendar mode).
void SelectDate(SelectedDay& day, DayNumber activeDate, CalendarMode mode);

// A freshly computed SelectedDay for a date on the active calendar.
SelectedDay MakeSelectedDay(DayNumber activeDate, CalendarMode mode);
// The same for a New-calendar (civil) date, on either calendar.
SelectedDay MakeSelectedDayOfNewDate(DayNumber newDate, CalendarMode mode);

}  // namespace kal
