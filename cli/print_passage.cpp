#include "print_passage.h"

#include <string_view>

#include "bible_reader.h"
#include "json_writer.h"
#include "windows_1252.h"

namespace kalday {
namespace {

// "3:16" -> "3" and "16", kept as typed.
bool SplitReference(const std::string& text, std::string& chapter, std::string& verse) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) return false;
  chapter = text.substr(0, colon);
  verse = text.substr(colon + 1);
  return !chapter.empty() && !verse.empty();
}

bool ParseBook(const std::string& text, int& book) {
  if (text.empty() || text.size() > 3) return false;
  book = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    book = book * 10 + (c - '0');
  }
  return true;
}

}  // namespace

int PrintPassage(const PassageRequest& request, bool json, const std::filesystem::path& programFolder,
                 std::ostream& out, std::ostream& err) {
  int book = 0;
  std::string startChapter, startVerse, endChapter, endVerse;
  if (!ParseBook(request.book, book)) {
    err << "kalday: --passage: BOOK is the book's index in its file, from 0 (got \"" << request.book << "\")\n";
    return 2;
  }
  if (!SplitReference(request.start, startChapter, startVerse) || !SplitReference(request.end, endChapter, endVerse)) {
    err << "kalday: --passage: the start and end are written CHAPTER:VERSE, e.g. 3:16\n";
    return 2;
  }

  // A bare name is a file of the program's folder, as the program opens it.
  std::filesystem::path folder = programFolder;
  std::string name = request.file;
  if (name.find('/') != std::string::npos) {
    const std::filesystem::path path(name);
    folder = path.parent_path().empty() ? std::filesystem::path("/") : path.parent_path();
    name = path.filename().string();
  }
  kal::BibleReader reader(folder);
  if (!reader.OpenBibleFile(name)) {
    err << "kalday: --passage: cannot open the Bible file " << (folder / name).string() << "\n";
    return 1;
  }
  const std::string passage = reader.ReadPassage(book, startChapter, startVerse, endChapter, endVerse,
                                                 request.verseNumbers, request.headings);
  if (passage.empty()) {
    err << "kalday: --passage: " << request.start << " to " << request.end << " of book " << book
        << " cannot be read from " << name << "\n";
    return 1;
  }
  const std::string text = kal::Utf8FromWindows1252(passage);
  if (json) {
    JsonWriter writer(out);
    writer.BeginObject()
        .Field("file", name)
        .Field("book", book)
        .Field("start", request.start)
        .Field("end", request.end)
        .Field("text", text)
        .EndObject();
    return 0;
  }
  for (const char c : text)
    if (c != '\r') out << c;
  out << "\n";
  return 0;
}

}  // namespace kalday
