// Long month and weekday names. The desktop program supplies the user's
// locale through this interface; English is the default.
#pragma once

#include <string>

namespace kal {

class DateNames {
 public:
  virtual ~DateNames() = default;
  virtual std::string MonthName(int month) const = 0;      // 1 = January ... 12 = December
  virtual std::string WeekdayName(int weekday) const = 0;  // 1 = Sunday ... 7 = Saturday
  // The month on its own, as a heading or in a list; some languages write
  // it differently inside a date.
  virtual std::string StandaloneMonthName(int month) const { return MonthName(month); }
};

const DateNames& EnglishDateNames();

}  // namespace kal
