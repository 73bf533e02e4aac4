#include "reading_info.h"

#include <cstring>

#include "bible_reader.h"
#include "reading_tables.h"

namespace kal {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string_view TrimLeadingBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) ++i;
  return text.substr(i);
}

}  // namespace

std::string GetReadingInfo(BibleReader& reader, std::string_view key, bool verseNumbers) {
  const ReadingRow* reading = FindReading(key);
  if (!reading) return kReadingInfoError;

  std::string result = std::string(kCrLf) + kCrLf + reading->Reference + kCrLf + kCrLf + "    ";
  std::string partKey = std::string(key) + ",1";
  // A reading has a handful of parts; the bound only guards against a
  // chain that leads back on itself.
  for (std::size_t guard = 0; guard <= VerseRangeTable().size(); ++guard) {
    const VerseRangeRow* part = FindVerseRange(partKey);
    if (!part) return kVerseInfoError;
    std::string passage = reader.ReadPassage(BookOfPart(*reading, *part), part->StartChapter, part->StartVerse,
                                             part->EndChapter, part->EndVerse, verseNumbers, false);
    // A part that crosses chapters comes back as one paragraph per chapter;
    // the reading keeps all its parts in one paragraph.
    if (std::strcmp(part->StartChapter, part->EndChapter) != 0)
      passage = BibleReader::SqueezeSpaces(BibleReader::FlattenLineBreaks(passage));
    result += ' ';
    result += TrimLeadingBlanks(passage);
    if (part->Next[0] == 0) return result;
    partKey = std::string(key) + "," + part->Next;
  }
  return kVerseInfoError;
}

}  // namespace kal
