// Turning one reading of the lectionary into text: its heading and the
// verses of all its parts, read from the Bible reader's open file.
#pragma once

#include <string>
#include <string_view>

namespace kal {

class BibleReader;

inline constexpr const char* kReadingInfoError = "  An error occured in the GetReadingInfo function";
inline constexpr const char* kVerseInfoError = "  An error occured in the GetVerseInfo function";

// A blank line, the Reference, a blank line, and the text of every part in
// one paragraph that starts with five spaces, parts joined by one space.
// A key with no reading gives kReadingInfoError alone; a reading with a
// missing part gives kVerseInfoError alone. A part the reader cannot read
// (missing verses, another file open) contributes an empty text.
std::string GetReadingInfo(BibleReader& reader, std::string_view key, bool verseNumbers);

}  // namespace kal
