#include "calendar/day_designation.h"

#include <algorithm>
#include <array>

#include "calendar/church_year.h"
#include "calendar/day_names.h"
#include "calendar/fasting.h"

namespace kal {
namespace {

bool HasNamedDay(int a) {
  static constexpr std::array<std::uint8_t, 31> kNamed = {
      20, 27, 29, 34, 41, 48, 55, 62, 69, 71, 72, 73, 74, 75, 76, 78,
      79, 80, 81, 82, 83, 101, 115, 116, 117, 118, 124, 125, 127, 128, 132};
  return a <= 255 && std::binary_search(kNamed.begin(), kNamed.end(), static_cast<std::uint8_t>(a));
}

}  // namespace

std::string DateTitle(const SelectedDay& day, CalendarMode mode, const DateNames& names) {
  const std::string weekday = names.WeekdayName(DayOfWeek(day.NewDate));
  if (mode == CalendarMode::Old) {
    const YearMonthDay old = DecodeDate(day.OldDate);
    return weekday + ", " + names.MonthName(old.month) + " " + std::to_string(old.day) + ", " +
           YearText(day, mode);
  }
  const YearMonthDay ymd = DecodeDate(day.NewDate);
  return weekday + ", " + names.MonthName(ymd.month) + " " + std::to_string(ymd.day) + ", " +
         std::to_string(ymd.year);
}

std::string MonthText(const SelectedDay& day, CalendarMode mode, const DateNames& names) {
  return names.StandaloneMonthName(DecodeDate(mode == CalendarMode::Old ? day.OldDate : day.NewDate).month);
}

std::string YearText(const SelectedDay& day, CalendarMode mode) {
  // The Julian year: 13 days back from the New date.
  return std::to_string(DecodeDate(mode == CalendarMode::Old ? day.NewDate - 13 : day.NewDate).year);
}

std::string ToneText(const SelectedDay& day) { return "   Tone " + std::to_string(WeekTone(day)); }

std::uint16_t DayNameId(const SelectedDay& day) {
  const int a = ZacchaeusID(day);
  // Zacchaeus Sunday and its week are named as the Sunday and week after
  // Pentecost that they are, counted from the previous Zacchaeus Sunday.
  const int sincePrevious = day.NewDate - day.PrevZacchaeusSunday;
  if (a == 0) return static_cast<std::uint16_t>(1800 + sincePrevious / 7);
  if (a <= 6) return static_cast<std::uint16_t>(1900 + sincePrevious / 7);
  if (HasNamedDay(a)) return static_cast<std::uint16_t>(1400 + a);
  if (a % 7 == 0) return static_cast<std::uint16_t>(1800 + a / 7);
  return static_cast<std::uint16_t>(1900 + a / 7);
}

std::string InfoText(const SelectedDay& day, CalendarMode mode) {
  const int a = ZacchaeusID(day);
  const std::optional<std::string> name = DayName(DayNameId(day));
  const std::string fasting = FastingText(day, mode);
  if (a == 0) return (name ? *name + " (Zacchaeus Sunday)" : "ZacchaeusID = 0 error") + ToneText(day) + fasting;
  // From Palm Sunday to Bright Saturday, and on Pentecost, no tone is shown.
  if ((a >= 70 && a <= 83) || a == 126) return (name ? *name : "ZacchaeusID in [70..83, 126] error") + fasting;
  return (name ? *name : "LoadString error") + ToneText(day) + fasting;
}

std::uint16_t SubstituteIconKey(std::uint16_t a, std::uint16_t key) {
  // Seasons of the movable cycle: icons 1 to 5 of the base icon library.
  if (a == 70) return 1;    // Palm Sunday
  if (a == 75) return 2;    // Great Friday
  if (a >= 77 && a <= 115) return 3;   // Pascha to its Apodosis
  if (a >= 116 && a <= 124) return 4;  // Ascension to the Friday before Pentecost
  if (a >= 125 && a <= 132) return 5;  // Saturday before Pentecost to its Apodosis

  // Forefeasts and afterfeasts take the feast's icon; looked up once only.
  struct Run {
    std::uint16_t first, last, icon;
  };
  static constexpr auto kRuns = std::to_array<Run>({
      {102, 105, 106},  {107, 114, 106},  {127, 127, 1113}, {129, 129, 1220}, {201, 201, 202},
      {203, 207, 202},  {224, 224, 107},  {324, 324, 325},  {525, 525, 107},  {713, 713, 326},
      {719, 719, 102},  {802, 802, 1227}, {805, 805, 806},  {807, 813, 806},  {814, 814, 815},
      {816, 823, 815},  {907, 907, 908},  {909, 912, 908},  {913, 913, 914},  {915, 921, 914},
      {923, 923, 107},  {1120, 1120, 1121}, {1122, 1125, 1121}, {1220, 1224, 1225},
      {1226, 1231, 1225},
  });
  for (const Run& run : kRuns)
    if (key >= run.first && key <= run.last) return run.icon;
  return key;
}

std::uint16_t SubstituteIconKey(const SelectedDay& day, std::uint16_t dateKey) {
  return SubstituteIconKey(ZacchaeusID(day), dateKey);
}

FeastRank FeastRankOf(const SelectedDay& day, CalendarMode mode) {
  // Nativity of the Theotokos, Exaltation, Entry, Nativity, Theophany,
  // Meeting, Annunciation, Transfiguration, Dormition.
  static constexpr std::uint16_t kFixed[] = {908, 914, 1121, 1225, 106, 202, 325, 806, 815};
  const int a = ZacchaeusID(day);
  if (a == movable::kPascha) return FeastRank::Pascha;
  if (a == movable::kPalmSunday || a == movable::kAscension || a == movable::kPentecost) return FeastRank::GreatFeast;
  const std::uint16_t key = DateKey(day, mode);
  for (std::uint16_t k : kFixed)
    if (k == key) return FeastRank::GreatFeast;
  return FeastRank::None;
}

}  // namespace kal
