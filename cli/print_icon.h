// kalday --icon: the icon the program shows for the day (its key and
// caption), the keys Show Next Icon steps through, and the picture's bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "day_context.h"
#include "json_writer.h"

namespace kalday {

struct DayIcon {
  std::uint16_t key = 0;               // the icon first shown
  std::string caption;                 // as the library holds it
  std::vector<std::uint16_t> cycle;    // from the first icon until a key repeats
  bool packPresent = false;
  std::string jpeg;                    // the picture's JPEG bytes
};

// Throws kal::EDLLLoadError when the day pack is in folder but unusable.
DayIcon ChooseIcon(const DayContext& context, const std::filesystem::path& folder);

// Both return the exit status: 0 done, 1 when the pack cannot be used or
// the picture cannot be written (reported on err).
int PrintIconText(const DayContext& context, const std::filesystem::path& folder, std::ostream& out,
                  std::ostream& err);
int WriteIconJson(const DayContext& context, const std::filesystem::path& folder, JsonWriter& json,
                  std::ostream& err);

}  // namespace kalday
