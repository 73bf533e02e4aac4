// kalday --readings [--verse-numbers]: the day's Bible-readings page, as the
// desktop program shows it in its Bible readings view.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "day_context.h"
#include "json_writer.h"

namespace kalday {

// The page in UTF-8 with Unix line ends; the Bible files are read from
// programFolder. missingFile is set when a Bible file is missing there (the
// page is then only the message that says so).
std::string ReadingsText(const DayContext& context, const std::filesystem::path& programFolder,
                         bool* missingFile = nullptr);

// Both return the exit status: 0, or 1 when a Bible file is missing.
int PrintReadingsText(const DayContext& context, const std::filesystem::path& programFolder, std::ostream& out);
int WriteReadingsJson(const DayContext& context, const std::filesystem::path& programFolder, JsonWriter& json);

}  // namespace kalday
