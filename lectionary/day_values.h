// The values of the day whose readings are being assembled, and the Bible
// reader as the readings builders use it. Every builder reads the same day
// values; only the assembly sets them (and moves the lectionary day when it
// adds a neighbouring day's Liturgy).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bible_reader.h"
#include "calendar/date_names.h"
#include "calendar/selected_day.h"
#include "reading_tables.h"

namespace kal {

struct DayValues {
  // Place in the movable cycle: days since Zacchaeus Sunday, except on the
  // six weekdays after it, which continue the cycle that ended (351 to 391).
  std::uint16_t LectionaryDay = 0;
  int Weekday = 1;           // of the New date: 1 Sunday ... 7 Saturday
  std::string DateKey;       // "mm/dd" on the calendar in force
  bool OldCalendar = false;  // Old (Julian) calendar in force
  bool VerseNumbers = false;
  DayNumber NewDate = 0;
  DayNumber AllSaintsSunday = 0, PrevAllSaintsSunday = 0;
  const DateNames* Names = &EnglishDateNames();
};

// The day values of a fully computed selected day.
DayValues MakeDayValues(const SelectedDay& day, CalendarMode mode, bool verseNumbers,
                        const DateNames& names = EnglishDateNames());

// One reading looked up while a page was built, with the file that was open.
struct ReadingLookup {
  std::string Key;
  std::optional<BibleFile> OpenFile;
};

// The day values and the one Bible reader, with the file the builders last
// opened, so that asking for the file already open costs nothing.
class ReadingsContext {
 public:
  ReadingsContext(BibleReader& reader, DayValues day) : reader_(reader), day_(std::move(day)) {}

  const DayValues& Day() const { return day_; }
  DayValues& Day() { return day_; }
  std::uint16_t D() const { return day_.LectionaryDay; }
  BibleReader& Reader() { return reader_; }

  void Open(BibleFile file);
  // GetReadingInfo of the key on the file open now.
  std::string Reading(std::string_view key);
  // The movable reading of the lectionary day: "133" + "," + slot.
  std::string Reading(std::uint16_t day, std::string_view slot);

  // When set, every reading looked up is recorded with the open file.
  void Trace(std::vector<ReadingLookup>* lookups) { trace_ = lookups; }

 private:
  BibleReader& reader_;
  DayValues day_;
  // Unknown until the first Open: the reader may have been left on any file.
  std::optional<BibleFile> open_;
  std::vector<ReadingLookup>* trace_ = nullptr;
};

// "\r\n" runs that join the sections of the page.
inline constexpr std::string_view kNL2 = "\r\n\r\n";
inline constexpr std::string_view kNL3 = "\r\n\r\n\r\n";

// The long name of the weekday of a day number in the names in force.
std::string WeekdayName(const DayValues& day, DayNumber date);

// Upper case of ASCII letters only.
std::string UpperAscii(std::string_view text);

// Without the characters of code 32 or below at the start (StripLeading) or
// at both ends (StripBoth).
std::string_view StripLeading(std::string_view text);
std::string_view StripBoth(std::string_view text);

}  // namespace kal
