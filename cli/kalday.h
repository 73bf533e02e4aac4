// kalday, the command-line front end: runs one command line and returns the
// exit status (0 done, 2 bad arguments or date).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calendar/day_number.h"

namespace kalday {

// args excludes the program name. today is the New date used when no
// --date is given.
int RunKalday(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              kal::DayNumber today);

}  // namespace kalday
