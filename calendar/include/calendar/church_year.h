// The named days of the movable cycle, as ZacchaeusID values (days since
// Zacchaeus Sunday, Pascha - 77), and the weekdays as DayOfWeek numbers.
// Rules of the church year are written with these names, not bare numbers.
#pragma once

#include <cstdint>

namespace kal {

namespace movable {
inline constexpr int kZacchaeusSunday = 0;
inline constexpr int kPublicanSunday = 7;
inline constexpr int kProdigalSunday = 14;
inline constexpr int kMeatFareSunday = 21;
inline constexpr int kCheeseFareSunday = 28;
inline constexpr int kCleanMonday = 29;
inline constexpr int kLentSecondMonday = 36;
inline constexpr int kLazarusSaturday = 69;
inline constexpr int kPalmSunday = 70;
inline constexpr int kHolyMonday = 71;
inline constexpr int kHolyThursday = 74;
inline constexpr int kHolyFriday = 75;
inline constexpr int kHolySaturday = 76;
inline constexpr int kPascha = 77;
inline constexpr int kBrightMonday = 78;
inline constexpr int kBrightSaturday = 83;
inline constexpr int kThomasSunday = 84;
inline constexpr int kMidPentecost = 101;
inline constexpr int kApodosisOfPascha = 115;
inline constexpr int kAscension = 116;
inline constexpr int kPentecost = 126;
inline constexpr int kAllSaintsSunday = 133;
inline constexpr int kApostlesFastBegins = 134;  // the Monday after All Saints

// Whether a ZacchaeusID lies between two named days, both included.
constexpr bool Between(int a, int first, int last) { return a >= first && a <= last; }
}  // namespace movable

enum Weekday : int { kSunday = 1, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

}  // namespace kal
