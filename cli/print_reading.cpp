#include "print_reading.h"

#include <string>

#include "bible_reader.h"
#include "json_writer.h"
#include "reading_info.h"
#include "reading_tables.h"
#include "windows_1252.h"

namespace kalday {
namespace {

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
    return 2;
  }
  const char* fileName = kal::BibleFileName(kal::FileOfReading(key));
  kal::BibleReader reader(bibleFolder);
  if (!reader.OpenBibleFile(fileName)) {
    err << "kalday: the Bible file " << fileName << " is missing from " << bibleFolder.string() << "\n";
    return 1;
  }
  const std::string text = kal::Utf8FromWindows1252(kal::GetReadingInfo(reader, key, true));
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
