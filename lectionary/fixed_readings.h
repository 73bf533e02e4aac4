// The feasts of fixed date and the Saturdays and Sundays around Theophany,
// the Exaltation and the Nativity: their table, the rules that decide how a
// feast meets the movable day, and the builders of the feast's sections.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "day_values.h"

namespace kal {

// Key is a date key "mm/dd" or a special key ("SunBefTheo", "NativRH");
// Title is the heading printed above the feast's readings.
struct FixedFeastRow {
  const char* Key;
  const char* Title;
};

std::span<const FixedFeastRow> FixedFeastTable();
const FixedFeastRow* FindFixedFeast(std::string_view key);

inline constexpr const char* kFixedInfoError = "  An error occured in the GetFixedInfo function";

// The date lists that recognise the feasts and the days around them.
enum class FixedDateList {
  GreatFeast,        // of the Theotokos and the saints, with a forefeast eve
  LesserFeast,       // Circumcision, Three Hierarchs, Protection, St Nicholas
  FeastEve,          // the day before a great feast
  FeastMorrow,       // the day after a great feast
  BeforeTheophany,   // 01/01 to 01/05
  AfterTheophany,    // 01/07 to 01/13
  BeforeExaltation,  // 09/07 to 09/13
  AfterExaltation,   // 09/15 to 09/21
  Forefathers,       // 12/11 to 12/17
  BeforeNativity,    // 12/18 to 12/24
  AfterNativity,     // 12/26 to 12/31
};
bool InDateList(FixedDateList list, std::string_view dateKey);

// The feast's sections are the whole page of the day.
bool FeastReplacesDay(const DayValues& day);
// The feast's sections come first; the movable day follows under "For ".
bool FeastPrecedesDay(const DayValues& day);
// Readings of a Saturday or Sunday around a feast follow the movable day.
bool FeastFollowsDay(const DayValues& day);
// Tomorrow's Liturgy is displaced by a feast and read today as well.
bool ReadsNextDay(const DayValues& day);
// Yesterday's Liturgy was displaced by a feast and is read today as well.
bool ReadsPreviousDay(const DayValues& day);

// The key for FeastReplacesDay and FeastPrecedesDay, and for FeastFollowsDay.
std::string FixedKeyOfDay(const DayValues& day);
std::string FollowingFixedKey(const DayValues& day);

// Title, Royal Hours, Vespers, Matins, Liturgy and the Blessing of the
// Waters, as the key and the day call for them.
std::string GetFixedInfo(ReadingsContext& context, std::string_view key);
// The First, Third, Sixth and Ninth Royal Hours of Great Friday or of the
// eve of the Theophany or the Nativity.
std::string GetRoyalHours(ReadingsContext& context);

}  // namespace kal
