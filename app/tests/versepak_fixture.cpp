// A stand-in for the optional verse library: it knows one text, "Nativity",
// and answers 25 December for it.
#include <cstdint>
#include <cstring>

extern "C" __attribute__((visibility("default"))) std::uint16_t SearchBibleLookupTable(const char* text,
                                                                                        std::uint16_t) {
  return std::strcmp(text, "Nativity") == 0 ? 1225 : 0;
}
