#include "calendar_export.h"

#include <cctype>
#include <set>

#include "bible_reader.h"
#include "calendar/calendar.h"
#include "calendar/church_year.h"
#include "daily_readings.h"
#include "windows_1252.h"

namespace kal {

namespace {

std::string IcalDate(DayNumber n) {
  const YearMonthDay d = DecodeDate(n);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
  return buf;
}

std::string Trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(b, e - b + 1));
}

// "   Tone 3   Fast Day   Wine and oil allowed" piece by piece.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> out;
  size_t from = 0;
  while (from < text.size()) {
    size_t at = text.find("   ", from);
    const std::string piece = Trimmed(std::string_view(text).substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (!piece.empty()) out.push_back(piece);
    if (at == std::string::npos) break;
    from = at + 3;
  }
  return out;
}

bool IsUpperLine(const std::string& line) {
  bool letter = false;
  for (unsigned char c : line) {
    if (std::islower(c)) return false;
    letter = letter || std::isalpha(c);
  }
  return letter;
}

// The references of the readings page, service by service: the page's
// headings and reference lines, without the day's name or the verse text
// (which is indented).
std::vector<std::string> ReadingReferences(const std::string& page) {
  std::vector<std::string> services;
  size_t from = page.find('\n');  // the first line is the day's name
  while (from != std::string::npos && from < page.size()) {
    const size_t end = page.find('\n', from + 1);
    std::string line = page.substr(from + 1, end == std::string::npos ? std::string::npos : end - from - 1);
    from = end;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ' ' || line[0] == '\t') continue;
    if (IsUpperLine(line) || services.empty()) {
      services.push_back(TitleCase(line) + ":");
    } else {
      services.back() += (services.back().back() == ':' ? " " : "; ") + line;
    }
  }
  return services;
}

std::string DayNameOf(const SelectedDay& day) {
  const auto name = DayName(DayNameId(day));
  return name ? *name : std::string();
}

// The summary: the day's name on the days the movable cycle names above the
// Menaion (Sundays, the Triodion's named days, Holy and Bright Weeks, the
// movable feasts); otherwise the chief commemoration.
std::string Summary(const SelectedDay& day, CalendarMode mode, const std::vector<std::string>& saints) {
  using namespace movable;
  const int a = ZacchaeusID(day);
  const bool movableFeast = a == kPalmSunday || a == kAscension || a == kPentecost;
  const bool fixedFeast = FeastRankOf(day, mode) == FeastRank::GreatFeast && !movableFeast;
  const bool sunday = DayOfWeek(day.NewDate) == kSunday;
  // Holy and Bright Weeks, and the days the movable cycle names (numbers below 1800).
  const bool cycleNamed = Between(a, kPalmSunday, kBrightSaturday) || movableFeast || DayNameId(day) < 1800;
  if (!fixedFeast && (sunday || cycleNamed || saints.empty())) {
    const std::string name = DayNameOf(day);
    if (!name.empty()) return name;
  }
  if (saints.empty()) return DayNameOf(day);
  // The chief commemoration: the first that is not a forefeast, afterfeast,
  // leave-taking or eve of another.
  for (const std::string& line : saints) {
    bool lesser = false;
    for (const char* p : {"FOREFEAST", "AFTERFEAST", "LEAVE-TAKING", "APODOSIS", "EVE OF", "THE EVE"})
      lesser = lesser || line.rfind(p, 0) == 0;
    if (!lesser) return TitleCase(line);
  }
  return TitleCase(saints.front());
}

std::vector<std::string> Categories(const SelectedDay& day, CalendarMode mode) {
  std::vector<std::string> out;
  switch (FeastRankOf(day, mode)) {
    case FeastRank::Pascha: out.push_back("Pascha"); break;
    case FeastRank::GreatFeast: out.push_back("Great Feast"); break;
    case FeastRank::None: break;
  }
  switch (FastingLevel(day, mode)) {
    case FastLevel::Strict: out.insert(out.end(), {"Fast Day", "Strict Fast"}); break;
    case FastLevel::WineOil: out.insert(out.end(), {"Fast Day", "Wine and Oil"}); break;
    case FastLevel::Fish: out.insert(out.end(), {"Fast Day", "Fish Allowed"}); break;
    case FastLevel::None: break;
  }
  return out;
}

void Property(std::string& out, std::string_view name, std::string_view value) {
  out += FoldContentLine(std::string(name) + ":" + std::string(value));
}

}  // namespace

