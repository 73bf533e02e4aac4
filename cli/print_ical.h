// kalday --ical: the calendar of a run of days as an iCalendar file.
#pragma once

#include <filesystem>
#include <ostream>

#include "calendar/day_number.h"
#include "options.h"

namespace kalday {

// Exit status 0, 1 when the file cannot be written, 2 for bad dates.
int PrintIcal(const Options& options, kal::DayNumber today, const std::filesystem::path& programFolder,
              std::ostream& out, std::ostream& err);

}  // namespace kalday
