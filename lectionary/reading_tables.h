// The lectionary's two constant tables: which readings exist and the verse
// ranges that make up each one. Both are compiled into the program from the
// readable sources in tables/.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kal {

// One reading: its key ("133,V2"), the heading printed above it and the
// index of its book in the Bible file that its section reads.
struct ReadingRow {
  const char* Key;
  const char* Reference;
  std::uint16_t Book;
};

// One part of a reading: Key is the reading key, a comma and the part number
// ("19,G1,1"). The chapter and verse fields are decimal texts passed to the
// Bible reader unchanged; Next names the following part, empty on the last.
// A part is read from its reading's book unless it names another book of the
// same file (Holy Saturday's Matins Epistle joins 1 Corinthians and Galatians).
struct VerseRangeRow {
  const char* Key;
  const char* StartChapter;
  const char* StartVerse;
  const char* EndChapter;
  const char* EndVerse;
  const char* Next;
  int Book = -1;  // -1: the reading's book
};

// The book index a part is read from.
std::uint16_t BookOfPart(const ReadingRow& reading, const VerseRangeRow& part);

std::span<const ReadingRow> ReadingTable();
std::span<const VerseRangeRow> VerseRangeTable();

// Lookups by exact key; nullptr when the table has no such row.
const ReadingRow* FindReading(std::string_view key);
const VerseRangeRow* FindVerseRange(std::string_view key);

// The Bible file a reading is read from, as the section that shows it opens
// it: Old Testament prophecies of Vespers, the Hours and the Blessing of the
// Waters from OldTstmt.dat, Wisdom and Baruch from Apoc.dat, everything else
// from NewTstmt.dat.
enum class BibleFile { OldTestament, NewTestament, Apocrypha };
BibleFile FileOfReading(std::string_view key);
const char* BibleFileName(BibleFile file);  // "OldTstmt.dat", ...

}  // namespace kal
