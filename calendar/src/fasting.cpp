#include "calendar/fasting.h"

#include "calendar/church_year.h"

#include <algorithm>
#include <array>
#include <span>

namespace kal {
namespace {

// Fixed-cycle days, as date keys (month x 100 + day).
constexpr std::array<std::uint16_t, 3> kStrictFastDays = {105, 829, 914};
constexpr std::array<std::uint16_t, 11> kGreatFeastDays = {107, 202, 325, 624, 629, 630,
                                                           806, 815, 908, 1114, 1121};
constexpr std::array<std::uint16_t, 58> kSaintFeastDays = {
    111,  116,  117,  118,  120,  122,  125,  127,  130,  208,  217,  224,  309,  521, 524,
    525,  608,  611,  619,  701,  702,  708,  715,  717,  720,  722,  725,  727,  831, 901,
    906,  909,  913,  920,  923,  926,  1001, 1006, 1009, 1018, 1023, 1026, 1101, 1108, 1112,
    1113, 1116, 1124, 1130, 1204, 1205, 1206, 1209, 1212, 1213, 1217, 1220, 1224};
constexpr std::array<std::uint16_t, 7> kLentenFeastDays = {217, 224, 309, 324, 326, 423, 425};

// Seasons as runs of date keys.
struct KeyRun {
  std::uint16_t first, last;
  bool Holds(std::uint16_t key) const { return key >= first && key <= last; }
};
constexpr KeyRun kApostlesFastDays{510, 628};     // 50 days; in force only from A = 134 to 180
constexpr KeyRun kDormitionFastDays{801, 814};
constexpr KeyRun kNativityFastDays{1115, 1224};
constexpr KeyRun kNativityForefeastDays{1220, 1224};
constexpr KeyRun kFastFreeAfterNativity{1226, 1231};
constexpr KeyRun kFastFreeBeforeTheophany{101, 104};

constexpr std::uint16_t kChristmas = 1225, kTheophany = 106;

using namespace movable;

// Wednesdays and Fridays of the fast-free weeks and of Holy Week that keep
// no fish even on a great feast (ZacchaeusID values).
constexpr std::array<std::uint16_t, 8> kFishExceptions = {
    kPublicanSunday + 3, kPublicanSunday + 5, kMeatFareSunday + 3, kMeatFareSunday + 5,
    kPalmSunday + 3,     kHolyFriday,         kBrightMonday + 2,   kBrightMonday + 4};

bool In(std::span<const std::uint16_t> list, std::uint16_t key) {
  return std::find(list.begin(), list.end(), key) != list.end();
}
// Days on which a saint's feast brings no oil: the Wednesdays and Fridays of
// the fast-free weeks, Great Lent to Lazarus Saturday.
bool InOilExceptions(int a) {
  return a == kPublicanSunday + 3 || a == kPublicanSunday + 5 || a == kMeatFareSunday + 3 ||
         a == kMeatFareSunday + 5 || Between(a, kCleanMonday, kLazarusSaturday) || a == kBrightMonday + 2 ||
         a == kBrightMonday + 4 || a == kPentecost + 3 || a == kPentecost + 5;
}

// Monday to Friday of the second to the sixth week of Great Lent.
bool InLentWeekdays(int a) {
  return Between(a, kLentSecondMonday, kLazarusSaturday - 1) && (a - kLentSecondMonday) % 7 < 5;
}

// The fast-free weeks: after the Publican and Pharisee, Bright Week, the week after Pentecost.
bool InFastFreeWeek(int a) {
  return Between(a, kPublicanSunday + 1, kPublicanSunday + 6) || Between(a, kBrightMonday, kBrightSaturday) ||
         Between(a, kPentecost + 1, kPentecost + 6);
}

// Great Lent and Holy Week.
bool InGreatLent(int a) { return Between(a, kCleanMonday, kHolySaturday); }

constexpr const char* kFishWineOil = "   Fish, wine and oil allowed";
constexpr const char* kCaviarWineOil = "   Caviar, wine and oil allowed";
constexpr const char* kWineOil = "   Wine and oil allowed";
constexpr const char* kWine = "   Wine allowed";

// The day's rule: its text, and whether the day is kept as a fast at all.
struct Ruling {
  std::string text;
  const char* allowance = nullptr;
  bool fast = false;
};

Ruling Rule(const FastingDay& in) {
  const int a = in.zacchaeusId;
  const int w = in.weekday;
  const std::uint16_t k = in.dateKey;

  const bool strict = In(kStrictFastDays, k);
  // The fast begins with the Monday after All Saints and ends on 28 June.
  const bool apostles = kApostlesFastDays.Holds(k) && a >= kApostlesFastBegins;
  const bool dormition = kDormitionFastDays.Holds(k);
  const bool nativity = kNativityFastDays.Holds(k);
  const bool forefeast = kNativityForefeastDays.Holds(k);
  const bool nativityEarly = nativity && !forefeast;  // 15 November to 19 December
  const bool feastFree = kFastFreeAfterNativity.Holds(k) || kFastFreeBeforeTheophany.Holds(k);
  const bool greatFeast = In(kGreatFeastDays, k);
  const bool saint = In(kSaintFeastDays, k);
  const bool lentFeast = In(kLentenFeastDays, k);
  const bool christmas = k == kChristmas;
  const bool theophany = k == kTheophany;

  const bool wedFri = w == kWednesday || w == kFriday;
  const bool satSun = w == kSunday || w == kSaturday;

  // Label: a fast day, then the season over it, then the fast-free and
  // pre-Lenten weeks over both.
  std::string text;
  if (wedFri || strict) text = "   Fast Day";
  bool fast = wedFri || strict || InGreatLent(a) || apostles || dormition || nativity;

  if (InGreatLent(a)) text.clear();  // Great Lent and Holy Week carry no label
  else if (apostles) text = "   Apostles' Fast";
  else if (dormition) text = "   Dormition Fast";
  else if (nativity) text = "   Nativity Fast";

  if (InFastFreeWeek(a)) text = "   Fast Free Week";
  else if (a == kMeatFareSunday) text = "   Meat-fare Sunday";
  else if (Between(a, kMeatFareSunday + 1, kCheeseFareSunday - 1)) text = "   Cheese-fare Week";
  else if (a == kCheeseFareSunday) text = "   Cheese-fare Sunday";
  else if (christmas || theophany) text = "   Fast Free";
  else if (feastFree) text = "   Fast Free Period";
  if (InFastFreeWeek(a) || Between(a, kMeatFareSunday, kCheeseFareSunday) || christmas || theophany || feastFree)
    fast = false;

  // Allowance: the first rule that holds.
  const char* allowance = nullptr;
  if (a == kPalmSunday || a == kMidPentecost || a == kApodosisOfPascha)
    allowance = kFishWineOil;
  else if ((apostles || nativityEarly) && satSun)
    allowance = kFishWineOil;
  else if (greatFeast && (wedFri || Between(a, kCleanMonday, kLazarusSaturday) || dormition || apostles || nativityEarly) &&
           !In(kFishExceptions, static_cast<std::uint16_t>(a)))
    allowance = kFishWineOil;
  else if ((apostles || nativityEarly) && (w == kMonday || w == kTuesday || w == kThursday) && saint)
    allowance = kFishWineOil;
  else if (a == kLazarusSaturday)
    allowance = kCaviarWineOil;
  else if (strict)
    allowance = kWineOil;
  else if (greatFeast && Between(a, kHolyMonday, kHolyThursday))
    allowance = kWineOil;
  else if (Between(a, kCleanMonday + 5, kLazarusSaturday) && satSun)
    allowance = kWineOil;
  else if (InLentWeekdays(a) && lentFeast)
    allowance = kWineOil;
  // The Wednesday and Thursday of the Great Canon in the fifth week, and Holy Thursday.
  else if (a == kPalmSunday - 11 || a == kPalmSunday - 10 || a == kHolyThursday)
    allowance = kWineOil;
  else if (Between(a, kThomasSunday + 3, kPentecost - 2) && wedFri)
    allowance = kWineOil;
  else if ((dormition || forefeast) && satSun)
    allowance = kWineOil;
  else if ((apostles || nativity) && (w == kTuesday || w == kThursday))
    allowance = kWineOil;
  else if ((wedFri || strict || apostles || nativity) && saint && !InOilExceptions(a))
    allowance = kWineOil;
  // The Friday of the Akathist, Holy Saturday.
  else if (a == kPalmSunday - 9 || a == kHolySaturday || (greatFeast && a == kHolyFriday))
    allowance = kWine;

  if (allowance) text += allowance;
  return Ruling{text, allowance, fast};
}

}  // namespace

std::string FastingText(const FastingDay& in) { return Rule(in).text; }

FastLevel FastingLevel(const FastingDay& in) {
  const Ruling r = Rule(in);
  if (!r.fast) return FastLevel::None;
  if (r.allowance == kFishWineOil || r.allowance == kCaviarWineOil) return FastLevel::Fish;
  if (r.allowance == kWineOil || r.allowance == kWine) return FastLevel::WineOil;
  return FastLevel::Strict;
}

FastLevel FastingLevel(const SelectedDay& day, CalendarMode mode) {
  return FastingLevel(FastingDay{ZacchaeusID(day), DayOfWeek(day.NewDate), DateKey(day, mode)});
}

std::string FastingText(const SelectedDay& day, CalendarMode mode) {
  return FastingText(FastingDay{ZacchaeusID(day), DayOfWeek(day.NewDate), DateKey(day, mode)});
}

}  // namespace kal
