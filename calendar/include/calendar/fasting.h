// The fasting rule of a day: at most one label (a fast day, a fasting season,
// a fast-free week ...) followed by at most one allowance. Every piece starts
// with three spaces so that it can be appended to the info text as it is.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/selected_day.h"

namespace kal {

struct FastingDay {
  std::uint16_t zacchaeusId = 0;  // place in the movable cycle
  int weekday = 1;                // 1 = Sunday ... 7 = Saturday
  std::uint16_t dateKey = 101;    // month x 100 + day on the active calendar
};

std::string FastingText(const FastingDay& day);
std::string FastingText(const SelectedDay& day, CalendarMode mode);

// How strictly the day is kept, from the same rule as its fasting text: no
// fast (fast-free days and weeks, Cheese-fare Week included), a fast with
// fish allowed (or caviar), a fast with wine and oil (or wine alone), or a
// fast with no allowance.
enum class FastLevel { None, Strict, WineOil, Fish };
FastLevel FastingLevel(const FastingDay& day);
FastLevel FastingLevel(const SelectedDay& day, CalendarMode mode);

}  // namespace kal
