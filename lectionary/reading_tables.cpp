#include "reading_tables.h"

#include <string>
#include <unordered_map>

namespace kal {
namespace {

constexpr ReadingRow kReadingTable[] = {
#include "tables/reading_table.inc"
};

constexpr VerseRangeRow kVerseRangeTable[] = {
#include "tables/verse_range_table.inc"
};

// Built once on first use; the tables never change afterwards.
template <typename Row>
const std::unordered_map<std::string_view, const Row*>& IndexOf(std::span<const Row> rows) {
  static const auto index = [rows] {
    std::unordered_map<std::string_view, const Row*> map;
    map.reserve(rows.size());
    for (const Row& row : rows) map.emplace(row.Key, &row);  // the first of equal keys wins
    return map;
  }();
  return index;
}

template <typename Row>
const Row* Find(std::span<const Row> rows, std::string_view key) {
  const auto& index = IndexOf(rows);
  auto it = index.find(key);
  return it == index.end() ? nullptr : it->second;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// The prophecy of a Royal Hour: "1H1", "3H1", "6H1", "9H1".
bool IsRoyalHourProphecy(std::string_view slot) {
  return slot.size() == 3 && slot[1] == 'H' && slot[2] == '1';
}

}  // namespace

std::span<const ReadingRow> ReadingTable() { return kReadingTable; }
std::span<const VerseRangeRow> VerseRangeTable() { return kVerseRangeTable; }

const ReadingRow* FindReading(std::string_view key) { return Find(ReadingTable(), key); }
const VerseRangeRow* FindVerseRange(std::string_view key) { return Find(VerseRangeTable(), key); }

std::uint16_t BookOfPart(const ReadingRow& reading, const VerseRangeRow& part) {
  return part.Book >= 0 ? static_cast<std::uint16_t>(part.Book) : reading.Book;
}

BibleFile FileOfReading(std::string_view key) {
  const auto comma = key.find(',');
  if (comma == std::string_view::npos) return BibleFile::NewTestament;
  const std::string_view day = key.substr(0, comma);
  const std::string_view slot = key.substr(comma + 1);
  const bool vespers = !slot.empty() && slot[0] == 'V';

  if (IsDigits(day)) {
    const int d = std::stoi(std::string(day));
    if (slot == "6H" || slot == "1H") return BibleFile::OldTestament;  // Lent and Holy Week
    if (d == 75 && IsRoyalHourProphecy(slot)) return BibleFile::OldTestament;
    if (d == 76 && slot == "M1") return BibleFile::OldTestament;        // Ezekiel at Matins
    if (d == 76 && slot == "V16") return BibleFile::Apocrypha;          // the Song of the Three
    if ((d == 133 || d == 140) && (slot == "V2" || slot == "V3")) return BibleFile::Apocrypha;
    return vespers ? BibleFile::OldTestament : BibleFile::NewTestament;
  }

  if (vespers) {
    if (day == "06/29") return BibleFile::NewTestament;  // Vespers of the Apostles read 1 Peter
    if (slot == "V3" && (day == "01/30" || day == "08/29" || day == "12/06")) return BibleFile::Apocrypha;
    if (slot == "V5" && day == "12/24") return BibleFile::Apocrypha;
    return BibleFile::OldTestament;
  }
  if (slot == "BW1" || slot == "BW2" || slot == "BW3") return BibleFile::OldTestament;
  if (IsRoyalHourProphecy(slot))
    return day == "NativRH" && slot == "3H1" ? BibleFile::Apocrypha : BibleFile::OldTestament;
  return BibleFile::NewTestament;
}

const char* BibleFileName(BibleFile file) {
  switch (file) {
    case BibleFile::OldTestament: return "OldTstmt.dat";
    case BibleFile::Apocrypha: return "Apoc.dat";
    case BibleFile::NewTestament: break;
  }
  return "NewTstmt.dat";
}

}  // namespace kal
