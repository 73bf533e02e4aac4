// kalday --reading KEY: one reading of the lectionary by its key ("133,V2"),
// read from the Bible file that the reading's section opens.
#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

namespace kalday {

// Prints the reading with verse numbers, as plain text or as one JSON object
// (key, reference, book, file, text). Returns the exit status: 2 when no
// reading has the key, 1 when its Bible file is missing from bibleFolder.
int PrintReading(std::string_view key, bool json, const std::filesystem::path& bibleFolder, std::ostream& out,
                 std::ostream& err);

}  // namespace kalday
