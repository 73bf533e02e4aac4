// The names of the days, Sundays and weeks of the movable cycle, addressed by
// number:
//   1400 + ZacchaeusID      named days (Saturday of the Dead, Holy Week, ...)
//   1800 + Sunday number    Sundays counted from Zacchaeus Sunday (1801-1855)
//   1900 + week number      weeks counted from Zacchaeus Sunday (1901-1955,
//                           without 1910 and 1911)
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kal {

// The name with that number, or nothing where the table has none.
std::optional<std::string> DayName(std::uint16_t id);

// 1st, 2nd, 3rd, 4th ... 11th, 12th, 13th ... 21st, 22nd ...
std::string EnglishOrdinal(int n);

}  // namespace kal