std::string FoldContentLine(std::string_view line) {
  std::string out;
  size_t octets = 0;
  for (size_t i = 0; i < line.size();) {
    size_t len = 1;
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (c >= 0xF0) len = 4;
    else if (c >= 0xE0) len = 3;
    else if (c >= 0xC0) len = 2;
    if (octets + len > 75) {
      out += "\r\n ";
      octets = 1;
    }
    out.append(line.substr(i, len));
    octets += len;
    i += len;
  }
  return out + "\r\n";
}

std::string EscapeText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\\n";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<std::string> TitleBlock(std::string_view text) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (from < text.size()) {
    const size_t end = text.find('\n', from);
    std::string line = Trimmed(text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
    if (line.empty()) break;
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    from = end + 1;
  }
  return lines;
}

std::string TitleCase(std::string_view upper) {
  static const std::set<std::string> small = {"of", "the", "and", "to", "with", "at", "in", "on", "for", "from", "by", "a"};
  std::string out;
  std::string word;
  auto flush = [&] {
    if (word.empty()) return;
    std::string lower;
    for (char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!(out.empty() || out.back() == '(') && small.count(lower)) {
      out += lower;
    } else {
      out += word[0];
      out += lower.substr(1);
    }
    word.clear();
  };
  for (char c : upper) {
    if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80 || c == '\'') {
      word += c;
    } else {
      flush();
      out += c;
    }
  }
  flush();
  return out;
}

std::string CalendarExport(DayNumber first, DayNumber last, const CalendarExportOptions& options,
                           std::string* missing) {
  const CalendarMode mode = options.Mode;
  const char* calendarName = mode == CalendarMode::Old ? "Old Calendar" : "New Calendar";
  std::string out;
  Property(out, "BEGIN", "VCALENDAR");
  Property(out, "VERSION", "2.0");
  Property(out, "PRODID", "-//Kalendra//Orthodox Church Calendar//EN");
  Property(out, "CALSCALE", "GREGORIAN");
  Property(out, "X-WR-CALNAME", std::string("Orthodox Calendar (") + calendarName + ")");
  BibleReader reader(options.ProgramFolder);
  ReadingsOptions readings;
  readings.Mode = mode;
  readings.ProgramFolder = options.ProgramFolder;
  for (DayNumber n = first; n <= last; ++n) {
    const SelectedDay day = MakeSelectedDayOfNewDate(n, mode);
    const std::uint16_t key = DateKey(day, mode);
    const std::vector<std::string> saints = options.Commemorations ? options.Commemorations(key) : std::vector<std::string>{};

    std::string description = DateTitle(day, mode);
    for (const std::string& piece : Pieces(InfoText(day, mode))) description += "\n" + piece;
    if (!saints.empty()) {
      description += "\n";
      for (const std::string& s : saints) description += "\n" + TitleCase(s);
    }
    if (options.Readings) {
      const std::string page = GetDailyReadings(reader, day, readings);
      for (const char* message : {kNewTestamentMissing, kOldTestamentMissing, kApocryphaMissing}) {
        if (page.rfind(message, 0) == 0) {
          if (missing) *missing = message;
          return {};
        }
      }
      const auto services = ReadingReferences(Utf8FromWindows1252(page));
      if (!services.empty()) description += "\n\nReadings";
      for (const std::string& s : services) description += "\n" + s;
    }

    Property(out, "BEGIN", "VEVENT");
    Property(out, "UID", IcalDate(n) + (mode == CalendarMode::Old ? "-old" : "-new") + "@kalendra.calendar");
    Property(out, "DTSTAMP", options.Stamp);
    Property(out, "DTSTART;VALUE=DATE", IcalDate(n));
    Property(out, "DTEND;VALUE=DATE", IcalDate(n + 1));
    Property(out, "SUMMARY", EscapeText(Summary(day, mode, saints)));
    Property(out, "DESCRIPTION", EscapeText(description));
    std::string categories;
    for (const std::string& c : Categories(day, mode)) categories += (categories.empty() ? "" : ",") + EscapeText(c);
    if (!categories.empty()) Property(out, "CATEGORIES", categories);
    Property(out, "TRANSP", "TRANSPARENT");
    Property(out, "END", "VEVENT");
  }
  Property(out, "END", "VCALENDAR");
  return out;
}

}  // namespace kal
