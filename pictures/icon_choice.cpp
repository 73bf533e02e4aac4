#include "icon_choice.h"

#include <algorithm>

namespace kal {
namespace {

// Days whose cycle runs back through the day's own base icon: feasts with
// an icon of their own in the base library besides their substitute.
bool IsCycleFeast(uint16_t d) {
  static const uint16_t feasts[] = {102, 107, 201, 324, 325, 326, 401, 423, 505,
                                    521, 525, 610, 619, 624, 629, 1125, 1220, 1227};
  return std::find(std::begin(feasts), std::end(feasts), d) != std::end(feasts);
}

}  // namespace

uint16_t MonthFallbackKey(uint16_t key) {
  switch (key / 100) {
    case 1: return 106;
    case 2: return 202;
    case 3: return 325;
    case 4: return 8;
    case 5: return 5;
    case 6: return 8;
    case 7: return 6;
    case 8: return key < 814 ? 806 : 815;
    case 9: return key < 913 ? 908 : 914;
    case 10: return 7;
    case 11: return 1121;
    case 12: return 1225;
    default: return 106;
  }
}

bool DayHasIcon(uint16_t dayKey, const SubstituteFn& substitute, const std::function<bool(uint16_t)>& baseHas) {
  return baseHas(dayKey) || baseHas(substitute(dayKey));
}

DayIconChoice ChooseDayIcon(uint16_t dayKey, bool hasIcon, bool packPresent, const SubstituteFn& substitute,
                            const SecondIconFn& secondIconExists) {
  DayIconChoice choice;
  choice.key = substitute(dayKey);
  if (hasIcon) {
    // The pack then offers the day's own icon as the next one.
    choice.showNextIcon = packPresent;
  } else if (packPresent) {
    choice.key = static_cast<uint16_t>(choice.key + 10000);
    choice.showNextIcon = secondIconExists(choice.key);
  } else {
    // A movable-season substitute has no month; the day key has.
    choice.key = MonthFallbackKey(choice.key >= 101 ? choice.key : dayKey);
    choice.showNextIcon = false;
  }
  return choice;
}

uint16_t NextIconKey(uint16_t d, uint16_t s, bool hasIcon, const SubstituteFn& substitute,
                     const SecondIconFn& secondIconExists) {
  if (!hasIcon) {
    // Only the pack has icons: first, second, back to the first.
    if (secondIconExists(s)) return static_cast<uint16_t>(s + 10000);
    return static_cast<uint16_t>(s - (s / 10000 - 1) * 10000);
  }
  const bool feast = IsCycleFeast(d) && s < 10000;
  const bool jump = feast && s != d;
  if (((s < 10000 && s != d) || feast) && d != 324 && d != 525) s = d;
  if (!jump) {
    if (s < 10000 || secondIconExists(s)) return static_cast<uint16_t>(s + 10000);
    return substitute(static_cast<uint16_t>(s % 10000));
  }
  // From the substitute to the feast's own base icon; on 24 March and
  // 25 May a season icon leads to the feast the day borrows.
  if (d == 324) return s < 101 ? 325 : 10324;
  if (d == 525) return s < 101 ? 107 : 10525;
  return s;
}

std::vector<uint16_t> IconCycle(uint16_t dayKey, bool hasIcon, bool packPresent, const SubstituteFn& substitute,
                                const SecondIconFn& secondIconExists, std::size_t limit) {
  std::vector<uint16_t> keys;
  const DayIconChoice first = ChooseDayIcon(dayKey, hasIcon, packPresent, substitute, secondIconExists);
  keys.push_back(first.key);
  if (!first.showNextIcon) return keys;
  uint16_t key = first.key;
  while (keys.size() < limit) {
    key = NextIconKey(dayKey, key, hasIcon, substitute, secondIconExists);
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) break;
    keys.push_back(key);
  }
  return keys;
}

}  // namespace kal
