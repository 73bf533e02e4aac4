#pragma once
// The 8-bit code page of the Bible files.

#include <string>
#include <string_view>

namespace biblemake {

// Re-encodes UTF-8 text as Windows-1252. Typographic quotes and dashes get
// their 1252 codes (’ 0x92, “ 0x93, ” 0x94, — 0x97), Latin-1 letters keep
// theirs (æ 0xE6). Throws std::runtime_error naming the first character
// that has no place in the code page, so a change in the modules is seen at
// build time rather than as a stray "?" in scripture.
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace biblemake
