// kalday --hymns and --find-saint: the day's troparia and kontakia from the
// hymn library, and the next day whose saints match a name.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "day_context.h"
#include "json_writer.h"

namespace kalday {

// The day's document (date key of the calendar in force) as plain text.
std::string HymnsText(const DayContext& context);
// The hymn library's document for a date key as plain text; empty when none.
std::string HymnsText(std::uint16_t dateKey);

struct SaintFound {
  std::uint16_t key = 0;  // month * 100 + day
  std::string date;       // YYYY-MM-DD in the same year of the calendar in force
};

// Searches from the day's date key, wrapping round the year; nothing when no
// day matches.
std::optional<SaintFound> FindSaint(const DayContext& context, const std::string& text);

void PrintHymnsText(const DayContext& context, std::ostream& out);
void WriteHymnsJson(const DayContext& context, JsonWriter& json);

// Returns the exit status: 0 when found, 1 when not.
int PrintFindSaintText(const DayContext& context, const std::string& text, std::ostream& out);
int WriteFindSaintJson(const DayContext& context, const std::string& text, JsonWriter& json);

}  // namespace kalday
