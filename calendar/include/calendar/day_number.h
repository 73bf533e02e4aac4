// Day numbers: a date as the count of days since 30 December 1899 (day 0),
// so 1 January 2000 is day 36526. Differences of day numbers are whole days.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace kal {

using DayNumber = std::int32_t;

struct YearMonthDay {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend bool operator==(const YearMonthDay&, const YearMonthDay&) = default;
};

// Thrown when a year, month and day do not name a real date (31 April,
// 29 February of a common year). The operation in progress is abandoned.
class InvalidDate : public std::invalid_argument {
 public:
  explicit InvalidDate(const YearMonthDay& date);
};

// Gregorian (civil) calendar.
bool IsValidGregorianDate(int year, int month, int day);
DayNumber EncodeDate(int year, int month, int day);  // throws InvalidDate
DayNumber EncodeDate(const YearMonthDay& date);
YearMonthDay DecodeDate(DayNumber day);

// 1 = Sunday, 2 = Monday, ... 7 = Saturday.
int DayOfWeek(DayNumber day);

// The true Julian calendar, valid for every year from 1 on (no fixed
// 13-day difference): used where a real Julian date is wanted, such as the
// Julian date of Pascha in any year.
bool IsValidJulianDate(int year, int month, int day);
DayNumber EncodeJulianDate(int year, int month, int day);  // throws InvalidDate
YearMonthDay DecodeJulianDate(DayNumber day);

}  // namespace kal
