// The hymn library: one RTF document of troparia and kontakia for each day of
// the year (date key month * 100 + day, 29 February included) and the search
// of each day's commemorations for a saint's name.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define HYMNPAK_API __declspec(dllimport)
#else
#define HYMNPAK_API __attribute__((visibility("default")))
#endif

extern "C" {

// The day's document: read-only bytes owned by the loaded library, ending
// with a NUL; null when the library holds no document for the key.
HYMNPAK_API const char* LoadTropFromResource(std::uint16_t key);

// The date key of the next day after `key` whose commemorations contain
// `text` (case-insensitive, the match ending at a word boundary), wrapping
// round the year; 0 when none. 29 February is found only from itself.
HYMNPAK_API std::uint16_t SearchTropLookupTable(const char* text, std::uint16_t key);
}
