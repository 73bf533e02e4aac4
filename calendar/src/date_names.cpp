#include "calendar/date_names.h"

#include <array>
#include <string_view>

namespace kal {
namespace {

class EnglishNames final : public DateNames {
 public:
  std::string MonthName(int month) const override {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? std::string(kMonths[month - 1]) : std::string();
  }
  std::string WeekdayName(int weekday) const override {
    static constexpr std::array<std::string_view, 7> kWeekdays = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return weekday >= 1 && weekday <= 7 ? std::string(kWeekdays[weekday - 1]) : std::string();
  }
};

}  // namespace

const DateNames& EnglishDateNames() {
  static const EnglishNames names;
  return names;
}

}  // namespace kal
