// How long a year of the calendar export takes, with and without the
// readings' references (printed figures; nothing is asserted).
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "calendar/calendar.h"
#include "calendar_export.h"

int main() {
  const char* bin = std::getenv("KAL_BIN_DIR");
  kal::CalendarExportOptions options;
  options.ProgramFolder = bin ? bin : ".";
  options.Stamp = "20260101T000000Z";
  options.Commemorations = [](std::uint16_t) { return std::vector<std::string>{"HOLY MARTYR"}; };
  const kal::DayNumber first = kal::EncodeDate({2026, 1, 1});
  for (kal::CalendarMode mode : {kal::CalendarMode::New, kal::CalendarMode::Old}) {
    for (bool readings : {false, true}) {
      options.Mode = mode;
      options.Readings = readings;
      const auto start = std::chrono::steady_clock::now();
      const std::string ics = kal::CalendarExport(first, first + 364, options);
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      std::printf("calendar export, 2026 %s calendar, %s readings: %.1f ms, %zu bytes\n",
                  mode == kal::CalendarMode::Old ? "Old" : "New", readings ? "with" : "without", ms, ics.size());
    }
  }
  return 0;
}
