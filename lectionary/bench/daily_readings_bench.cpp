// Speed of the readings page: every day of one year assembled on each
// calendar with the Bible files of the program's folder, as the day loader
// asks for it. Prints the whole year's time, the median day and the slowest.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "daily_readings.h"
#include "program_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::filesystem::path BinDir() {
  if (const char* dir = std::getenv("KAL_BIN_DIR")) return dir;
  return kal::ExecutableDirectory().parent_path() / "bin";
}

}  // namespace

int main(int argc, char** argv) {
  const int year = argc > 1 ? std::atoi(argv[1]) : 2026;
  kal::BibleReader reader(BinDir());
  reader.OpenBibleFile("NewTstmt.dat");  // as the Bible search leaves it
  if (!reader.IsOpen()) {
    std::printf("daily_readings_bench: no Bible files in %s\n", BinDir().c_str());
    return 0;
  }
  for (kal::CalendarMode mode : {kal::CalendarMode::New, kal::CalendarMode::Old}) {
    const char* name = mode == kal::CalendarMode::New ? "New" : "Old";
    kal::ReadingsOptions options;
    options.Mode = mode;
    const int shift = mode == kal::CalendarMode::Old ? kal::OldCalendarRange::kShift : 0;
    const kal::DayNumber first = kal::EncodeDate(year + shift, 1, 1);
    const kal::DayNumber last = kal::EncodeDate(year + shift, 12, 31);

    std::vector<std::pair<double, kal::DayNumber>> days;
    std::size_t bytes = 0;
    const auto yearStart = Clock::now();
    for (kal::DayNumber date = first; date <= last; ++date) {
      const auto start = Clock::now();
      const kal::SelectedDay day = kal::MakeSelectedDay(date, mode);
      bytes += kal::GetDailyReadings(reader, day, options).size();
      days.emplace_back(Milliseconds(Clock::now() - start), date);
    }
    const double total = Milliseconds(Clock::now() - yearStart);
    std::sort(days.begin(), days.end());
    const auto& slowest = days.back();
    const kal::YearMonthDay ymd = kal::DecodeDate(slowest.second - (shift ? 0 : 0));
    std::printf("%s calendar %d: %zu pages (%zu bytes) in %.1f ms; median %.3f ms, slowest %.3f ms "
                "(%04d-%02d-%02d%s)\n",
                name, year, days.size(), bytes, total, days[days.size() / 2].first, slowest.first,
                ymd.year - shift, ymd.month, ymd.day, shift ? ", Julian" : "");
  }
  return 0;
}
