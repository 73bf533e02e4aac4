#include "dat_writer.h"

#include <cctype>
#include <stdexcept>

namespace biblemake {
namespace {

std::string Padded(int n) {
  std::string s = std::to_string(n);
  return s.size() < 3 ? std::string(3 - s.size(), '0') + s : s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void Fail(const BibleFile& file, const std::string& what) {
  throw std::runtime_error(file.fileName + ": " + what);
}

// True when the text holds something a reader could take for a marker.
bool LooksLikeMarker(const BibleFile& file, std::string_view text) {
  for (size_t i = 0; i + 2 < text.size(); ++i)
    if (IsDigit(text[i]) && text[i + 1] == ':' && IsDigit(text[i + 2])) return true;
  if (text.find("Book ") != std::string_view::npos) {
    for (size_t at = text.find("Book "); at != std::string_view::npos; at = text.find("Book ", at + 1))
      if (at + 5 < text.size() && IsDigit(text[at + 5])) return true;
  }
  if (file.apocryphaForm)
    for (const Book& book : file.books)
      for (size_t at = text.find(book.prefix); at != std::string_view::npos; at = text.find(book.prefix, at + 1))
        if (at + book.prefix.size() < text.size() && IsDigit(text[at + book.prefix.size()])) return true;
  return false;
}

}  // namespace

std::string BookMarker(int index) { return index < 10 ? "Book 0" + std::to_string(index) : "Book " + std::to_string(index); }

std::string VerseMarker(const BibleFile& file, const Book& book, int chapter, int verse) {
  if (file.apocryphaForm) return book.prefix + std::to_string(chapter) + ":" + std::to_string(verse);
  return Padded(chapter) + ":" + Padded(verse);
}

std::string FormatBibleFile(const BibleFile& file) {
  std::string out;
  for (size_t b = 0; b < file.books.size(); ++b) {
    const Book& book = file.books[b];
    out += BookMarker(static_cast<int>(b)) + " " + book.name + "\r\n";
    for (const Chapter& chapter : book.chapters)
      for (size_t v = 0; v < chapter.verses.size(); ++v)
        out += VerseMarker(file, book, chapter.number, static_cast<int>(v + 1)) + " " + chapter.verses[v] + "\r\n";
    if (!book.chapters.empty()) {
      const Chapter& last = book.chapters.back();
      out += VerseMarker(file, book, last.number, static_cast<int>(last.verses.size() + 1)) + " \r\n";
    }
  }
  out += BookMarker(static_cast<int>(file.books.size())) + "\r\n";
  return out;
}

void CheckBibleFile(std::string_view bytes, const BibleFile& file) {
  // Split into lines; every line ends in CR LF and no other CR or LF occurs.
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = bytes.find("\r\n", pos);
    if (end == std::string_view::npos) Fail(file, "text after the last line break");
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  size_t line = 0;
  const auto next = [&]() -> std::string_view {
    if (line >= lines.size()) Fail(file, "the file ends early");
    return lines[line++];
  };
  for (size_t b = 0; b < file.books.size(); ++b) {
    const Book& book = file.books[b];
    const std::string bookLine = BookMarker(static_cast<int>(b)) + " " + book.name;
    if (next() != bookLine) Fail(file, "expected the line \"" + bookLine + "\" at line " + std::to_string(line));
    int previousChapter = -1, previousVerse = 0;
    for (const Chapter& chapter : book.chapters) {
      if (previousChapter >= 0 && chapter.number != previousChapter + 1)
        Fail(file, book.name + ": chapter " + std::to_string(chapter.number) + " does not follow chapter " +
                       std::to_string(previousChapter));
      for (size_t v = 0; v < chapter.verses.size(); ++v) {
        const std::string marker = VerseMarker(file, book, chapter.number, static_cast<int>(v + 1));
        const std::string_view text = next();
        if (text.substr(0, marker.size()) != marker || text.size() <= marker.size() || text[marker.size()] != ' ')
          Fail(file, "expected the verse marker " + marker + " at line " + std::to_string(line));
        const std::string_view verse = text.substr(marker.size() + 1);
        if (verse != chapter.verses[v]) Fail(file, marker + ": text differs from the source");
        for (const char c : verse)
          if (static_cast<unsigned char>(c) < 0x20) Fail(file, marker + ": control character in the text");
        if (LooksLikeMarker(file, verse)) Fail(file, marker + ": text looks like a marker");
        if (!verse.empty() && (verse.front() == ' ' || verse.back() == ' '))
          Fail(file, marker + ": untrimmed text");
      }
      previousChapter = chapter.number;
      previousVerse = static_cast<int>(chapter.verses.size());
    }
    if (!book.chapters.empty()) {
      const std::string closing = VerseMarker(file, book, previousChapter, previousVerse + 1) + " ";
      if (next() != closing) Fail(file, book.name + ": closing marker " + closing + "missing");
    }
  }
  if (next() != BookMarker(static_cast<int>(file.books.size()))) Fail(file, "final book marker missing");
  if (line != lines.size()) Fail(file, "text after the final book marker");
}

}  // namespace biblemake
