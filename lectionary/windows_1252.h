// The Bible files are 8-bit Windows-1252 text; screens, terminals and JSON
// want UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kal {

// Each byte becomes its character in UTF-8; the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string Utf8FromWindows1252(std::string_view text);

}  // namespace kal
