// The generated Bible files in the program's folder: known passages read
// in full, and every verse of every book read back as a passage of its own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bible_reader.h"
#include "program_folder.h"

namespace kal {
namespace {

std::filesystem::path BinDir() {
  if (const char* dir = std::getenv("KAL_BIN_DIR")) return dir;
  return ExecutableDirectory().parent_path() / "bin";
}

class BibleFilesTest : public ::testing::Test {
 protected:
  BibleReader reader_{BinDir()};
  void Open(const char* file) { ASSERT_TRUE(reader_.OpenBibleFile(file)) << file << " in " << BinDir(); }
};

std::string Before(const std::string& s, size_t n) { return s.substr(0, n); }
std::string After(const std::string& s, size_t n) { return s.size() < n ? s : s.substr(s.size() - n); }

size_t Count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST_F(BibleFilesTest, JohnThreeSixteen) {
  Open("NewTstmt.dat");
  EXPECT_EQ(reader_.ReadPassage(3, "3", "16", "3", "16", true, true),
            "     16 For God so loved the world, that he gave his only begotten Son, that whosoever believeth in "
            "him should not perish, but have everlasting life.");
}

TEST_F(BibleFilesTest, KnownPassages) {
  struct {
    const char* file;
    int book;
    const char *sc, *sv, *ec, *ev;
    const char* begins;
    const char* ends;
    size_t verses;
  } const cases[] = {
      {"OldTstmt.dat", 0, "1", "1", "1", "13", "     1 In the beginning God created the heaven and the earth. 2 And",
       "13 And the evening and the morning were the third day.", 13},
      {"NewTstmt.dat", 5, "13", "11", "14", "4",
       "Chapter 13\r\n\r\n     11 And that, knowing the time, that now it is high time to awake out of sleep",
       "4 Who art thou that judgest another man\x92s servant? to his own master he standeth or falleth. Yea, he "
       "shall be holden up: for God is able to make him stand.",
       8},
      {"Apoc.dat", 7, "3", "1", "3", "9", "     1 But the souls of the righteous are in the hand of God, and no torment",
       "9 Those who trust him will understand truth. The faithful will live with him in love, because grace and mercy "
       "are with his chosen ones.",
       9},
      {"Apoc.dat", 9, "3", "35", "4", "4", "Chapter 3\r\n\r\n     35 This is our God. No other can be compared to him.",
       "4 O Israel, we are happy; for the things that are pleasing to God are made known to us.", 7},
      {"Apoc.dat", 12, "1", "1", "1", "68",
       "     1 They walked in the midst of the fire, praising God, and blessing the Lord. 2 Then Azarias stood",
       "68 O all you who worship the Lord, bless the God of gods, praise him, and give him thanks; for his mercy is "
       "forever!\x94",
       67},  // verse 45 is not in this translation
  };
  for (const auto& c : cases) {
    Open(c.file);
    const std::string text = reader_.ReadPassage(c.book, c.sc, c.sv, c.ec, c.ev, true, true);
    const std::string range = std::string(c.sc) + ":" + c.sv + "-" + c.ec + ":" + c.ev;
    EXPECT_EQ(Before(text, std::string(c.begins).size()), c.begins) << range;
    EXPECT_EQ(After(text, std::string(c.ends).size()), c.ends) << range;
    // Each verse starts with its number after the space that joins it.
    size_t numbered = 0;
    for (int v = 1; v <= 99; ++v) numbered += Count(text, " " + std::to_string(v) + " ") > 0 ? 1 : 0;
    EXPECT_GE(numbered, c.verses) << range;
    EXPECT_EQ(text.find('\n') == std::string::npos, std::string(c.sc) == c.ec) << range;
  }
  // Across chapters the next paragraph carries its heading.
  Open("NewTstmt.dat");
  EXPECT_NE(reader_.ReadPassage(5, "13", "11", "14", "4", true, true)
                .find("thereof.\r\n\r\nChapter 14\r\n\r\n     1 Him that is weak in the faith receive ye"),
            std::string::npos);
}

// One line of a Bible file: a verse marker and its text.
struct VerseLine {
  int book;
  std::string chapter, verse, text;
};

// Reads the verse lines of a file as the converter writes them (one verse
// per line), leaving out each book's closing marker.
std::vector<VerseLine> VerseLines(const std::filesystem::path& path, bool apocrypha) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  std::vector<VerseLine> lines;
  int book = -1;
  bool previousWasVerse = false;
  std::string line;
  std::istringstream stream(all.str());
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Book ", 0) == 0) {
      if (previousWasVerse) lines.pop_back();  // the closing marker
      book = std::stoi(line.substr(5, 2));
      previousWasVerse = false;
      continue;
    }
    const size_t markerStart = apocrypha ? line.find(' ') + 1 : 0;
    const size_t colon = line.find(':', markerStart);
    const size_t space = line.find(' ', colon);
    VerseLine v{book, line.substr(markerStart, colon - markerStart), line.substr(colon + 1, space - colon - 1),
                line.substr(space + 1)};
    // Numbers are written padded in the Testaments; the reader takes "016" as 16.
    lines.push_back(v);
    previousWasVerse = true;
  }
  return lines;
}

