// The Bible files are 8-bit Windows-1252 text; screens, terminals and JSON
// want UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kal {

// Each byte becomes its character in UTF-8; the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string Utf8FromWindows1252(std::string_view text);

// The code page's bytes for UTF-8 text; nothing when a character has no
// Windows-1252 form or the text is not UTF-8.
std::optional<std::string> Windows1252FromUtf8(std::string_view utf8);

}  // namespace kal
