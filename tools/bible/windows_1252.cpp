#include "windows_1252.h"

#include <cstdio>
#include <stdexcept>

namespace biblemake {
namespace {

// The characters that Windows-1252 places in 0x80..0x9F.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

int Windows1252Code(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0xA0 && cp <= 0xFF) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] != 0 && kHighControls[i] == cp) return 0x80 + i;
  return -1;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || pos + extra > utf8.size() - 1)
      throw std::runtime_error("invalid UTF-8 in verse text");
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
      const auto next = static_cast<unsigned char>(utf8[pos + i]);
      if ((next & 0xC0) != 0x80) throw std::runtime_error("invalid UTF-8 in verse text");
      cp = (cp << 6) | (next & 0x3F);
    }
    pos += 1 + extra;
    const int code = Windows1252Code(cp);
    if (code < 0) {
      char name[32];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
      throw std::runtime_error(std::string("character ") + name + " has no Windows-1252 code");
    }
    out += static_cast<char>(code);
  }
  return out;
}

}  // namespace biblemake
