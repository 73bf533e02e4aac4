#include "calendar/fasting.h"

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

// Movable-cycle days (ZacchaeusID values).
constexpr std::array<std::uint16_t, 8> kFishExceptions = {10, 12, 24, 26, 73, 75, 80, 82};

bool In(std::span<const std::uint16_t> list, std::uint16_t key) {
  return std::find(list.begin(), list.end(), key) != list.end();
}
bool Between(int a, int lo, int hi) { return a >= lo && a <= hi; }

bool InOilExceptions(int a) {
  return a == 10 || a == 12 || a == 24 || a == 26 || Between(a, 29, 69) || a == 80 || a == 82 ||
         a == 129 || a == 131;
}

// Monday to Friday of the second to the sixth week of Great Lent.
bool InLentWeekdays(int a) { return Between(a, 36, 68) && (a - 36) % 7 < 5; }

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
  const bool apostles = kApostlesFastDays.Holds(k) && Between(a, 134, 180);
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

  const bool wedFri = w == 4 || w == 6;
  const bool satSun = w == 1 || w == 7;

  // Label: a fast day, then the season over it, then the fast-free and
  // pre-Lenten weeks over both.
  std::string text;
  if (wedFri || strict) text = "   Fast Day";
  bool fast = wedFri || strict || Between(a, 29, 76) || apostles || dormition || nativity;

  if (Between(a, 29, 76)) text.clear();  // Great Lent and Holy Week carry no label
  else if (apostles) text = "   Apostles' Fast";
  else if (dormition) text = "   Dormition Fast";
  else if (nativity) text = "   Nativity Fast";

  if (Between(a, 8, 13) || Between(a, 78, 83) || Between(a, 127, 132)) text = "   Fast Free Week";
  else if (a == 21) text = "   Meat-fare Sunday";
  else if (Between(a, 22, 27)) text = "   Cheese-fare Week";
  else if (a == 28) text = "   Cheese-fare Sunday";
  else if (christmas || theophany) text = "   Fast Free";
  else if (feastFree) text = "   Fast Free Period";
  if (Between(a, 8, 13) || Between(a, 78, 83) || Between(a, 127, 132) || Between(a, 21, 28) || christmas ||
      theophany || feastFree)
    fast = false;

  // Allowance: the first rule that holds.
  const char* allowance = nullptr;
  if (a == 70 || a == 101 || a == 115)
    allowance = kFishWineOil;
  else if ((apostles || nativityEarly) && satSun)
    allowance = kFishWineOil;
  else if (greatFeast && (wedFri || Between(a, 29, 69) || dormition || apostles || nativityEarly) &&
           !In(kFishExceptions, static_cast<std::uint16_t>(a)))
    allowance = kFishWineOil;
  else if ((apostles || nativityEarly) && (w == 2 || w == 3 || w == 5) && saint)
    allowance = kFishWineOil;
  else if (a == 69)
    allowance = kCaviarWineOil;
  else if (strict)
    allowance = kWineOil;
  else if (greatFeast && Between(a, 71, 74))
    allowance = kWineOil;
  else if (Between(a, 34, 69) && satSun)
    allowance = kWineOil;
  else if (InLentWeekdays(a) && lentFeast)
    allowance = kWineOil;
  else if (a == 59 || a == 60 || a == 74)
    allowance = kWineOil;
  else if (Between(a, 87, 124) && wedFri)
    allowance = kWineOil;
  else if ((dormition || forefeast) && satSun)
    allowance = kWineOil;
  else if ((apostles || nativity) && (w == 3 || w == 5))
    allowance = kWineOil;
  else if ((wedFri || strict || apostles || nativity) && saint && !InOilExceptions(a))
    allowance = kWineOil;
  else if (a == 61 || a == 76 || (greatFeast && a == 75))
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
