#pragma once
// Writing the Bible files and checking what was written.

#include <string>
#include <string_view>

#include "bible_books.h"

namespace biblemake {

// The bytes of one Bible file: for each book "Book NN" and its name on a
// line, then one line per verse, "marker text", then the closing marker
// (the verse after the book's last verse); after the last book the book
// marker of the index one past it. Lines end in CR LF; a space follows every
// verse marker.
std::string FormatBibleFile(const BibleFile& file);

// Reads the bytes back and throws std::runtime_error at the first fault:
// book markers out of order, a verse out of sequence, a missing closing or
// final book marker, text that looks like a marker, control characters in
// text, or verses that differ from `file`.
void CheckBibleFile(std::string_view bytes, const BibleFile& file);

// Verse marker in the file's form, e.g. "003:016" or "Tob 3:16".
std::string VerseMarker(const BibleFile& file, const Book& book, int chapter, int verse);
std::string BookMarker(int index);

}  // namespace biblemake
