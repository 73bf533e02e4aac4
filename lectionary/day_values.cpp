#include "day_values.h"

#include "reading_info.h"

namespace kal {

DayValues MakeDayValues(const SelectedDay& day, CalendarMode mode, bool verseNumbers, const DateNames& names) {
  DayValues values;
  values.Weekday = DayOfWeek(day.NewDate);
  values.DateKey = DateKeyText(day, mode);
  values.OldCalendar = mode == CalendarMode::Old;
  values.VerseNumbers = verseNumbers;
  values.NewDate = day.NewDate;
  values.AllSaintsSunday = day.AllSaintsSunday;
  values.PrevAllSaintsSunday = day.PrevAllSaintsSunday;
  values.Names = &names;
  // The Monday to Saturday after Zacchaeus Sunday still read the last week
  // of the cycle that ended there.
  const std::uint16_t id = ZacchaeusID(day);
  values.LectionaryDay =
      id >= 1 && id <= 6 ? static_cast<std::uint16_t>(day.NewDate - day.PrevZacchaeusSunday) : id;
  return values;
}

void ReadingsContext::Open(BibleFile file) {
  if (open_ == file) return;
  reader_.OpenBibleFile(BibleFileName(file));
  // A file that would not open stays "open" for the builders: its readings
  // come back empty, and trying again on every reading would not help.
  open_ = file;
}

std::string ReadingsContext::Reading(std::string_view key) {
  if (trace_) trace_->push_back({std::string(key), open_});
  return GetReadingInfo(reader_, key, day_.VerseNumbers);
}

std::string ReadingsContext::Reading(std::uint16_t day, std::string_view slot) {
  std::string key = std::to_string(day);
  key += ',';
  key += slot;
  return Reading(key);
}

std::string WeekdayName(const DayValues& day, DayNumber date) { return day.Names->WeekdayName(DayOfWeek(date)); }

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string_view StripLeading(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) ++i;
  return text.substr(i);
}

std::string_view StripBoth(std::string_view text) {
  text = StripLeading(text);
  std::size_t n = text.size();
  while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= 32) --n;
  return text.substr(0, n);
}

}  // namespace kal
