// The sections of the readings page that follow the day's place in the
// movable cycle: its name, the Matins Gospel, the Hours and Vespers, the
// Matins of Holy Saturday and the Liturgy. Every builder leaves NewTstmt.dat
// open; the Matins Gospel and the Liturgy read it without opening it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "day_values.h"

namespace kal {

// What kind of Liturgy a day of the movable cycle has, and whether it also
// carries a commemoration with its own Epistle and Gospel (E2, G2).
struct DailyServiceRow {
  std::uint16_t Day;
  bool Commemoration;
  const char* Name;
};

// One Gospel of Matins, read from NewTstmt.dat; Title is printed above it.
struct MatinsGospelRow {
  std::uint16_t Number;
  const char* Title;
  std::uint16_t Book;
  const char* StartChapter;
  const char* StartVerse;
  const char* EndChapter;
  const char* EndVerse;
};

// Days 0 and 7 to 189; later days have a plain Liturgy.
std::span<const DailyServiceRow> DailyServiceTable();
// Numbers 1 to 32: the eleven Resurrection Gospels, Holy Week, the Twelve
// Passion Gospels and the Gospels of Ascension and Pentecost.
std::span<const MatinsGospelRow> MatinsGospelTable();

struct DailyService {
  std::string Name;
  bool Commemoration = false;
};
// The row of a day up to 189, "Liturgy" for any later day, nothing for the
// days that never occur (1 to 6).
std::optional<DailyService> FindDailyService(std::uint16_t day);

inline constexpr const char* kDailyInfoError = "  An error occured in the GetDailyInfo function";
inline constexpr const char* kMatinsGospelError = "  An error occured in the GetMatinsGospelVerses function";

// The heading that names the day ("Pascha", "5th Sunday after Pentecost",
// "Bright Monday", or the weekday's long name).
std::string GetDayName(const DayValues& day);
// The number of the day's Matins Gospel in MatinsGospelTable, 0 for none.
int MatinsGospelNumber(const DayValues& day);
std::string GetMatinsGospelVerses(ReadingsContext& context);
std::string GetHoursAndVespers(ReadingsContext& context);

// The Holy Fathers of the First Six Councils are kept on the Sunday of 13 to
// 19 July (Menaion date of the calendar in force). Their readings are stored
// under day 189, which is read as an ordinary Sunday.
inline constexpr std::uint16_t kCouncilFathersKeyDay = 189;
bool CouncilFathersSunday(const DayValues& day);
std::string GetHolySaturdayMatins(ReadingsContext& context);
// The Liturgy: its heading, Epistle and Gospel, and a commemoration's after.
std::string GetDailyInfo(ReadingsContext& context);

}  // namespace kal
