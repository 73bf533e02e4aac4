#include "daily_readings.h"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <system_error>

#include "fixed_readings.h"
#include "movable_readings.h"

namespace kal {
namespace {

bool Is(std::uint16_t d, std::initializer_list<std::uint16_t> days) {
  return std::find(days.begin(), days.end(), d) != days.end();
}
bool Is(std::string_view key, std::initializer_list<std::string_view> keys) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool LentenWeekday(std::uint16_t d) { return d >= 29 && d <= 68 && (d - 29) % 7 <= 4; }

// Days whose Hours and Vespers readings are on the page.
bool HoursAndVespersDay(std::uint16_t d) {
  return d == 24 || d == 26 || LentenWeekday(d) || (d >= 71 && d <= 76) || Is(d, {101, 116, 119, 126, 133});
}

// Days whose Liturgy position holds only the name of the service.
bool NameOnlyDay(std::uint16_t d) { return d == 24 || d == 26 || LentenWeekday(d) || d == 75; }

// Lenten Mondays, Tuesdays and Thursdays without a Liturgy (the fifth
// Thursday has one), which have the Presanctified Liturgy on a feast.
bool PresanctifiedIfFeastDay(std::uint16_t d) {
  return LentenWeekday(d) && Is(static_cast<std::uint16_t>((d - 29) % 7), {0, 1, 3}) && d != 60;
}

// A Bible file that is there but empty or cannot be read would give a page
// of headings without text; it counts as missing.
bool Usable(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) == 0 || error)
    return false;
  std::ifstream file(path, std::ios::binary);
  char first = 0;
  return static_cast<bool>(file.read(&first, 1));
}

std::string Assemble(ReadingsContext& context) {
  DayValues& day = context.Day();
  const std::uint16_t d = day.LectionaryDay;
  const std::string date = day.DateKey;
  const bool sunday = day.Weekday == 1;
  const bool saturday = day.Weekday == 7;
  // The eves and the Nativity of the Theotokos on a weekend take the place
  // of the day's name and Liturgy; their following readings join directly.
  const bool feastInsteadOfLiturgy = (saturday && Is(date, {"01/05", "09/08"})) ||
                                     ((saturday || sunday) && date == "12/24");

  const bool precedes = FeastPrecedesDay(day);
  if (FeastReplacesDay(day)) return GetFixedInfo(context, FixedKeyOfDay(day));

  std::string r;
  if (precedes) {
    r = GetFixedInfo(context, FixedKeyOfDay(day));
    r += kNL3;
  }
  if (!(saturday && Is(date, {"01/05", "09/08", "12/24"}))) {
    if (precedes) r += "For ";
    r += GetDayName(day);
    r += kNL2;
  }
  if (d == 70) r += GetHoursAndVespers(context) + std::string(kNL3);
  if (d == 76) r += GetHolySaturdayMatins(context) + std::string(kNL2);
  if ((sunday || (d >= 71 && d <= 76)) && !Is(d, {77, 119, 126, 133}))
    r += GetMatinsGospelVerses(context) + std::string(kNL3);
  if (d == 75) r += GetRoyalHours(context) + std::string(kNL3);
  if (HoursAndVespersDay(d)) r += GetHoursAndVespers(context) + std::string(kNL3);
  if (Is(d, {116, 119, 126, 133})) r += GetMatinsGospelVerses(context) + std::string(kNL3);

  if (NameOnlyDay(d)) {
    // On the Meeting and the Annunciation the feast's Liturgy, built first,
    // stands instead.
    const bool feastLiturgy = (Is(d, {24, 26, 29}) && date == "02/02") || date == "03/25";
    if (!feastLiturgy) {
      if (PresanctifiedIfFeastDay(d) && Is(date, {"02/24", "03/09"}))  // the Forerunner's Head, the Forty Martyrs
        r += "LITURGY OF THE PRESANCTIFIED GIFTS";
      else
        r += UpperAscii(FindDailyService(d)->Name);
    }
  } else if (!feastInsteadOfLiturgy) {
    r += GetDailyInfo(context);
  }

  if (FeastFollowsDay(day)) {
    if (!feastInsteadOfLiturgy) r += kNL3;
    r += GetFixedInfo(context, FollowingFixedKey(day));
  }

  if (ReadsNextDay(day)) {
    const std::string weekday = WeekdayName(day, day.NewDate + 1);
    ++day.LectionaryDay;
    r += kNL2;
    r += "For " + weekday + ":";
    r += kNL2;
    r += GetDailyInfo(context);
  } else if (ReadsPreviousDay(day)) {
    const std::string weekday = WeekdayName(day, day.NewDate - 1);
    --day.LectionaryDay;
    r += kNL2;
    r += "From " + weekday + ":";
    r += kNL2;
    r += GetDailyInfo(context);
  }
  return r;
}

}  // namespace

std::string GetDailyReadings(BibleReader& reader, const SelectedDay& day, const ReadingsOptions& options) {
  const struct {
    const char* file;
    const char* message;
  } files[] = {{"NewTstmt.dat", kNewTestamentMissing},
               {"OldTstmt.dat", kOldTestamentMissing},
               {"Apoc.dat", kApocryphaMissing}};
  const std::filesystem::path& folder =
      options.ProgramFolder.empty() ? reader.ProgramDirectory() : options.ProgramFolder;
  for (const auto& f : files)
    if (!Usable(folder / f.file)) return f.message;

  ReadingsContext context(reader, MakeDayValues(day, options.Mode, options.VerseNumbers, *options.Names));
  context.Trace(options.Trace);
  std::string page;
  try {
    page = Assemble(context);
  } catch (const std::exception&) {
    // Only memory can run out here; the page is lost, not the program.
    page = "  An error occured in the GetDailyReadings function";
  }
  context.Open(BibleFile::NewTestament);
  return page;
}

}  // namespace kal
