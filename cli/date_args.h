// Dates and years as kalday reads and writes them, and the choice of the day
// from the options.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/day_number.h"
#include "calendar/selected_day.h"
#include "options.h"

namespace kalday {

// Years kalday accepts on the New calendar and for --easter.
inline constexpr int kFirstYear = 1583;  // the first whole Gregorian year
inline constexpr int kLastYear = 9999;

// "YYYY-MM-DD" with exactly four, two and two digits; no check that the date exists.
std::optional<kal::YearMonthDay> ParseIsoDate(std::string_view text);
std::string FormatIsoDate(const kal::YearMonthDay& date);
std::string FormatIsoDate(kal::DayNumber newDate);  // a New-calendar day number

// A year of four digits or fewer within kFirstYear .. kLastYear.
std::optional<int> ParseYear(std::string_view text);

// Today's date on the New calendar, by the local clock.
kal::DayNumber Today();

struct DayChoice {
  kal::SelectedDay day;
  std::string error;  // one line, empty on success
};

// The day named by --date (or today) on the calendar chosen by --old/--new,
// with everything computed; an error for dates that do not exist or that lie
// outside the calendar's range.
DayChoice ChooseDay(const Options& options, kal::DayNumber today);

struct RangeChoice {
  kal::DayNumber first = 0, last = 0;  // New-calendar day numbers
  std::string error;                   // one line, empty on success
};

// A run of days given as two dates of the calendar in force, each read as
// --date reads its date; `backwards` is the error when the last comes first.
RangeChoice ChooseRange(const Options& options, const std::string& first, const std::string& last,
                        kal::DayNumber today, const char* backwards);

}  // namespace kalday
