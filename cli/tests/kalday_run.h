// Runs kalday in-process for the tests: exit status and both output streams.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "calendar/day_number.h"
#include "kalday.h"

namespace kalday {

struct Outcome {
  int status;
  std::string out, err;
};

// `today` stands for the clock, so runs without --date are repeatable.
inline Outcome Kalday(const std::vector<std::string>& args, kal::DayNumber today = kal::EncodeDate(2020, 4, 19)) {
  std::ostringstream out, err;
  const int status = RunKalday(args, out, err, today);
  return {status, out.str(), err.str()};
}

}  // namespace kalday
