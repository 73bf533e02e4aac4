// Which icon key belongs to the selected day, and which comes next when the
// user steps through the day's icons. Pure logic over the answers of the
// icon libraries, passed in as functions.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kal {

// Maps a date key to the base library's key of the day's feast or season,
// or returns it unchanged (the calendar's SubstituteIconKey for the day).
using SubstituteFn = std::function<uint16_t(uint16_t)>;
// Whether the day pack holds key + 10000 (may throw when the pack is there
// but cannot be loaded).
using SecondIconFn = std::function<bool(uint16_t)>;

// The base library's icon for a month whose day has none anywhere.
uint16_t MonthFallbackKey(uint16_t key);

// The day has a base icon when ICONPACK holds its key or its substitute.
bool DayHasIcon(uint16_t dayKey, const SubstituteFn& substitute, const std::function<bool(uint16_t)>& baseHas);

struct DayIconChoice {
  uint16_t key = 0;
  bool showNextIcon = false;  // the Show Next Icon controls
};

// The icon first shown for the day key D.
DayIconChoice ChooseDayIcon(uint16_t dayKey, bool hasIcon, bool packPresent, const SubstituteFn& substitute,
                            const SecondIconFn& secondIconExists);

// The icon after shownKey on the day D.
uint16_t NextIconKey(uint16_t dayKey, uint16_t shownKey, bool hasIcon, const SubstituteFn& substitute,
                     const SecondIconFn& secondIconExists);

// The keys one meets pressing Show Next Icon from the first icon until a
// key repeats (at most limit keys).
std::vector<uint16_t> IconCycle(uint16_t dayKey, bool hasIcon, bool packPresent, const SubstituteFn& substitute,
                                const SecondIconFn& secondIconExists, std::size_t limit = 8);

}  // namespace kal
