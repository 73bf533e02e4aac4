#include "calendar/day_number.h"

#include <chrono>
#include <string>

namespace kal {
namespace {

using namespace std::chrono;

constexpr sys_days kDayZero = sys_days{year{1899} / December / 30};

// Julian dates are counted from 1 March of year 0 of a March-based year, so
// that the leap day is the last day of a counted year.
constexpr int kDaysPerJulianQuadrennium = 4 * 365 + 1;
// Day number of 1 March, year 0, Julian (proleptic).
constexpr int kJulianEpochOffset = 693901;

int MonthFromMarch(int month) { return month > 2 ? month - 3 : month + 9; }

std::string Describe(const YearMonthDay& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

}  // namespace

InvalidDate::InvalidDate(const YearMonthDay& date)
    : std::invalid_argument("not a valid date: " + Describe(date)) {}

bool IsValidGregorianDate(int y, int m, int d) {
  // Range checks first: std::chrono::day keeps only a byte.
  if (y < -32767 || y > 32767 || m < 1 || m > 12 || d < 1 || d > 31) return false;
  return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}.ok();
}

DayNumber EncodeDate(int y, int m, int d) {
  if (!IsValidGregorianDate(y, m, d)) throw InvalidDate({y, m, d});
  const sys_days date{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}};
  return static_cast<DayNumber>((date - kDayZero).count());
}

DayNumber EncodeDate(const YearMonthDay& date) { return EncodeDate(date.year, date.month, date.day); }

YearMonthDay DecodeDate(DayNumber n) {
  const year_month_day ymd{kDayZero + days{n}};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int DayOfWeek(DayNumber n) {
  return static_cast<int>(weekday{kDayZero + days{n}}.c_encoding()) + 1;
}

bool IsValidJulianDate(int y, int m, int d) {
  if (y < 1 || y > 32767 || m < 1 || m > 12 || d < 1) return false;
  static constexpr int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int length = (m == 2 && y % 4 == 0) ? 29 : kLength[m - 1];
  return d <= length;
}

DayNumber EncodeJulianDate(int y, int m, int d) {
  if (!IsValidJulianDate(y, m, d)) throw InvalidDate({y, m, d});
  const int marchYear = m <= 2 ? y - 1 : y;
  const int dayOfYear = (153 * MonthFromMarch(m) + 2) / 5 + d - 1;
  return 365 * marchYear + marchYear / 4 + dayOfYear - kJulianEpochOffset;
}

YearMonthDay DecodeJulianDate(DayNumber n) {
  const int z = n + kJulianEpochOffset;  // days since 1 March of year 0
  const int quadrennium = z / kDaysPerJulianQuadrennium;
  const int rest = z % kDaysPerJulianQuadrennium;
  const int yearInQuad = rest / 365 < 3 ? rest / 365 : 3;  // the fourth year is one day longer
  const int dayOfYear = rest - 365 * yearInQuad;
  const int monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int d = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
  const int m = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const int y = 4 * quadrennium + yearInQuad + (m <= 2 ? 1 : 0);
  return {y, m, d};
}

}  // namespace kal
