#include "date_args.h"

#include <cctype>
#include <cstdio>
#include <ctime>

namespace kalday {
namespace {

bool AllDigits(std::string_view text) {
  for (const char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return !text.empty();
}

int ToInt(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

std::string RangeError() { return kal::kOldCalendarRangeMessage; }

}  // namespace

std::optional<kal::YearMonthDay> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::string_view y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
  if (!AllDigits(y) || !AllDigits(m) || !AllDigits(d)) return std::nullopt;
  return kal::YearMonthDay{ToInt(y), ToInt(m), ToInt(d)};
}

std::string FormatIsoDate(const kal::YearMonthDay& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string FormatIsoDate(kal::DayNumber newDate) { return FormatIsoDate(kal::DecodeDate(newDate)); }

std::optional<int> ParseYear(std::string_view text) {
  if (text.size() > 4 || !AllDigits(text)) return std::nullopt;
  const int year = ToInt(text);
  if (year < kFirstYear || year > kLastYear) return std::nullopt;
  return year;
}

kal::DayNumber Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return kal::EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

DayChoice ChooseDay(const Options& options, kal::DayNumber today) {
  using kal::CalendarMode;
  using kal::OldCalendarRange;
  DayChoice choice;
  const bool old = options.mode == CalendarMode::Old;

  if (!options.date) {
    if (old && (today < OldCalendarRange::FirstNew() || today > OldCalendarRange::LastNew())) {
      choice.error = RangeError();
      return choice;
    }
    kal::SelectNewDate(choice.day, today, options.mode);
    return choice;
  }

  const std::optional<kal::YearMonthDay> date = ParseIsoDate(*options.date);
  if (!date) {
    choice.error = "\"" + *options.date + "\" is not a date of the form YYYY-MM-DD";
    return choice;
  }
  if (old) {
    if (!kal::IsValidJulianDate(date->year, date->month, date->day)) {
      choice.error = *options.date + " is not a date on the Old (Julian) calendar";
      return choice;
    }
    const kal::DayNumber day = kal::EncodeJulianDate(date->year, date->month, date->day);
    if (day < kal::EncodeJulianDate(OldCalendarRange::kFirstJulianYear, 3, 1) ||
        day > kal::EncodeJulianDate(OldCalendarRange::kLastJulianYear, 2, 28)) {
      choice.error = RangeError();
      return choice;
    }
    kal::SelectOldDate(choice.day,
                       kal::EncodeDate(date->year + OldCalendarRange::kShift, date->month, date->day),
                       options.mode);
    return choice;
  }

  if (!kal::IsValidGregorianDate(date->year, date->month, date->day)) {
    choice.error = *options.date + " is not a date on the New calendar";
    return choice;
  }
  if (date->year < kFirstYear || date->year > kLastYear) {
    choice.error = "New-calendar dates are accepted from 1583-01-01 to 9999-12-31, not " + *options.date;
    return choice;
  }
  kal::SelectNewDate(choice.day, kal::EncodeDate(*date), options.mode);
  return choice;
}

RangeChoice ChooseRange(const Options& options, const std::string& first, const std::string& last,
                        kal::DayNumber today, const char* backwards) {
  RangeChoice range;
  kal::DayNumber* ends[2] = {&range.first, &range.last};
  const std::string* dates[2] = {&first, &last};
  for (int i = 0; i < 2; ++i) {
    Options one = options;
    one.date = *dates[i];
    const DayChoice choice = ChooseDay(one, today);
    if (!choice.error.empty()) return {0, 0, choice.error};
    *ends[i] = choice.day.NewDate;
  }
  if (range.last < range.first) range.error = backwards;
  return range;
}

}  // namespace kalday
