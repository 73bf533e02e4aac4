// The texts that name the selected day: the date title, the month and year
// of the date selection window, the info text (day name, tone, fasting) and
// the substitute icon key.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/date_names.h"
#include "calendar/selected_day.h"

namespace kal {

// "Sunday, April 19, 2020"; in Old Calendar mode the Julian weekday, month,
// day and year ("Sunday, April 6, 2020" for the same day).
std::string DateTitle(const SelectedDay& day, CalendarMode mode,
                      const DateNames& names = EnglishDateNames());
std::string MonthText(const SelectedDay& day, CalendarMode mode,
                      const DateNames& names = EnglishDateNames());
std::string YearText(const SelectedDay& day, CalendarMode mode);

// "   Tone " and the tone of the week.
std::string ToneText(const SelectedDay& day);

// Number of the day name shown for the day (see day_names.h).
std::uint16_t DayNameId(const SelectedDay& day);

// Day name, tone and fasting rule, as shown in the info bar.
std::string InfoText(const SelectedDay& day, CalendarMode mode);

// The key of the icon that stands for the day: a season's icon during the
// movable feasts, a feast's icon during its forefeast and afterfeast, or the
// date key itself.
std::uint16_t SubstituteIconKey(const SelectedDay& day, std::uint16_t dateKey);
std::uint16_t SubstituteIconKey(std::uint16_t zacchaeusId, std::uint16_t dateKey);

// Pascha, one of the Twelve Great Feasts (the nine of the Menaion, on the
// calendar in force, and Palm Sunday, the Ascension and Pentecost), or neither.
enum class FeastRank { None, GreatFeast, Pascha };
FeastRank FeastRankOf(const SelectedDay& day, CalendarMode mode);

}  // namespace kal
