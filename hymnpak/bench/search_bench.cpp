// Figures for the hymn library: a saint search that matches nothing (a full
// pass over every row) and fetching a document.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "hymnpak/hymnpak.h"

int main() {
    using clock = std::chrono::steady_clock;
    constexpr int kCalls = 2000;
    volatile unsigned sink = 0;

    auto t0 = clock::now();
    for (int i = 0; i < kCalls; ++i) sink = sink + SearchTropLookupTable("zzyzx matches nobody", 101);
    auto t1 = clock::now();
    const double perSearch = std::chrono::duration<double, std::micro>(t1 - t0).count() / kCalls;

    t0 = clock::now();
    std::size_t bytes = 0;
    for (int i = 0; i < kCalls; ++i) {
        const char* doc = LoadTropFromResource(static_cast<std::uint16_t>(1201 + i % 31));
        bytes += doc ? std::strlen(doc) : 0;
    }
    t1 = clock::now();
    const double perLoad = std::chrono::duration<double, std::micro>(t1 - t0).count() / kCalls;

    std::printf("SearchTropLookupTable, no match (full pass): %.1f us per call\n", perSearch);
    std::printf("LoadTropFromResource + measuring the text: %.2f us per call (%zu bytes read)\n", perLoad, bytes);
    return sink == 12345 ? 1 : 0;
}
