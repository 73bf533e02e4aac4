// The church calendar as an iCalendar file (RFC 5545) for the user's own
// calendar program: one all-day event a day, with the day's name, tone and
// fasting, its commemorations and, if asked, the references of its readings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_number.h"
#include "calendar/selected_day.h"

namespace kal {

struct CalendarExportOptions {
  CalendarMode Mode = CalendarMode::New;
  bool Readings = false;
  // Where the Bible files lie (the readings page is built from them).
  std::filesystem::path ProgramFolder;
  // The day's commemorations, chief first, in UTF-8, for a date key of the
  // calendar in force; the hymn library supplies them.
  std::function<std::vector<std::string>(std::uint16_t dateKey)> Commemorations;
  // DTSTAMP of every event, "YYYYMMDDTHHMMSSZ" (UTC).
  std::string Stamp;
};

// The calendar from `first` to `last`, New-calendar day numbers, both
// included: a whole VCALENDAR with CR LF line ends, folded at 75 octets.
// With readings asked for and a Bible file missing, nothing is written: the
// result is empty and `missing` (when given) gets the message that says so.
std::string CalendarExport(DayNumber first, DayNumber last, const CalendarExportOptions& options,
                           std::string* missing = nullptr);

// A content line folded at 75 octets (never inside a UTF-8 character), with
// its CR LF.
std::string FoldContentLine(std::string_view line);

// Backslash, semicolon, comma and line breaks escaped for a TEXT value.
std::string EscapeText(std::string_view text);

// The title block at the head of a day's hymns as plain text: its lines up
// to the first empty one.
std::vector<std::string> TitleBlock(std::string_view hymnsText);

// "HOLY PROPHET NAHUM" as "Holy Prophet Nahum".
std::string TitleCase(std::string_view upper);

}  // namespace kal
