// Time to compute the whole summary of every day from 1900 to 2083 on both
// calendars: the anchors, the info text and the fasting text.
#include <chrono>
#include <cstdio>

#include "calendar/calendar.h"

int main() {
  using namespace kal;
  using Clock = std::chrono::steady_clock;

  const DayNumber first = EncodeDate(1900, 1, 1);
  const DayNumber last = EncodeDate(2083, 12, 31);
  std::size_t checksum = 0;  // keeps the work from being optimised away

  for (const CalendarMode mode : {CalendarMode::New, CalendarMode::Old}) {
    const auto start = Clock::now();
    SelectedDay day;
    for (DayNumber n = first; n <= last; ++n) {
      SelectNewDate(day, n, mode);  // conversion and ComputeAnchors
      checksum += InfoText(day, mode).size() + FastingText(day, mode).size();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("calendar summary, %s calendar: %d days in %.3f s (%.2f us per day)\n",
                mode == CalendarMode::New ? "New" : "Old", last - first + 1, seconds,
                seconds * 1e6 / (last - first + 1));
  }
  std::printf("checksum %zu\n", checksum);
  return 0;
}
