// What every per-day feature of kalday gets: the options and the chosen day,
// fully computed on the calendar in force.
#pragma once

#include "calendar/selected_day.h"
#include "options.h"

namespace kalday {

struct DayContext {
  const Options& options;
  const kal::SelectedDay& day;
  kal::CalendarMode mode;
};

}  // namespace kalday
