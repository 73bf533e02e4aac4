#include "calendar/day_names.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace kal {
namespace {

struct NamedDay {
  std::uint16_t id;
  std::string_view text;
};

// Sorted by id. The spellings are those the program has always shown.
constexpr std::array kNames = std::to_array<NamedDay>({
    // Named days, 1400 + ZacchaeusID.
    {1420, "The Saturday of the Dead"},
    {1427, "Week of the Last Judgement"},
    {1429, "Beginning of Great Lent"},
    {1434, "First Saturday of Great Lent"},
    {1441, "Second Saturday of Great Lent"},
    {1448, "Third Saturday of Great Lent"},
    {1455, "Fourth Saturday of Great Lent"},
    {1462, "Fifth Saturday of Great Lent"},
    {1469, "Lazarus Saturday"},
    {1471, "Passion Week: Great Monday"},
    {1472, "Passion Week: Great Tuesday"},
    {1473, "Passion Week: Great Wednesday"},
    {1474, "Passion Week: Great Thursday"},
    {1475, "Passion Week: Great Friday"},
    {1476, "Passion Week: Great Saturday"},
    {1478, "Bright Monday"},
    {1479, "Bright Tuesday"},
    {1480, "Bright Wednesday"},
    {1481, "Bright Thursday"},
    {1482, "Bright Friday"},
    {1483, "Bright Saturday"},
    {1501, "Mid-Pentecost"},
    {1515, "Apodosis of Pascha"},
    {1516, "The Ascension of Our Lord"},
    {1517, "Afterfeast of the Ascension"},
    {1518, "Afterfeast of the Ascension"},
    {1524, "Apososis of the Ascension"},
    {1525, "Commemoration of the Dead"},
    {1527, "Day of the Holy Spirit"},
    {1528, "Third day of the Holy Trinity"},
    {1532, "Apodosis of Pentecost"},
    // Sundays, 1800 + number of the Sunday after Zacchaeus Sunday.
    {1801, "Sunday of the Publican and the Pharisee"},
    {1802, "Sunday of the Prodigal Son"},
    {1803, "Sunday of the Last Judgement"},
    {1804, "The Sunday of Forgiveness"},
    {1805, "First Sunday of Great Lent (Sunday of Orthodoxy)"},
    {1806, "Second Sunday of Great Lent (St. Gregory Palamas)"},
    {1807, "Third Sunday of Great Lent (Adoration of the Holy Cross)"},
    {1808, "Fourth Sunday of Great Lent (St. John of the Ladder)"},
    {1809, "Fifth Sunday of Great Lent (St. Mary of Egypt)"},
    {1810, "The Entry of the Lord into Jerusalem - Palm Sunday"},
    {1811, "The Bright Resurrection of Christ, The Pascha of the Lord"},
    {1812, "Second Sunday of Pascha (Thomas Sunday)"},
    {1813, "Third Sunday of Pascha (Sunday of the Myrrh-bearing Women)"},
    {1814, "Fourth Sunday of Pascha (Sunday of the Paralytic)"},
    {1815, "Fifth Sunday of Pascha (Sunday of the Samaritan Woman)"},
    {1816, "Sixth Sunday of Pascha (Sunday of the Blind Man)"},
    {1817, "Seventh Sunday of Pascha - Afterfeast of the Ascension"},
    {1818, "Pentecost - Trinity Sunday"},
    {1819, "1st Sunday after Pentecost (Sunday of All Saints)"},
    // Weeks, 1900 + number of the week after Zacchaeus Sunday.
    {1901, "Week of the Publican and the Pharasee"},
    {1902, "Week of the Prodigal Son"},
    {1903, "Week of the Last Judgement"},
    {1904, "First Week of Great Lent"},
    {1905, "Second Week of Great Lent"},
    {1906, "Third Week of Great Lent"},
    {1907, "Fourth Week of Great Lent"},
    {1908, "Fifth Week of Great lent"},
    {1909, "Sixth Week of Great Lent"},
    {1912, "Second Week of Pascha"},
    {1913, "Third Week of Pascha"},
    {1914, "Fourth Week of Pascha"},
    {1915, "Fifth Week of Pascha"},
    {1916, "Sixth Week of Pascha"},
    {1917, "Afterfeast of the Ascension"},
    {1918, "Afterfeast of Pentecost"},
});

static_assert(std::is_sorted(kNames.begin(), kNames.end(),
                             [](const NamedDay& a, const NamedDay& b) { return a.id < b.id; }));

// From the second Sunday and week after Pentecost on, the names are numbered.
constexpr std::uint16_t kFirstNumberedSunday = 1820, kLastNumberedSunday = 1855;
constexpr std::uint16_t kFirstNumberedWeek = 1919, kLastNumberedWeek = 1955;

}  // namespace

std::string EnglishOrdinal(int n) {
  const int lastTwo = n % 100;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    switch (n % 10) {
      case 1: suffix = "st"; break;
      case 2: suffix = "nd"; break;
      case 3: suffix = "rd"; break;
      default: break;
    }
  }
  return std::to_string(n) + suffix;
}

std::optional<std::string> DayName(std::uint16_t id) {
  if (id >= kFirstNumberedSunday && id <= kLastNumberedSunday)
    return EnglishOrdinal(id - 1818) + " Sunday after Pentecost";
  if (id >= kFirstNumberedWeek && id <= kLastNumberedWeek)
    return EnglishOrdinal(id - 1917) + " Week after Pentecost";
  const auto it = std::lower_bound(kNames.begin(), kNames.end(), id,
                                   [](const NamedDay& entry, std::uint16_t key) { return entry.id < key; });
  if (it == kNames.end() || it->id != id) return std::nullopt;
  return std::string(it->text);
}

}  // namespace kal
