#include <gtest/gtest.h>

#include "test_dates.h"

namespace kal {
namespace {

constexpr const char* kFish = "   Fish, wine and oil allowed";
constexpr const char* kWineOil = "   Wine and oil allowed";

struct DatedCase {
  YearMonthDay date;  // New date, or Julian date on the Old calendar
  CalendarMode mode;
  std::string text;
};

void PrintTo(const DatedCase& c, std::ostream* os) {
  PrintTo(c.date, os);
  *os << (c.mode == CalendarMode::Old ? " old" : " new");
}

class FastingByDateTest : public testing::TestWithParam<DatedCase> {};

TEST_P(FastingByDateTest, Text) {
  const DatedCase& c = GetParam();
  const SelectedDay day = c.mode == CalendarMode::New ? test::NewDay(c.date.year, c.date.month, c.date.day)
                                                      : test::JulianDay(c.date.year, c.date.month, c.date.day);
  EXPECT_EQ(FastingText(day, c.mode), c.text);
}

constexpr CalendarMode New = CalendarMode::New;
constexpr CalendarMode Old = CalendarMode::Old;

INSTANTIATE_TEST_SUITE_P(
    Year2020, FastingByDateTest,
    testing::Values(
        DatedCase{{2020, 2, 12}, New, "   Fast Free Week"},  // a Wednesday after the Publican
        DatedCase{{2020, 2, 23}, New, "   Meat-fare Sunday"},
        DatedCase{{2020, 2, 26}, New, "   Cheese-fare Week"},
        DatedCase{{2020, 3, 1}, New, "   Cheese-fare Sunday"},
        DatedCase{{2020, 3, 9}, New, kWineOil},   // Forty Martyrs on a Lenten weekday
        DatedCase{{2020, 3, 14}, New, kWineOil},  // Saturday in Lent
        DatedCase{{2020, 3, 25}, New, kFish},     // Annunciation in Lent
        DatedCase{{2020, 4, 1}, New, kWineOil},   // Wednesday of the Great Canon
        DatedCase{{2020, 4, 3}, New, "   Wine allowed"},
        DatedCase{{2020, 4, 11}, New, "   Caviar, wine and oil allowed"},
        DatedCase{{2020, 4, 12}, New, kFish},
        DatedCase{{2020, 4, 17}, New, ""},
        DatedCase{{2020, 4, 18}, New, "   Wine allowed"},
        DatedCase{{2020, 5, 13}, New, std::string("   Fast Day") + kFish},
        DatedCase{{2020, 6, 10}, New, "   Fast Free Week"},
        DatedCase{{2020, 6, 21}, New, std::string("   Apostles' Fast") + kFish},
        DatedCase{{2020, 8, 6}, New, std::string("   Dormition Fast") + kFish},
        DatedCase{{2020, 8, 29}, New, std::string("   Fast Day") + kWineOil},
        DatedCase{{2020, 11, 16}, New, std::string("   Nativity Fast") + kFish},  // saint on a Monday
        DatedCase{{2020, 11, 23}, New, "   Nativity Fast"},
        DatedCase{{2020, 12, 1}, New, std::string("   Nativity Fast") + kWineOil},  // Tuesday
        DatedCase{{2020, 12, 6}, New, std::string("   Nativity Fast") + kFish},     // Sunday
        DatedCase{{2020, 12, 20}, New, std::string("   Nativity Fast") + kWineOil},  // Sunday of the forefeast
        DatedCase{{2020, 12, 23}, New, "   Nativity Fast"},
        DatedCase{{2020, 12, 24}, New, std::string("   Nativity Fast") + kWineOil},
        DatedCase{{2020, 12, 25}, New, "   Fast Free"},
        DatedCase{{2020, 12, 30}, New, "   Fast Free Period"},
        DatedCase{{2021, 1, 5}, New, std::string("   Fast Day") + kWineOil},
        DatedCase{{2021, 1, 6}, New, "   Fast Free"},
        DatedCase{{2021, 1, 7}, New, ""}));

INSTANTIATE_TEST_SUITE_P(
    OldCalendar, FastingByDateTest,
    testing::Values(
        DatedCase{{2020, 12, 25}, Old, "   Fast Free"},  // New 7 January 2021
        DatedCase{{2021, 1, 5}, Old, std::string("   Fast Day") + kWineOil},
        DatedCase{{2020, 12, 30}, Old, "   Fast Free Period"}));

// Before the Monday after All Saints the Apostles' Fast has not begun (2010:
// Pascha on 4 April, All Saints on 30 May).
INSTANTIATE_TEST_SUITE_P(
    ApostlesFastStart, FastingByDateTest,
    testing::Values(DatedCase{{2010, 5, 19}, New, std::string("   Fast Day") + kWineOil},
                    DatedCase{{2010, 5, 30}, New, ""},
                    DatedCase{{2010, 6, 2}, New, "   Apostles' Fast"},
                    DatedCase{{2010, 6, 3}, New, std::string("   Apostles' Fast") + kWineOil}));

// Rules that only meet on rare days, given by their inputs.
TEST(FastingRulesTest, GreatFeastsInHolyWeek) {
  struct Case { FastingDay in; const char* text; };
  for (const Case c : {Case{{72, 3, 325}, kWineOil},           // Annunciation on Great Tuesday
                       Case{{73, 4, 325}, kWineOil},           // Great Wednesday: no fish
                       Case{{75, 6, 325}, "   Wine allowed"},  // Great Friday
                       Case{{76, 7, 325}, "   Wine allowed"},
                       Case{{52, 4, 325}, kFish}, Case{{24, 4, 202}, "   Cheese-fare Week"},
                       Case{{10, 4, 202}, "   Fast Free Week"}, Case{{300, 4, 202}, "   Fast Day   Fish, wine and oil allowed"}})
    EXPECT_EQ(FastingText(c.in), c.text) << c.in.zacchaeusId << " " << c.in.dateKey;
}

TEST(FastingRulesTest, SaintsOnFastDays) {
  struct Case { FastingDay in; const char* text; };
  for (const Case c : {Case{{340, 4, 111}, "   Fast Day   Wine and oil allowed"},  // saint on a Wednesday
                       Case{{340, 5, 111}, ""},                                    // ... on a Thursday
                       Case{{150, 2, 608}, "   Apostles' Fast   Fish, wine and oil allowed"},
                       Case{{150, 2, 607}, "   Apostles' Fast"},
                       Case{{150, 3, 607}, "   Apostles' Fast   Wine and oil allowed"},
                       Case{{200, 2, 808}, "   Dormition Fast"},
                       Case{{200, 7, 808}, "   Dormition Fast   Wine and oil allowed"}})
    EXPECT_EQ(FastingText(c.in), c.text) << c.in.zacchaeusId << " " << c.in.dateKey;
}

}  // namespace
}  // namespace kal

namespace kal {
namespace {

// The Apodosis of Pascha is always a Wednesday, and fish is allowed on it.
TEST(FastingTest, FishOnTheApodosisOfPascha) {
  for (int year = 2020; year <= 2035; ++year) {
    const SelectedDay day = MakeSelectedDay(PaschaOfYear(year) + 38, CalendarMode::New);
    ASSERT_EQ(DayOfWeek(day.NewDate), 4) << year;
    EXPECT_EQ(FastingText(day, CalendarMode::New), std::string("   Fast Day") + kFish) << year;
    EXPECT_EQ(FastingText(MakeSelectedDay(day.OldDate, CalendarMode::Old), CalendarMode::Old),
              std::string("   Fast Day") + kFish)
        << year;
  }
}

}  // namespace
}  // namespace kal
