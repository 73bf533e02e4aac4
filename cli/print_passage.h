// kalday --passage FILE BOOK START_CH:START_V END_CH:END_V: a range of Bible
// verses exactly as the Bible reader returns it, to check ranges by hand.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace kalday {

struct PassageRequest {
  std::string file;   // a Bible file of the program's folder, or a path with a '/'
  std::string book;   // 0-based index of the book in that file
  std::string start;  // "chapter:verse", numbers passed to the reader as typed
  std::string end;
  bool headings = false;
  bool verseNumbers = false;
};

// Prints the passage (UTF-8, one line per paragraph) or, with json, one
// object with file, book, start, end and text. Returns 0, 2 for malformed
// arguments, 1 when the file cannot be opened or the range cannot be read.
int PrintPassage(const PassageRequest& request, bool json, const std::filesystem::path& programFolder,
                 std::ostream& out, std::ostream& err);

}  // namespace kalday
