// Where the Bible reader has already found markers in one Bible file, so that
// the passages of a day are not found by scanning the file from its start
// each time. A day's readings switch files often (the Royal Hours alternate
// the Testaments), so the index of a file outlives its mapping and is found
// again by the file's identity when the same file is opened once more.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

namespace kal {

struct MarkerIndex {
  // Book marker ("Book 07") -> its first occurrence in the file that is not
  // followed by a digit; a marker missing here is not in the file. Filled in
  // one pass when a book is first looked for.
  std::unordered_map<std::string, std::size_t> firstDelimited;
  bool booksFound = false;
  // (book start, book end, verse-marker prefix up to its colon) -> the
  // prefix's first occurrence within the book, or "none". No verse of that
  // chapter can start before it.
  std::map<std::tuple<std::size_t, std::size_t, std::string>, std::size_t> chapterStarts;
};

// One file as it is on disk now: a file rewritten or replaced under the same
// name has another identity (the change time moves on every write).
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long modified = 0, changed = 0;  // nanoseconds

  static FileIdentity Of(const struct stat& info);
  bool operator==(const FileIdentity&) const = default;
};

// The indexes of the last few files opened, most recent first.
class MarkerIndexCache {
 public:
  static constexpr std::size_t kFiles = 4;  // the three Bible files and one other
  std::shared_ptr<MarkerIndex> For(const FileIdentity& file);

 private:
  std::list<std::pair<FileIdentity, std::shared_ptr<MarkerIndex>>> entries_;
};

}  // namespace kal
