#include "saint_search.h"

#include <cstring>
#include <string>

namespace hymnpak {

unsigned char upperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return c;
    }
}

bool isWordDelimiter(unsigned char c) {
    return !((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
}

bool rowMatches(const char* row, const char* upperText, std::size_t textLength) {
    const std::size_t rowLength = std::strlen(row);
    if (textLength > rowLength) return false;
    const auto* r = reinterpret_cast<const unsigned char*>(row);
    const auto* t = reinterpret_cast<const unsigned char*>(upperText);
    for (std::size_t pos = 0; pos + textLength <= rowLength; ++pos) {
        std::size_t k = 0;
        while (k < textLength && upperCp1252(r[pos + k]) == t[k]) ++k;
        if (k < textLength) continue;
        const std::size_t end = pos + textLength;
        if (end == rowLength || isWordDelimiter(r[end])) return true;
    }
    return false;
}

std::uint16_t searchRows(const Row* rows, std::size_t count, const char* text, std::uint16_t key) {
    if (!text || !*text || count == 0) return 0;
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(upperCp1252(static_cast<unsigned char>(c)));

    // Rows are numbered 1..count; a key that is no row tests every row once from row 1.
    std::size_t start = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (rows[i].key == key) {
            start = i + 1;
            break;
        }
    }
    std::size_t i = start;
    bool matched = false;
    do {
        i = i + 1 > count ? 1 : i + 1;
        const Row& row = rows[i - 1];
        matched = rowMatches(row.commemorations, upper.c_str(), upper.size());
        if (row.key == 229 && key != 229) matched = false;
    } while (!matched && i != start);
    return matched ? rows[i - 1].key : 0;
}

}  // namespace hymnpak
