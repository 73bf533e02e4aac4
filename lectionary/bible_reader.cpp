#include "bible_reader.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace kal {
namespace {

constexpr std::string_view kApocryphaPrefixes[] = {
    "1Esdr ", "2Esdr ", "AddEsth ", "1Mac ", "2Mac ", "Tob ", "Jdt ", "Wis ",
    "Sir ",   "Bar ",   "EpJer ",   "Sus ",  "PrAzar ", "PrMan ", "Bel ",
};

// A chapter or verse text as typed or stored: decimal digits only. Anything
// else (empty, signs, blanks, too long to be a verse) reads nothing.
bool ParseNumber(std::string_view text, long& value) {
  if (text.empty() || text.size() > 9) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

std::string Padded(long n) {
  std::string s = std::to_string(n);
  if (s.size() < 3) s.insert(0, 3 - s.size(), '0');
  return s;
}

std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

BibleReader::BibleReader(std::filesystem::path programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

BibleReader::~BibleReader() { CloseBibleFile(); }

bool BibleReader::OpenBibleFile(std::string_view fileName) {
  CloseBibleFile();
  apocryphaForm_ = fileName.size() == 8 && strncasecmp(fileName.data(), "Apoc.dat", 8) == 0;
  // Only names within the program's folder.
  if (fileName.empty() || fileName.find('/') != std::string_view::npos) return false;
  const std::filesystem::path path = programDirectory_ / std::filesystem::path(fileName);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  void* view = MAP_FAILED;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
    view = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
  // Only the view is kept; the handle goes as soon as the view exists.
  ::close(fd);
  if (view == MAP_FAILED) return false;
  data_ = static_cast<const char*>(view);
  size_ = static_cast<size_t>(info.st_size);
  mapped_ = true;
  index_ = indexes_.For(FileIdentity::Of(info));
  return true;
}

void BibleReader::AttachBibleText(std::string_view text, bool apocryphaForm) {
  CloseBibleFile();
  apocryphaForm_ = apocryphaForm;
  if (text.empty()) return;
  data_ = text.data();
  size_ = text.size();
  // The caller may change its text between attachments: nothing is kept.
  index_ = std::make_shared<MarkerIndex>();
}

void BibleReader::CloseBibleFile() {
  if (mapped_) ::munmap(const_cast<char*>(data_), size_);
  data_ = nullptr;
  size_ = 0;
  mapped_ = false;
  index_.reset();
}

std::size_t BibleReader::FindMarker(std::string_view marker, std::size_t offset) const {
  return Search(marker, offset, size_);
}

// Boyer-Moore-Horspool: the window's last byte picks the shift; a zero shift
// means it equals the marker's last byte, and the rest is compared.
std::size_t BibleReader::Search(std::string_view marker, std::size_t from, std::size_t before) const {
  const std::size_t m = marker.size();
  if (!data_ || m == 0 || m >= size_ || from >= size_) return kNotFound;
  std::array<std::size_t, 256> shift;
  shift.fill(m);
  for (std::size_t i = 0; i + 1 < m; ++i) shift[static_cast<unsigned char>(marker[i])] = m - 1 - i;
  const auto lastByte = static_cast<unsigned char>(marker[m - 1]);
  const std::size_t lastShift = shift[lastByte];
  shift[lastByte] = 0;

  // The match must start before `before` and end inside the file.
  const std::size_t windowEnd = before >= size_ - m + 1 ? size_ : before + m - 1;
  const auto* bytes = reinterpret_cast<const unsigned char*>(data_);
  for (std::size_t last = from + m - 1; last < windowEnd;) {
    const std::size_t s = shift[bytes[last]];
    if (s != 0) {
      last += s;
      continue;
    }
    const std::size_t start = last - (m - 1);
    if (std::memcmp(data_ + start, marker.data(), m - 1) == 0) return start;
    last += lastShift;
  }
  return kNotFound;
}

std::size_t BibleReader::FindDelimited(std::string_view marker, std::size_t from, std::size_t before) const {
  for (std::size_t at = Search(marker, from, before); at != kNotFound; at = Search(marker, at + 1, before)) {
    const std::size_t after = at + marker.size();
    if (after >= size_ || !IsDigit(data_[after])) return at;
  }
  return kNotFound;
}

std::size_t BibleReader::FindBookMarker(const std::string& marker, std::size_t from) const {
  constexpr std::string_view kBook = "Book ";
  if (!index_ || !indexing_ || !marker.starts_with(kBook)) return FindDelimited(marker, from, size_);
  if (!index_->booksFound) {
    // One pass for every book marker of the file: "Book " and its whole run
    // of digits is the one marker found there not followed by a digit.
    for (std::size_t at = Search(kBook, 0, size_); at != kNotFound; at = Search(kBook, at + 1, size_)) {
      std::size_t end = at + kBook.size();
      while (end < size_ && IsDigit(data_[end])) ++end;
      if (end > at + kBook.size()) index_->firstDelimited.try_emplace(std::string(data_ + at, end - at), at);
    }
    index_->booksFound = true;
  }
  const auto entry = index_->firstDelimited.find(marker);
  if (entry == index_->firstDelimited.end()) return kNotFound;
  // The first occurrence in the file is the first after `from` unless it
  // lies before it (a marker written twice).
  const std::size_t first = entry->second;
  return first >= from ? first : FindDelimited(marker, from, size_);
}

std::size_t BibleReader::FindInBook(const std::string& marker, std::size_t bookAt, std::size_t bookEnd) const {
  const std::size_t colon = marker.find(':');
  if (!index_ || !indexing_ || colon == std::string::npos) return FindDelimited(marker, bookAt, bookEnd);
  // Every occurrence of the marker starts with its chapter's prefix
  // ("003:", "Tob 3:"), so none lies before the prefix's first occurrence.
  const auto [entry, added] =
      index_->chapterStarts.try_emplace({bookAt, bookEnd, marker.substr(0, colon + 1)}, kNotFound);
  if (added) entry->second = Search(std::get<2>(entry->first), bookAt, bookEnd);
  const std::size_t chapterAt = entry->second;
  return chapterAt == kNotFound ? kNotFound : FindDelimited(marker, chapterAt, bookEnd);
}

std::string BibleReader::FlattenLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '\r' || text[i] == '\n') {
      while (i < text.size() && (text[i] == '\r' || text[i] == '\n')) ++i;
      out += ' ';
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string BibleReader::SqueezeSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

std::string BibleReader::BookMarker(int index) {
  return (index >= 0 && index < 10 ? "Book 0" : "Book ") + std::to_string(index);
}

std::string_view BibleReader::ApocryphaPrefix(int book) {
  constexpr int count = static_cast<int>(std::size(kApocryphaPrefixes));
  return book >= 0 && book < count ? kApocryphaPrefixes[book] : std::string_view{};
}

std::string BibleReader::VerseMarker(int book, long chapter, long verse) const {
  if (!apocryphaForm_) return Padded(chapter) + ":" + Padded(verse);
  const std::string_view prefix = ApocryphaPrefix(book);
  if (prefix.empty()) return {};
  return std::string(prefix) + std::to_string(chapter) + ":" + std::to_string(verse);
}

std::string BibleReader::ReadPassage(int book, std::string_view startChapter, std::string_view startVerse,
                                     std::string_view endChapter, std::string_view endVerse,
                                     bool includeVerseNumbers, bool includeChapterHeadings) const {
  long startC, startV, endC, endV;
  if (!IsOpen() || book < 0 || !ParseNumber(startChapter, startC) || !ParseNumber(startVerse, startV) ||
      !ParseNumber(endChapter, endC) || !ParseNumber(endVerse, endV))
    return {};
  // An end before the start can never be reached.
  if (endC < startC || (endC == startC && endV < startV)) return {};

  const std::size_t bookAt = FindBookMarker(BookMarker(book), 0);
  if (bookAt == kNotFound) return {};
  const std::size_t bookEnd = FindBookMarker(BookMarker(book + 1), bookAt);
  if (bookEnd == kNotFound) return {};

  // In the Apocrypha the first marker is built from the texts as given, so a
  // chapter typed "01" is not the chapter written "1".
  std::string marker;
  if (apocryphaForm_) {
    const std::string_view prefix = ApocryphaPrefix(book);
    if (prefix.empty()) return {};
    marker = std::string(prefix) + std::string(startChapter) + ":" + std::string(startVerse);
  } else {
    marker = VerseMarker(book, startC, startV);
  }
  std::size_t at = FindInBook(marker, bookAt, bookEnd);
  if (at == kNotFound) return {};

  std::string result;
  long c = startC, v = startV;
  for (bool first = true;; first = false) {
    // The successor: the next verse of this chapter, else the first of the next.
    const std::size_t textFrom = at + marker.size() + 1;
    std::string next = VerseMarker(book, c, v + 1);
    long nextC = c, nextV = v + 1;
    std::size_t nextAt = FindDelimited(next, at + marker.size(), bookEnd);
    if (nextAt == kNotFound) {
      next = VerseMarker(book, c + 1, 1);
      nextC = c + 1;
      nextV = 1;
      nextAt = FindDelimited(next, at + marker.size(), bookEnd);
      if (nextAt == kNotFound) return {};
      // The chapter ends before the end verse: that verse does not exist.
      if (c == endC && endV > v) return {};
    }

    // The separator after the marker is skipped; a successor that follows
    // the marker at once leaves the verse without text.
    const std::string_view raw =
        textFrom < nextAt ? std::string_view(data_ + textFrom, nextAt - textFrom) : std::string_view{};
    const std::string squeezed = SqueezeSpaces(FlattenLineBreaks(raw));
    std::string verse(TrimControls(squeezed));
    if (includeVerseNumbers) verse = std::to_string(v) + " " + verse;
    if (nextC > c && c < endC) {
      verse += "\r\n\r\n";
      if (includeChapterHeadings) verse += "Chapter " + std::to_string(nextC) + "\r\n\r\n";
      verse += "    ";
    }
    if (first) {
      if (includeChapterHeadings && startC != endC)
        result = "Chapter " + std::to_string(startC) + "\r\n\r\n     " + verse;
      else
        result = "     " + verse;
    } else {
      result += " ";
      result += verse;
    }
    if (c == endC && v == endV) return result;
    // Past the end chapter the end can no longer be met.
    if (nextC > endC) return {};
    at = nextAt;
    marker = std::move(next);
    c = nextC;
    v = nextV;
  }
}

}  // namespace kal
