#include <gtest/gtest.h>

#include <set>

#include "calendar/day_designation.h"
#include "icon_choice.h"

namespace {

using kal::ChooseDayIcon;
using kal::IconCycle;
using kal::MonthFallbackKey;
using kal::NextIconKey;

// A day outside the movable seasons, so the substitute follows the date.
constexpr uint16_t kOrdinaryTime = 300;

kal::SubstituteFn SubstituteAt(uint16_t zacchaeusId) {
  return [zacchaeusId](uint16_t key) { return kal::SubstituteIconKey(zacchaeusId, key); };
}

// The base library and the pack as sets of keys.
struct Libraries {
  std::set<uint16_t> base = {1,   2,   3,   4,   5,   6,   7,   8,   101, 102,  106,  107,  201,  202,
                             325, 326, 401, 423, 505, 521, 610, 619, 624, 629,  806,  815,  829,  908,
                             914, 1001, 1113, 1121, 1125, 1220, 1225, 1227};
  std::set<uint16_t> pack;
  bool packPresent = true;

  Libraries() {
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) pack.insert(static_cast<uint16_t>(10000 + m * 100 + d));
    for (uint16_t k : {20101, 20223, 20409, 20423, 20509, 20611, 20620, 20715, 20801, 20901, 21001, 21109, 21125,
                       21213})
      pack.insert(k);
  }
  kal::SecondIconFn Second() const {
    return [this](uint16_t k) { return packPresent && pack.count(static_cast<uint16_t>(k + 10000)) > 0; };
  }
  bool HasIcon(uint16_t d, const kal::SubstituteFn& sub) const {
    return kal::DayHasIcon(d, sub, [this](uint16_t k) { return base.count(k) > 0; });
  }
  std::vector<uint16_t> Cycle(uint16_t d, uint16_t zid = kOrdinaryTime) const {
    const auto sub = SubstituteAt(zid);
    return IconCycle(d, HasIcon(d, sub), packPresent, sub, Second());
  }
};

TEST(IconChoice, CyclesOfTheExampleDays) {
  struct Case {
    uint16_t day;
    uint16_t zacchaeusId;
    std::vector<uint16_t> cycle;
  };
  const Case cases[] = {
      {801, kOrdinaryTime, {10801, 20801}},         // pack only, with a second icon
      {806, kOrdinaryTime, {806, 10806}},           // the feast's own base icon
      {807, kOrdinaryTime, {806, 10807}},           // afterfeast borrows 806
      {1001, kOrdinaryTime, {1001, 11001, 21001}},  // base, first and second icons
      {102, kOrdinaryTime, {106, 102, 10102}},      // substitute, own base icon, pack
      {324, kOrdinaryTime, {325, 10324}},           // forefeast of the Annunciation
      {525, kOrdinaryTime, {107, 10525}},           // third finding of the Forerunner's head
      {525, 100, {3, 107, 10525}},                  // the same day in the Paschal season
      {324, 75, {2, 325, 10324}},                   // Great Friday on 24 March
      {1225, kOrdinaryTime, {1225, 11225}},
      {1231, kOrdinaryTime, {1225, 11231}},         // afterfeast of the Nativity
      {1125, kOrdinaryTime, {1121, 1125, 11125, 21125}},  // Katherine on the leave-taking of the Entry
      {423, 90, {3, 423, 10423, 20423}},            // St George in the Paschal season
      {1215, kOrdinaryTime, {11215}},  // pack only, no second icon: no next icon
  };
  Libraries libs;
  for (const Case& c : cases) EXPECT_EQ(libs.Cycle(c.day, c.zacchaeusId), c.cycle) << "day " << c.day;
}

TEST(IconChoice, NextIconReturnsToTheStart) {
  // Pressing F12 on a cycle comes back to the first key.
  Libraries libs;
  for (uint16_t d : {801, 806, 807, 1001, 102, 324, 525, 1225, 1125}) {
    const auto sub = SubstituteAt(kOrdinaryTime);
    const bool has = libs.HasIcon(d, sub);
    const std::vector<uint16_t> cycle = libs.Cycle(d);
    const uint16_t after = NextIconKey(d, cycle.back(), has, sub, libs.Second());
    EXPECT_EQ(after, cycle.front()) << "day " << d;
  }
}

TEST(IconChoice, WithoutThePackOnlyBaseKeysAndNoNextIcon) {
  Libraries libs;
  libs.packPresent = false;
  struct Case {
    uint16_t day;
    uint16_t key;
  };
  // Days with a base icon keep it; the rest fall back by month.
  const Case cases[] = {{806, 806}, {807, 806}, {801, 806}, {814, 815}, {831, 815}, {912, 908}, {913, 914},
                        {930, 914}, {115, 106}, {218, 202}, {301, 325}, {410, 8},   {512, 5},   {620, 8},
                        {714, 6},   {1015, 7},  {1105, 1121}, {1203, 1225}, {229, 202}};
  for (const Case& c : cases) {
    const auto sub = SubstituteAt(kOrdinaryTime);
    const kal::DayIconChoice choice = ChooseDayIcon(c.day, libs.HasIcon(c.day, sub), false, sub, libs.Second());
    EXPECT_EQ(choice.key, c.key) << "day " << c.day;
    EXPECT_FALSE(choice.showNextIcon) << "day " << c.day;
  }
}

TEST(IconChoice, NextIconControlsFollowThePack) {
  Libraries libs;
  const auto sub = SubstituteAt(kOrdinaryTime);
  // A base icon day offers the pack's icon next.
  EXPECT_TRUE(ChooseDayIcon(806, true, true, sub, libs.Second()).showNextIcon);
  // A pack-only day offers a next icon only with a second icon.
  EXPECT_TRUE(ChooseDayIcon(801, false, true, sub, libs.Second()).showNextIcon);
  EXPECT_FALSE(ChooseDayIcon(802 + 1, false, true, sub, libs.Second()).showNextIcon);
  EXPECT_EQ(ChooseDayIcon(229, false, true, sub, libs.Second()).key, 10229);
}

TEST(IconChoice, MonthFallbackEdges) {
  EXPECT_EQ(MonthFallbackKey(813), 806);
  EXPECT_EQ(MonthFallbackKey(814), 815);
  EXPECT_EQ(MonthFallbackKey(912), 908);
  EXPECT_EQ(MonthFallbackKey(913), 914);
}

}  // namespace
