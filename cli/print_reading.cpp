#include "print_reading.h"

#include <string>

#include "bible_reader.h"
#include "json_writer.h"
#include "reading_info.h"
#include "reading_tables.h"

namespace kalday {
namespace {

// The Bible files are Windows-1252; the terminal and JSON want UTF-8.
std::string Utf8FromWindows1252(std::string_view text) {
  // 0x80-0x9F; 0 where the code page leaves the byte undefined.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  out.reserve(text.size());
  for (unsigned char byte : text) {
    char32_t code = byte;
    if (byte >= 0x80 && byte < 0xA0) code = kHigh[byte - 0x80] ? kHigh[byte - 0x80] : U'?';
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

// Plain text for a terminal: Unix line ends, no leading blank lines.
std::string PlainLines(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  const auto first = out.find_first_not_of('\n');
  return first == std::string::npos ? std::string() : out.substr(first);
}

}  // namespace

int PrintReading(std::string_view key, bool json, const std::filesystem::path& bibleFolder, std::ostream& out,
                 std::ostream& err) {
  const kal::ReadingRow* row = kal::FindReading(key);
  if (!row) {
    err << "kalday: no reading has the key \"" << key << "\" (keys look like 133,V2 or 12/24,V5)\n";
    return 1;
  }
  const char* fileName = kal::BibleFileName(kal::FileOfReading(key));
  kal::BibleReader reader(bibleFolder);
  if (!reader.OpenBibleFile(fileName)) {
    err << "kalday: the Bible file " << fileName << " is missing from " << bibleFolder.string() << "\n";
    return 1;
  }
  const std::string text = Utf8FromWindows1252(kal::GetReadingInfo(reader, key, true));
  if (json) {
    JsonWriter writer(out);
    writer.BeginObject()
        .Field("key", key)
        .Field("reference", row->Reference)
        .Field("book", static_cast<unsigned>(row->Book))
        .Field("file", fileName)
        .Field("text", text)
        .EndObject();
  } else {
    out << PlainLines(text) << "\n";
  }
  return 0;
}

}  // namespace kalday
