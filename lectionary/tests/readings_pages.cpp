#include "readings_pages.h"

#include <cstdlib>

#include "calendar/calendar.h"
#include "program_folder.h"

namespace kal::testing {

std::filesystem::path BinDir() {
  if (const char* dir = std::getenv("KAL_BIN_DIR")) return dir;
  return ExecutableDirectory().parent_path() / "bin";
}

SelectedDay DayOf(int year, int month, int day, CalendarMode mode) {
  const int shift = mode == CalendarMode::Old ? OldCalendarRange::kShift : 0;
  return MakeSelectedDay(EncodeDate(year + shift, month, day), mode);
}

bool OnNewTestament(const BibleReader& reader, const std::filesystem::path& folder) {
  std::error_code error;
  const auto size = std::filesystem::file_size(folder / "NewTstmt.dat", error);
  return !error && reader.IsOpen() && !reader.ApocryphaForm() && reader.FileSize() == size;
}

std::vector<std::string> ReadingHeadings(std::string_view page) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0;;) {
    const std::size_t end = page.find("\r\n", at);
    lines.push_back(page.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) break;
    at = end + 2;
  }
  std::vector<std::string> headings;
  for (std::size_t i = 0; i + 2 < lines.size(); ++i)
    if (!lines[i].empty() && lines[i][0] != ' ' && lines[i + 1].empty() && lines[i + 2].starts_with("    "))
      headings.emplace_back(lines[i]);
  return headings;
}

std::string_view Between(std::string_view page, std::string_view from, std::string_view to) {
  const std::size_t start = page.find(from);
  if (start == std::string_view::npos) return {};
  const std::size_t end = to.empty() ? std::string_view::npos : page.find(to, start + from.size());
  return page.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

}  // namespace kal::testing
