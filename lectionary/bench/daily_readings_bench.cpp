// Speed of the readings page: every day of one year assembled on each
// calendar with the Bible files of the program's folder, as the day loader
// asks for it. Prints the whole year's time, the median day and the slowest,
// and the processor time of the year (the machine is shared: wall time also
// counts the time other programs had the processor). The same year is then
// read again by scanning the files for every passage, without the reader's
// index; the digests of the pages show the two give the same text.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <time.h>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "daily_readings.h"
#include "program_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Processor time of this thread in milliseconds.
double ThreadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

std::filesystem::path BinDir() {
  if (const char* dir = std::getenv("KAL_BIN_DIR")) return dir;
  return kal::ExecutableDirectory().parent_path() / "bin";
}

// FNV-1a over the pages of a year, in order.
struct Digest {
  std::uint64_t value = 1469598103934665603ULL;
  void Add(std::string_view bytes) {
    for (const unsigned char c : bytes) value = (value ^ c) * 1099511628211ULL;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int year = argc > 1 ? std::atoi(argv[1]) : 2026;
  kal::BibleReader reader(BinDir());
  reader.OpenBibleFile("NewTstmt.dat");  // as the Bible search leaves it
  if (!reader.IsOpen()) {
    std::printf("daily_readings_bench: no Bible files in %s\n", BinDir().c_str());
    return 0;
  }
  kal::BibleReader plain(BinDir());
  plain.SetIndexing(false);
  plain.OpenBibleFile("NewTstmt.dat");
  for (kal::CalendarMode mode : {kal::CalendarMode::New, kal::CalendarMode::Old}) {
    const char* name = mode == kal::CalendarMode::New ? "New" : "Old";
    kal::ReadingsOptions options;
    options.Mode = mode;
    const int shift = mode == kal::CalendarMode::Old ? kal::OldCalendarRange::kShift : 0;
    const kal::DayNumber first = kal::EncodeDate(year + shift, 1, 1);
    const kal::DayNumber last = kal::EncodeDate(year + shift, 12, 31);

    std::vector<std::pair<double, kal::DayNumber>> days, cpuDays;
    std::size_t bytes = 0;
    Digest digest;
    const auto yearStart = Clock::now();
    for (kal::DayNumber date = first; date <= last; ++date) {
      const auto start = Clock::now();
      const double cpuStart = ThreadMilliseconds();
      const kal::SelectedDay day = kal::MakeSelectedDay(date, mode);
      const std::string page = kal::GetDailyReadings(reader, day, options);
      bytes += page.size();
      digest.Add(page);
      days.emplace_back(Milliseconds(Clock::now() - start), date);
      cpuDays.emplace_back(ThreadMilliseconds() - cpuStart, date);
    }
    const double total = Milliseconds(Clock::now() - yearStart);
    double cpu = 0;
    for (const auto& day : cpuDays) cpu += day.first;
    std::printf("%s calendar %d: %zu pages (%zu bytes, digest %016llx) in %.1f ms, processor %.1f ms\n", name, year,
                days.size(), bytes, static_cast<unsigned long long>(digest.value), total, cpu);
    for (auto* times : {&days, &cpuDays}) {
      std::sort(times->begin(), times->end());
      const kal::YearMonthDay ymd = kal::DecodeDate(times->back().second);
      std::printf("  %-9s median %.3f ms, slowest %.3f ms (%04d-%02d-%02d%s)\n",
                  times == &days ? "time:" : "processor:", (*times)[times->size() / 2].first, times->back().first,
                  ymd.year - shift, ymd.month, ymd.day, shift ? ", Julian" : "");
    }

    Digest plainDigest;
    const auto plainStart = Clock::now();
    for (kal::DayNumber date = first; date <= last; ++date)
      plainDigest.Add(kal::GetDailyReadings(plain, kal::MakeSelectedDay(date, mode), options));
    std::printf("  without the index: %.1f ms, digest %016llx (%s)\n", Milliseconds(Clock::now() - plainStart),
                static_cast<unsigned long long>(plainDigest.value),
                plainDigest.value == digest.value ? "the same pages" : "THE PAGES DIFFER");
  }
  return 0;
}
