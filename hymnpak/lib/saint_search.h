// The search of the commemorations table behind SearchTropLookupTable, kept
// apart from the packed data so it can be exercised on small tables.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hymn_index.h"

namespace hymnpak {

// Upper-case mapping of Windows-1252 (what the table and the search text use).
unsigned char upperCp1252(unsigned char c);

// Every byte but an ASCII letter or digit delimits a word.
bool isWordDelimiter(unsigned char c);

// Case-insensitive substring test whose match must end at the end of the
// row or before a word delimiter; `upperText` is already upper case.
bool rowMatches(const char* row, const char* upperText, std::size_t textLength);

// Forward search with wrap-around, starting after the row of `key`; the row
// of 29 February takes part only when the search starts from it.
std::uint16_t searchRows(const Row* rows, std::size_t count, const char* text, std::uint16_t key);

}  // namespace hymnpak
