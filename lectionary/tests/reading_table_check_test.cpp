// Whole-table consistency check of the lectionary: every row of both tables,
// against the rules that tie keys, books, References and verse ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "bible_reader.h"
#include "reading_tables.h"
#include "reference_parts.h"

namespace kal {
namespace {

// Book names as References spell them, in file order.
const std::vector<std::string> kOldTestament = {
    "Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy", "Joshua", "Judges", "Ruth",
    "1 Kings (1 Samuel)", "2 Kings (2 Samuel)", "1 Kings", "2 Kings", "1 Chronicles", "2 Chronicles",
    "Ezra", "Nehemiah", "Esther", "Job", "Psalms", "Proverbs", "Ecclesiastes", "Song of Solomon",
    "Isaiah", "Jeremiah", "Lamentations", "Ezekiel", "Daniel", "Hosea", "Joel", "Amos", "Obadiah",
    "Jonah", "Micah", "Nahum", "Habakkuk", "Zephaniah", "Haggai", "Zechariah", "Malachi"};
const std::vector<std::string> kNewTestament = {
    "Matthew", "Mark", "Luke", "John", "Acts", "Romans", "1 Corinthians", "2 Corinthians",
    "Galatians", "Ephesians", "Philippians", "Colossians", "1 Thessalonians", "2 Thessalonians",
    "1 Timothy", "2 Timothy", "Titus", "Philemon", "Hebrews", "James", "1 Peter", "2 Peter",
    "1 John", "2 John", "3 John", "Jude", "Revelation"};
const std::vector<std::string> kApocrypha = {
    "1 Esdras", "2 Esdras", "Additions to Esther", "1 Maccabees", "2 Maccabees", "Tobit", "Judith",
    "Wisdom", "Ecclesiasticus", "Baruch", "Epistle of Jeremiah", "Susanna", "Prayer of Azariah",
    "Prayer of Manasseh", "Bel and the Dragon"};

const std::vector<std::string>& BooksOf(BibleFile file) {
  switch (file) {
    case BibleFile::OldTestament: return kOldTestament;
    case BibleFile::Apocrypha: return kApocrypha;
    case BibleFile::NewTestament: break;
  }
  return kNewTestament;
}

// Rows whose Reference does not name their book in the usual short form.
const std::map<std::string, int> kBookExceptions = {
    {"273,E1", 8},      // "Gal 2:16-20"
    {"76,V16", 12},     // the Song of the Three, read from the Prayer of Azariah
    {"02/02,V1B", 2},   // Leviticus, under the heading of V1A
    {"02/02,V1C", 3},   // Numbers, under the heading of V1A
};

// Readings whose parts depart from their Reference; each is commented in the
// table. The value is the parts as they stand.
const std::map<std::string, std::vector<VersePart>> kPartExceptions = {
    {"76,V16", {{"1", "1", "1", "68"}}},
    {"165,G1", {{"13", "36", "13", "46"}}},
    {"02/02,V1A", {{"12", "51", "13", "3"}, {"13", "10", "13", "12"}, {"13", "14", "13", "16"}, {"22", "29", "22", "29"}}},
    {"02/02,V1B", {{"12", "1", "12", "4"}, {"12", "6", "12", "8"}}},
    {"02/02,V1C", {{"8", "16", "8", "17"}}},
    // 1 Corinthians, then Galatians: a second book in one Reference.
    {"76,M2", {{"5", "6", "5", "8"}, {"3", "13", "3", "14"}}},
    // Apoc.dat numbers the Septuagint's Baruch 3:36 as 3:35.
    {"NativRH,3H1", {{"3", "35", "4", "4"}}},
    {"12/24,V5", {{"3", "35", "4", "4"}}},
};


// The slots each day carries, in row order.
struct DaySlots {
  std::vector<std::pair<int, int>> days;  // inclusive ranges
  const char* slots;
};
const std::vector<DaySlots> kMovableDays = {
    {{{0, 0}, {7, 19}, {21, 23}, {25, 25}, {28, 28}, {35, 35}, {49, 49}, {69, 69}, {78, 81}, {83, 85},
      {87, 100}, {102, 115}, {117, 118}, {120, 124}, {127, 132}, {134, 139}, {141, 188}, {190, 384},
      {386, 391}},
     "E1 G1"},
    {{{20, 20}, {27, 27}, {34, 34}, {41, 42}, {48, 48}, {55, 56}, {62, 63}, {82, 82}, {86, 86}, {125, 125}},
     "E1 G1 E2 G2"},
    {{{24, 24}, {26, 26}}, "6H V1"},
    {{{29, 33}, {36, 40}, {43, 47}, {50, 54}, {57, 61}, {64, 68}}, "6H V1 V2"},
    {{{70, 70}}, "V1 V2 V3 E1 G1"},
    {{{71, 73}}, "6H V1 V2 G1"},
    {{{74, 74}}, "1H V1 V2 V3 E1 G1 G2 G3 G4 G5"},
    {{{75, 75}}, "1H1 1H2 1H3 3H1 3H2 3H3 6H1 6H2 6H3 9H1 9H2 9H3 V1 V2 V3 E1 G1 G2 G3 G4 G5"},
    {{{76, 76}}, "M1 M2 M3 V1 V2 V3 V4 V5 V6 V7 V8 V9 V10 V11 V12 V13 V14 V15 V16 E1 G1"},
    {{{77, 77}}, "E1 G1 GV1"},
    {{{101, 101}, {116, 116}, {119, 119}, {126, 126}, {133, 133}}, "V1 V2 V3 E1 G1"},
    {{{140, 140}, {189, 189}}, "E1 G1 V1 V2 V3 E2 G2"},
};
const char* const kRoyalHours = "1H1 1H2 1H3 3H1 3H2 3H3 6H1 6H2 6H3 9H1 9H2 9H3";
const std::vector<std::pair<const char*, const char*>> kFixedDays = {
    {"01/01", "V1 V2 V3 M1 E1 G1"}, {"SatBefTheo", "E1 G1"}, {"SunBefTheo", "E1 G1"}, {"TheoRH", kRoyalHours},
    {"01/05", "V1 V2 V3 V4 V5 V6 V7 V8 V9 V10 V11 V12 V13 E1 G1 BW1 BW2 BW3 BW4 BW5"},
    {"01/06", "M1 E1 G1"}, {"SatAftTheo", "E1 G1"}, {"SunAftTheo", "E1 G1"}, {"01/30", "V1 V2 V3 M1 E1 G1"},
    {"02/02", "V1A V1B V1C V2 V3 M1 E1 G1"}, {"03/25", "V1 V2 V3 V4 V5 M1 E1 G1"},
    {"06/24", "V1 V2 V3 M1 E1 G1"}, {"06/29", "V1 V2 V3 M1 E1 G1"}, {"08/06", "V1 V2 V3 M1 E1 G1"},
    {"08/15", "V1 V2 V3 M1 E1 G1"}, {"08/29", "V1 V2 V3 M1 E1 G1"}, {"09/08", "V1 V2 V3 M1 E1 G1"},
    {"SatBefExal", "E1 G1"}, {"SunBefExal", "E1 G1"}, {"09/14", "V1 V2 V3 M1 E1 G1"},
    {"SatAftExal", "E1 G1"}, {"SunAftExal", "E1 G1"}, {"10/01", "V1 V2 V3 M1 E1 G1"},
    {"11/21", "V1 V2 V3 M1 E1 G1"}, {"12/06", "V1 V2 V3 M1 E1 G1"}, {"SecSunBefNativ", "E1 G1"},
    {"SatBefNativ", "E1 G1"}, {"SunBefNativ", "V1 V2 V3 E1 G1"}, {"NativRH", kRoyalHours},
    {"12/24", "V1 V2 V3 V4 V5 V6 V7 V8 E1 G1"}, {"12/25", "M1 E1 G1"}, {"SatAftNativ", "E1 G1"},
    {"SunAftNativ", "E1 G1"},
};

std::vector<std::string> Words(const char* text) {
  std::vector<std::string> words;
  std::string word;
  for (const char* p = text;; ++p) {
    if (*p == ' ' || *p == 0) {
      if (!word.empty()) words.push_back(word);
      word.clear();
      if (*p == 0) break;
    } else {
      word += *p;
    }
  }
  return words;
}

TEST(ReadingTableCheck, HoldsEveryKeyInOrder) {
  std::map<int, const char*> movable;
  for (const auto& group : kMovableDays)
    for (auto [first, last] : group.days)
      for (int d = first; d <= last; ++d) movable[d] = group.slots;
  std::vector<std::string> expected;
  for (const auto& [day, slots] : movable)
    for (const auto& slot : Words(slots)) expected.push_back(std::to_string(day) + "," + slot);
  for (const auto& [day, slots] : kFixedDays)
    for (const auto& slot : Words(slots)) expected.push_back(std::string(day) + "," + slot);

  std::vector<std::string> actual;
  for (const auto& row : ReadingTable()) actual.push_back(row.Key);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "row " << i + 1;
}

TEST(ReadingTableCheck, TellingRows) {
  struct Telling {
    const char* key;
    const char* reference;
    int book;
  };
  const Telling rows[] = {
      {"0,E1", "1 Timothy 4:9-15", 14}, {"0,G1", "Luke 19:1-10", 2}, {"24,6H", "Joel 2:12-26", 28},
      {"29,6H", "Isaiah 1:1-20", 22}, {"29,V1", "Genesis 1:1-13", 0}, {"29,V2", "Proverbs 1:1-20", 19},
      {"77,E1", "Acts 1:1-8", 4}, {"77,G1", "John 1:1-17", 3}, {"77,GV1", "John 20:19-25", 3},
      {"76,V15", "Daniel 3:1-23", 26},
      {"76,V16", "The Song of the Three Holy Children (Daniel 3:24-90)", 12},
      {"133,V2", "Wisdom 3:1-9", 7}, {"351,E1", "1 Peter 2:21-3:9", 20}, {"386,E1", "1 Peter 2:21-3:9", 20},
      {"391,G1", "Luke 18:2-8", 2}, {"19,G1", "Mark 15:22-25, 33-41", 1}, {"28,E1", "Romans 13:11-14:4", 5},
      {"165,G1", "Matthew 13:36-43", 0}, {"181,E1", "Romans 13:1-10", 5}, {"312,E1", "1 Timothy 6:17-21", 14},
      {"273,E1", "Gal 2:16-20", 8}, {"01/05,V13", "Isaiah 49:8-15", 22}, {"01/05,BW5", "Mark 1:9-11", 1},
      {"02/02,V1A", "Exodus 12:51-13:3, 10-12, 14-16; 22:29; Leviticus 12:1-4, 6-8; Numbers 8:16-17", 1},
      {"02/02,V1B", "", 2}, {"02/02,V1C", "", 3}, {"06/29,V1", "1 Peter 1:3-9", 20},
      {"08/29,V3", "Wisdom 4:7, 16-17, 19-20; 5:1-7", 7}, {"12/24,V5", "Baruch 3:36-4:4", 9},
      {"NativRH,3H1", "Baruch 3:36-4:4", 9}, {"TheoRH,1H1", "Isaiah 35:1-10", 22},
      {"12/25,G1", "Matthew 2:1-12", 0},
  };
  for (const auto& t : rows) {
    const ReadingRow* row = FindReading(t.key);
    ASSERT_NE(row, nullptr) << t.key;
    EXPECT_STREQ(row->Reference, t.reference) << t.key;
    EXPECT_EQ(row->Book, t.book) << t.key;
  }
  // The week after Zacchaeus Sunday reads the same whichever cycle length put it there.
  for (int d = 351; d <= 356; ++d)
    for (const char* slot : {",E1", ",G1"})
      EXPECT_STREQ(FindReading(std::to_string(d) + slot)->Reference,
                   FindReading(std::to_string(d + 35) + slot)->Reference) << d << slot;
}

std::string DayPart(const std::string& key) { return key.substr(0, key.find(',')); }

std::vector<VersePart> PartsOf(const std::string& key) {
  std::vector<VersePart> parts;
  std::string number = "1";
  std::set<std::string> seen;
  while (!number.empty() && seen.insert(number).second) {
    const VerseRangeRow* row = FindVerseRange(key + "," + number);
    if (!row) break;
    parts.push_back({row->StartChapter, row->StartVerse, row->EndChapter, row->EndVerse});
    number = row->Next;
  }
  return parts;
}

TEST(ReadingTableCheck, RowCounts) {
  EXPECT_EQ(ReadingTable().size(), 1084u);
  std::printf("ReadingTable: %zu rows, VerseRangeTable: %zu rows\n", ReadingTable().size(),
              VerseRangeTable().size());
  // Every part belongs to a reading; the count follows from the References.
  EXPECT_GT(VerseRangeTable().size(), ReadingTable().size());
}

TEST(ReadingTableCheck, KeysAreUnique) {
  std::set<std::string> keys;
  for (const auto& row : ReadingTable()) EXPECT_TRUE(keys.insert(row.Key).second) << row.Key;
  std::set<std::string> parts;
  for (const auto& row : VerseRangeTable()) EXPECT_TRUE(parts.insert(row.Key).second) << row.Key;
}

TEST(ReadingTableCheck, RowsAreInDayOrder) {
  // Movable day parts ascend and all of them come before the fixed keys.
  int previous = -1;
  bool fixed = false;
  for (const auto& row : ReadingTable()) {
    const std::string day = DayPart(row.Key);
    const bool numeric = std::all_of(day.begin(), day.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!numeric) {
      fixed = true;
      continue;
    }
    EXPECT_FALSE(fixed) << row.Key << " after the fixed keys";
    EXPECT_GE(std::stoi(day), previous) << row.Key;
    previous = std::stoi(day);
  }
}

TEST(ReadingTableCheck, EveryReadingHasAChainOfPartsThatEnds) {
  std::set<std::string> reached;
  for (const auto& row : ReadingTable()) {
    const std::string key = row.Key;
    ASSERT_NE(FindVerseRange(key + ",1"), nullptr) << key << " has no part 1";
    std::string number = "1";
    std::set<std::string> seen;
    while (!number.empty()) {
      ASSERT_TRUE(seen.insert(number).second) << key << ": the parts run in a circle";
      const VerseRangeRow* part = FindVerseRange(key + "," + number);
      ASSERT_NE(part, nullptr) << key << " names a missing part " << number;
      reached.insert(part->Key);
      number = part->Next;
    }
  }
  // No part is left over outside every chain.
  for (const auto& row : VerseRangeTable()) EXPECT_TRUE(reached.count(row.Key)) << row.Key << " is never read";
}

TEST(ReadingTableCheck, BookIsTheBookTheReferenceNames) {
  for (const auto& row : ReadingTable()) {
    const std::string key = row.Key;
    const auto& books = BooksOf(FileOfReading(key));
    if (auto it = kBookExceptions.find(key); it != kBookExceptions.end()) {
      EXPECT_EQ(row.Book, it->second) << key;
      continue;
    }
    const std::string book = ReferenceBook(row.Reference);
    // The longest name that matches wins ("1 Kings" rather than "1 Kings (1 Samuel)").
    auto it = std::find(books.begin(), books.end(), book);
    ASSERT_NE(it, books.end()) << key << ": \"" << book << "\" is not a book of " << BibleFileName(FileOfReading(key));
    EXPECT_EQ(row.Book, it - books.begin()) << key << " " << row.Reference;
  }
}

TEST(ReadingTableCheck, PartsFollowTheReference) {
  for (const auto& row : ReadingTable()) {
    const std::string key = row.Key;
    const std::vector<VersePart> parts = PartsOf(key);
    if (auto it = kPartExceptions.find(key); it != kPartExceptions.end()) {
      EXPECT_EQ(parts, it->second) << key;
      continue;
    }
    std::vector<VersePart> expected;
    ASSERT_TRUE(ParseReferenceParts(row.Reference, expected)) << key << " \"" << row.Reference << "\"";
    EXPECT_EQ(parts, expected) << key << " \"" << row.Reference << "\"";
  }
}

TEST(ReadingTableCheck, APartNamesItsOwnBookOnlyWhereTheReferenceDoes) {
  for (const auto& row : VerseRangeTable()) {
    if (row.Book < 0) continue;
    const std::string part = row.Key;
    const std::string key = part.substr(0, part.rfind(','));
    const ReadingRow* reading = FindReading(key);
    ASSERT_NE(reading, nullptr) << part;
    const auto& books = BooksOf(FileOfReading(key));
    ASSERT_LT(row.Book, static_cast<int>(books.size())) << part;
    EXPECT_NE(std::string(reading->Reference).find("; " + books[row.Book] + " "), std::string::npos)
        << part << " reads " << books[row.Book] << ", which \"" << reading->Reference << "\" does not name";
  }
  EXPECT_EQ(FindVerseRange("76,M2,2")->Book, 8);  // Galatians
}

TEST(ReadingTableCheck, RangesRunForward) {
  for (const auto& row : VerseRangeTable()) {
    const int sc = std::stoi(row.StartChapter), sv = std::stoi(row.StartVerse);
    const int ec = std::stoi(row.EndChapter), ev = std::stoi(row.EndVerse);
    EXPECT_TRUE(sc < ec || (sc == ec && sv <= ev)) << row.Key;
    EXPECT_GE(sv, 1) << row.Key;
  }
}

TEST(ReadingTableCheck, IsaiahIsSpelledOut) {
  for (const auto& row : ReadingTable())
    EXPECT_EQ(std::string(row.Reference).find("Isaih"), std::string::npos) << row.Key;
}

// With the Bible files of the set-up (KAL_BIN_DIR), every part of every
// reading reads as text from the file its section opens.
TEST(ReadingTableCheck, EveryPartReadsFromTheBibleFiles) {
  const char* dir = std::getenv("KAL_BIN_DIR");
  if (!dir || !std::filesystem::exists(std::filesystem::path(dir) / "Apoc.dat"))
    GTEST_SKIP() << "no Bible files (set KAL_BIN_DIR to the program folder)";
  BibleReader reader{std::filesystem::path(dir)};
  for (BibleFile file : {BibleFile::OldTestament, BibleFile::NewTestament, BibleFile::Apocrypha}) {
    ASSERT_TRUE(reader.OpenBibleFile(BibleFileName(file))) << BibleFileName(file);
    int readings = 0;
    for (const auto& row : ReadingTable()) {
      if (FileOfReading(row.Key) != file) continue;
      ++readings;
      std::string number = "1";
      while (!number.empty()) {
        const VerseRangeRow* part = FindVerseRange(std::string(row.Key) + "," + number);
        ASSERT_NE(part, nullptr);
        EXPECT_FALSE(reader.ReadPassage(BookOfPart(row, *part), part->StartChapter, part->StartVerse, part->EndChapter,
                                        part->EndVerse, false, false).empty())
            << part->Key << " (" << row.Reference << ") in " << BibleFileName(file);
        number = part->Next;
      }
    }
    std::printf("%s: %d readings\n", BibleFileName(file), readings);
  }
}

}  // namespace
}  // namespace kal
