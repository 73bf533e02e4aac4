// libFuzzer target: arbitrary Bible file contents and passage arguments.
// The first six bytes choose the book, the flags and the four numbers; the
// rest is the file. The reader must not crash or read outside the file, and
// whatever it returns is a whole passage or nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bible_reader.h"

namespace {

std::string Number(std::uint8_t b) {
  // Mostly small numbers; some with a leading zero, some not numbers at all.
  if (b >= 240) return "x";
  if (b >= 200) return "0" + std::to_string(b % 10);
  return std::to_string(b % 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  // An exact-size copy, so any read past the end is caught.
  const std::string file(reinterpret_cast<const char*>(data) + 6, size - 6);
  kal::BibleReader reader;
  reader.AttachBibleText(file, (data[1] & 4) != 0);
  const std::string passage = reader.ReadPassage(static_cast<int>(data[0] % 18) - 1, Number(data[2]), Number(data[3]),
                                                 Number(data[4]), Number(data[5]), (data[1] & 1) != 0,
                                                 (data[1] & 2) != 0);
  if (!passage.empty() && passage.rfind("     ", 0) != 0 && passage.rfind("Chapter ", 0) != 0) std::abort();
  reader.FindMarker(std::string_view(file).substr(0, data[0] % 9), data[5]);
  return 0;
}
