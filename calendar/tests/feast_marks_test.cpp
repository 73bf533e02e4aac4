// The strictness of each day's fast and the rank of its feast, as the month
// grid and the calendar export show them, against the fasting text itself.
#include <gtest/gtest.h>

#include <string>

#include "test_dates.h"

namespace kal {
namespace {

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// What the fasting text says of the day, read the way a reader reads it.
FastLevel LevelTheTextGives(const std::string& text, int zacchaeusId) {
  if (Has(text, "Fish") || Has(text, "Caviar")) return FastLevel::Fish;
  if (Has(text, "Wine and oil allowed") || Has(text, "Wine allowed")) return FastLevel::WineOil;
  if (Has(text, "Fast Free") || Has(text, "fare")) return FastLevel::None;
  if (Has(text, "Fast Day") || Has(text, " Fast")) return FastLevel::Strict;
  // Great Lent and Holy Week carry no label: every day of them is a fast.
  return zacchaeusId >= 29 && zacchaeusId <= 76 ? FastLevel::Strict : FastLevel::None;
}

TEST(FeastMarks, TheFastOfEveryDayAgreesWithItsFastingText) {
  for (CalendarMode mode : {CalendarMode::New, CalendarMode::Old}) {
    for (int year : {2024, 2025, 2026, 2027}) {
      const SelectedDay first = mode == CalendarMode::New ? test::NewDay(year, 1, 1) : test::JulianDay(year, 1, 1);
      const DayNumber from = first.NewDate;
      for (DayNumber n = from; n < from + (IsLeapYear(static_cast<std::uint16_t>(year)) ? 366 : 365); ++n) {
        const SelectedDay day = MakeSelectedDay(n, CalendarMode::New);
        SelectedDay shown = mode == CalendarMode::New ? day : MakeSelectedDay(day.OldDate, CalendarMode::Old);
        const std::string text = FastingText(shown, mode);
        EXPECT_EQ(FastingLevel(shown, mode), LevelTheTextGives(text, ZacchaeusID(shown)))
            << DateTitle(shown, mode) << (mode == CalendarMode::Old ? " (old)" : " (new)") << ": \"" << text << "\"";
      }
    }
  }
}

TEST(FeastMarks, KnownDays) {
  using M = CalendarMode;
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 2, 23), M::New), FastLevel::Strict);   // Clean Monday
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 4, 10), M::New), FastLevel::Strict);   // Holy Friday
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 4, 11), M::New), FastLevel::WineOil);  // Holy Saturday: wine
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 4, 5), M::New), FastLevel::Fish);      // Palm Sunday
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 4, 15), M::New), FastLevel::None);     // Bright Wednesday
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 12, 25), M::New), FastLevel::None);
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 12, 23), M::New), FastLevel::Strict);  // a Wednesday of the Nativity Fast
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 12, 24), M::New), FastLevel::WineOil);  // its Thursday
  EXPECT_EQ(FastingLevel(test::JulianDay(2026, 1, 5), M::Old), FastLevel::WineOil);  // Eve of Theophany
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 2, 25), M::New), FastLevel::Strict);   // Wednesday of the first week
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 2, 18), M::New), FastLevel::None);     // Wednesday of Cheese-fare Week
  EXPECT_EQ(FastingLevel(test::NewDay(2026, 2, 11), M::New), FastLevel::Strict);   // an ordinary Wednesday
}

TEST(FeastMarks, PaschaAndTheTwelveGreatFeastsOnBothCalendars) {
  using M = CalendarMode;
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 4, 12), M::New), FeastRank::Pascha);
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 4, 5), M::New), FeastRank::GreatFeast);   // Palm Sunday
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 5, 21), M::New), FeastRank::GreatFeast);  // Ascension
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 5, 31), M::New), FeastRank::GreatFeast);  // Pentecost
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 12, 25), M::New), FeastRank::GreatFeast);
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 12, 25), M::Old), FeastRank::None) << "12 December on the Old calendar";
  EXPECT_EQ(FeastRankOf(test::JulianDay(2026, 12, 25), M::Old), FeastRank::GreatFeast);
  EXPECT_EQ(FeastRankOf(test::NewDay(2026, 6, 29), M::New), FeastRank::None) << "Sts Peter and Paul: not of the twelve";

  for (M mode : {M::New, M::Old}) {
    for (int year = 2000; year <= 2040; ++year) {
      int pascha = 0, feasts = 0;
      const SelectedDay first = mode == M::New ? test::NewDay(year, 1, 1) : test::JulianDay(year, 1, 1);
      for (DayNumber n = first.NewDate; n < first.NewDate + 365; ++n) {
        const SelectedDay day = MakeSelectedDay(n, M::New);
        const SelectedDay shown = mode == M::New ? day : MakeSelectedDay(day.OldDate, M::Old);
        const FeastRank rank = FeastRankOf(shown, mode);
        pascha += rank == FeastRank::Pascha;
        feasts += rank == FeastRank::GreatFeast;
      }
      EXPECT_EQ(pascha, 1) << year;
      // Twelve, less one when the Annunciation falls on Palm Sunday or Pascha.
      EXPECT_GE(feasts, 11) << year;
      EXPECT_LE(feasts, 12) << year;
    }
  }
}

}  // namespace
}  // namespace kal
