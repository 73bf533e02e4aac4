// The one reader of the Bible text files OldTstmt.dat, NewTstmt.dat and
// Apoc.dat: finds books and verses by their text markers in a read-only view
// of the file and returns verse ranges as formatted plain text.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "marker_index.h"

namespace kal {

class BibleReader {
 public:
  static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

  // Files are opened from programDirectory, the folder of the executable.
  explicit BibleReader(std::filesystem::path programDirectory = {});
  ~BibleReader();
  BibleReader(const BibleReader&) = delete;
  BibleReader& operator=(const BibleReader&) = delete;

  const std::filesystem::path& ProgramDirectory() const { return programDirectory_; }

  // Releases the open file and maps the named file of the program's folder
  // read-only; the Apocrypha marker form is in force exactly for Apoc.dat.
  // A missing, unreadable or empty file leaves no file open (false).
  bool OpenBibleFile(std::string_view fileName);
  // Views text the caller keeps alive instead of a file (tests, fuzzing).
  void AttachBibleText(std::string_view text, bool apocryphaForm);
  void CloseBibleFile();

  bool IsOpen() const { return size_ > 0; }
  std::size_t FileSize() const { return size_; }
  bool ApocryphaForm() const { return apocryphaForm_; }
  // The Bible search sets the form from its testament selection.
  void SetApocryphaForm(bool apocrypha) { apocryphaForm_ = apocrypha; }

  // The verses from start to end of the book with the given index in the
  // open file, formatted as indented paragraphs, one per chapter; empty when
  // any verse of the range cannot be read. The four numbers are decimal texts.
  std::string ReadPassage(int book, std::string_view startChapter, std::string_view startVerse,
                          std::string_view endChapter, std::string_view endVerse, bool includeVerseNumbers,
                          bool includeChapterHeadings) const;

  // Position of the first occurrence of the marker at or after offset, or
  // kNotFound (also when nothing is open or the marker is empty or not
  // shorter than the file).
  std::size_t FindMarker(std::string_view marker, std::size_t offset) const;

  // Passages find their book and chapter through the index of the open
  // file (on by default). Off, every passage scans from the file's start:
  // the plain reading the index must always agree with.
  void SetIndexing(bool on) { indexing_ = on; }

  // Every run of CR and LF becomes one space.
  static std::string FlattenLineBreaks(std::string_view text);
  // Every run of two or more spaces becomes one.
  static std::string SqueezeSpaces(std::string_view text);

  // "Book 07" for index 7.
  static std::string BookMarker(int index);
  // "003:016" in the Testaments, "Tob 3:16" in the Apocrypha; empty for a
  // book index that has no Apocrypha prefix.
  std::string VerseMarker(int book, long chapter, long verse) const;
  // "Tob " for index 5; empty outside 0..14.
  static std::string_view ApocryphaPrefix(int book);

 private:
  // First occurrence starting in [from, before) that is followed by its
  // separator (not by another digit), so "Tob 3:1" never matches the start
  // of "Tob 3:10".
  std::size_t FindDelimited(std::string_view marker, std::size_t from, std::size_t before) const;
  std::size_t Search(std::string_view marker, std::size_t from, std::size_t before) const;
  // FindDelimited(marker, from, end of file), through the index.
  std::size_t FindBookMarker(const std::string& marker, std::size_t from) const;
  // FindDelimited(marker, bookAt, bookEnd), started at the first place the
  // marker's chapter can begin.
  std::size_t FindInBook(const std::string& marker, std::size_t bookAt, std::size_t bookEnd) const;

  std::filesystem::path programDirectory_;
  const char* data_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;
  bool apocryphaForm_ = false;
  bool indexing_ = true;
  std::shared_ptr<MarkerIndex> index_;  // of the open file or text
  MarkerIndexCache indexes_;
};

}  // namespace kal
