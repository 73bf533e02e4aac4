// The two exports of the hymn library. No state: everything is read-only data.
#include "hymnpak/hymnpak.h"

#include "hymn_index.h"
#include "saint_search.h"

extern "C" {

HYMNPAK_API const char* LoadTropFromResource(std::uint16_t key) {
    for (std::size_t i = 0; i < hymnpak::kDocCount; ++i)
        if (hymnpak::kDocs[i].key == key) return hymnpak::kDocs[i].rtf;
    return nullptr;
}

HYMNPAK_API std::uint16_t SearchTropLookupTable(const char* text, std::uint16_t key) {
    return hymnpak::searchRows(hymnpak::kRows, hymnpak::kRowCount, text, key);
}
}
