#include "print_ical.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>

#include "calendar_export.h"
#include "date_args.h"
#include "print_hymns.h"

namespace kalday {

namespace {

std::string UtcStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &utc);
  return buf;
}

// Writes beside the target and renames, so an old file is never left half
// overwritten.
std::string WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path temp = path.string() + ".part";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (file) file << bytes;
    file.close();
    if (!file) {
      const std::string why = std::strerror(errno);
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return why;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return std::strerror(errno);
  }
  return {};
}

}  // namespace

int PrintIcal(const Options& options, kal::DayNumber today, const std::filesystem::path& programFolder,
              std::ostream& out, std::ostream& err) {
  const RangeChoice range = ChooseRange(options, (*options.ical)[0], (*options.ical)[1], today,
                                        "--ical: the last day comes before the first");
  if (!range.error.empty()) {
    err << "kalday: " << range.error << "\n";
    return 2;
  }

  kal::CalendarExportOptions exportOptions;
  exportOptions.Mode = options.mode;
  exportOptions.Readings = options.readings;
  exportOptions.ProgramFolder = programFolder;
  exportOptions.Stamp = UtcStamp();
  exportOptions.Commemorations = [](std::uint16_t key) { return kal::TitleBlock(HymnsText(key)); };
  std::string missing;
  const std::string calendar = kal::CalendarExport(range.first, range.last, exportOptions, &missing);
  if (!missing.empty()) {
    err << "kalday: " << missing << "\n";
    return 1;
  }

  if (!options.output) {
    out << calendar;
    return 0;
  }
  const std::string why = WriteWhole(*options.output, calendar);
  if (!why.empty()) {
    err << "kalday: cannot write " << *options.output << ": " << why << "\n";
    return 1;
  }
  return 0;
}

}  // namespace kalday