struct SweptFile {
  const char* file;
  bool apocrypha;
  size_t verses;  // 0: not fixed here
  int books;
};

void PrintTo(const SweptFile& f, std::ostream* os) { *os << f.file; }

class EveryVerseTest : public testing::TestWithParam<SweptFile> {};

// One test per file, so the three sweeps can run side by side.
TEST_P(EveryVerseTest, ReadsAsAPassageOfItsOwn) {
  const SweptFile& f = GetParam();
  BibleReader reader(BinDir());
  ASSERT_TRUE(reader.OpenBibleFile(f.file)) << f.file << " in " << BinDir();
  const std::vector<VerseLine> lines = VerseLines(BinDir() / f.file, f.apocrypha);
  if (f.verses) {
    EXPECT_EQ(lines.size(), f.verses);
  }
  size_t failures = 0;
  std::vector<const VerseLine*> lastOfBook(f.books, nullptr);
  for (const VerseLine& v : lines) {
    const std::string got = reader.ReadPassage(v.book, v.chapter, v.verse, v.chapter, v.verse, false, false);
    if (got != "     " + v.text && ++failures <= 5)
      ADD_FAILURE() << "book " << v.book << " " << v.chapter << ":" << v.verse << " read \"" << got << "\"";
    lastOfBook.at(v.book) = &v;
  }
  EXPECT_EQ(failures, 0u);
  // Each book's last verse has text, and the verse after it does not exist.
  for (int b = 0; b < f.books; ++b) {
    const VerseLine* last = lastOfBook[b];
    if (!last) continue;  // a book the sources do not carry
    EXPECT_FALSE(last->text.empty()) << "book " << b;
    const std::string after = std::to_string(std::stoi(last->verse) + 1);
    EXPECT_EQ(reader.ReadPassage(b, last->chapter, after, last->chapter, after, false, false), "") << "book " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(BibleFiles, EveryVerseTest,
                         testing::Values(SweptFile{"OldTstmt.dat", false, 23145, 39},
                                         SweptFile{"NewTstmt.dat", false, 7957, 27},
                                         SweptFile{"Apoc.dat", true, 0, 15}),
                         [](const testing::TestParamInfo<SweptFile>& info) {
                           return std::string(info.param.file).substr(0, std::string(info.param.file).find('.'));
                         });

TEST_F(BibleFilesTest, ApocryphaBooks) {
  Open("Apoc.dat");
  // The Letter of Jeremiah has its own book; Baruch ends with chapter 5.
  EXPECT_NE(reader_.ReadPassage(10, "1", "73", "1", "73", false, false), "");
  EXPECT_EQ(reader_.ReadPassage(9, "6", "1", "6", "1", false, false), "");
  EXPECT_NE(reader_.ReadPassage(9, "5", "9", "5", "9", false, false), "");
  // Sirach's prologue is chapter 0.
  EXPECT_EQ(reader_.ReadPassage(8, "0", "1", "0", "1", false, false).substr(0, 34), "     WHEREAS many and great things");
  // Books the sources do not carry have a marker and no verses.
  for (const int empty : {2, 11, 14}) EXPECT_EQ(reader_.ReadPassage(empty, "1", "1", "1", "1", false, false), "");
  // A start written with a leading zero is not found in this file.
  EXPECT_EQ(reader_.ReadPassage(7, "03", "1", "3", "9", false, false), "");
}

}  // namespace
}  // namespace kal
