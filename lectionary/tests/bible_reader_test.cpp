// The Bible reader on small files written in the format of the Bible files.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bible_reader.h"

namespace kal {
namespace {

namespace fs = std::filesystem;

// Two books in the Testament form. Verse 1:2 runs over several lines with
// extra blanks; each book ends in its closing marker.
constexpr const char* kTestament =
    "Book 00 First\r\n"
    "001:001 In the beginning.\r\n"
    "001:002 Second verse\r\n   runs  over\r\n\r\n two lines.\r\n"
    "001:003 Third.\r\n"
    "002:001 Chapter two, one.\r\n"
    "002:002 Chapter two, two.\r\n"
    "002:003 \r\n"
    "Book 01 Second\r\n"
    "001:001 Only verse.\r\n"
    "002:001 \r\n"
    "Book 02\r\n";

// The Apocrypha form: five books without text, then Tobit with a chapter 0
// and a chapter reaching verse 10; book 6 has 4:10 and 4:11 but no 4:1.
constexpr const char* kApocrypha =
    "Book 00\r\nBook 01\r\nBook 02\r\nBook 03\r\nBook 04\r\n"
    "Book 05 Tobit\r\n"
    "Tob 0:1 Zero.\r\n"
    "Tob 1:1 One.\r\n"
    "Tob 1:2 Two.\r\nTob 1:3 Three.\r\nTob 1:4 Four.\r\nTob 1:5 Five.\r\n"
    "Tob 1:6 Six.\r\nTob 1:7 Seven.\r\nTob 1:8 Eight.\r\n"
    "Tob 1:9 Nine text.\r\n"
    "Tob 1:10 Ten text.\r\n"
    "Tob 2:1 Two one.\r\n"
    "Tob 2:2 \r\n"
    "Book 06\r\n"
    "Jdt 4:10 Ten.\r\n"
    "Jdt 4:11 Eleven.\r\n"
    "Jdt 4:12 \r\n"
    "Book 07\r\n";

class BibleReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("bible_reader_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    Write("OldTstmt.dat", kTestament);
    Write("Apoc.dat", kApocrypha);
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  fs::path dir_;
};

struct PassageCase {
  const char* name;
  const char* file;
  int book;
  const char *sc, *sv, *ec, *ev;
  bool numbers, headings;
  const char* expected;  // "" means nothing is read
};

const PassageCase kPassages[] = {
    {"single verse", "OldTstmt.dat", 0, "1", "1", "1", "1", false, false, "     In the beginning."},
    {"single verse numbered, headings ignored", "OldTstmt.dat", 0, "1", "1", "1", "1", true, true,
     "     1 In the beginning."},
    {"verse over several lines", "OldTstmt.dat", 0, "1", "2", "1", "2", false, false,
     "     Second verse runs over two lines."},
    {"range in one chapter, no heading", "OldTstmt.dat", 0, "1", "1", "1", "3", true, true,
     "     1 In the beginning. 2 Second verse runs over two lines. 3 Third."},
    {"range over chapters with headings", "OldTstmt.dat", 0, "1", "3", "2", "1", true, true,
     "Chapter 1\r\n\r\n     3 Third.\r\n\r\nChapter 2\r\n\r\n     1 Chapter two, one."},
    {"range over chapters without headings", "OldTstmt.dat", 0, "1", "3", "2", "2", false, false,
     "     Third.\r\n\r\n     Chapter two, one. Chapter two, two."},
    {"last verse of a book", "OldTstmt.dat", 0, "2", "2", "2", "2", false, false, "     Chapter two, two."},
    {"last book of the file", "OldTstmt.dat", 1, "1", "1", "1", "1", true, false, "     1 Only verse."},
    {"01 is 1 in the Testaments", "OldTstmt.dat", 0, "01", "001", "1", "01", false, false,
     "     In the beginning."},
    {"end verse beyond its chapter", "OldTstmt.dat", 0, "1", "2", "1", "4", false, false, ""},
    {"end chapter beyond the book", "OldTstmt.dat", 0, "2", "1", "3", "1", false, false, ""},
    {"end before start", "OldTstmt.dat", 0, "1", "3", "1", "2", false, false, ""},
    {"end chapter before start chapter", "OldTstmt.dat", 0, "2", "1", "1", "3", false, false, ""},
    {"start verse missing", "OldTstmt.dat", 0, "1", "4", "1", "4", false, false, ""},
    {"start verse in another book", "OldTstmt.dat", 1, "2", "2", "2", "2", false, false, ""},
    {"book without its next book marker", "OldTstmt.dat", 2, "1", "1", "1", "1", false, false, ""},
    {"negative book", "OldTstmt.dat", -1, "1", "1", "1", "1", false, false, ""},
    {"verse 0", "OldTstmt.dat", 0, "1", "0", "1", "1", false, false, ""},
    {"not a number", "OldTstmt.dat", 0, "1", "x", "1", "1", false, false, ""},
    {"empty text", "OldTstmt.dat", 0, "", "1", "1", "1", false, false, ""},
    {"signed number", "OldTstmt.dat", 0, "+1", "1", "1", "1", false, false, ""},
    {"Apocrypha 9 then 10", "Apoc.dat", 5, "1", "9", "1", "10", true, false, "     9 Nine text. 10 Ten text."},
    {"Apocrypha 10 alone", "Apoc.dat", 5, "1", "10", "1", "10", false, false, "     Ten text."},
    {"Apocrypha chapter 0", "Apoc.dat", 5, "0", "1", "0", "1", true, true, "     1 Zero."},
    {"Apocrypha from chapter 0 with headings", "Apoc.dat", 5, "0", "1", "1", "1", false, true,
     "Chapter 0\r\n\r\n     Zero.\r\n\r\nChapter 1\r\n\r\n     One."},
    {"Apocrypha last verse before closing", "Apoc.dat", 5, "1", "10", "2", "1", false, false,
     "     Ten text.\r\n\r\n     Two one."},
    {"Apocrypha 01 chapter not found", "Apoc.dat", 5, "01", "1", "1", "1", false, false, ""},
    {"Apocrypha 01 verse not found", "Apoc.dat", 5, "1", "01", "1", "1", false, false, ""},
    {"Apocrypha 01 only in the end is a number", "Apoc.dat", 5, "1", "1", "01", "02", false, false,
     "     One. Two."},
    {"4:1 is not the start of 4:10", "Apoc.dat", 6, "4", "1", "4", "1", false, false, ""},
    {"Apocrypha book without prefix", "Apoc.dat", 15, "1", "1", "1", "1", false, false, ""},
};

TEST_F(BibleReaderTest, ReadsPassagesAndReturnsNothingOnFailure) {
  BibleReader reader(dir_);
  for (const PassageCase& c : kPassages) {
    ASSERT_TRUE(reader.OpenBibleFile(c.file)) << c.name;
    EXPECT_EQ(reader.ReadPassage(c.book, c.sc, c.sv, c.ec, c.ev, c.numbers, c.headings), c.expected) << c.name;
  }
}

TEST_F(BibleReaderTest, MissingMarkersMakeTheLastVerseOrBookUnreadable) {
  BibleReader reader(dir_);
  struct {
    const char* name;
    std::string bytes;
    const char* firstVerse;  // what 1:1 reads
  } const broken[] = {
      {"no closing marker", "Book 00\r\n001:001 Alpha.\r\n001:002 Beta.\r\nBook 01\r\n", "     Alpha."},
      {"closing marker run into a digit", "Book 00\r\n001:001 Alpha.\r\n001:002 Beta.\r\n001:0030\r\nBook 01",
       "     Alpha."},
      // Without the marker of the book after it, no verse of a book is read.
      {"no book marker after the last book", "Book 00\r\n001:001 Alpha.\r\n001:002 Beta.\r\n001:003 \r\n", ""},
  };
  for (const auto& file : broken) {
    Write("NewTstmt.dat", file.bytes);
    ASSERT_TRUE(reader.OpenBibleFile("NewTstmt.dat")) << file.name;
    EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), file.firstVerse) << file.name;
    EXPECT_EQ(reader.ReadPassage(0, "1", "2", "1", "2", false, false), "") << file.name;
    EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "2", false, false), "") << file.name;
  }
}

TEST_F(BibleReaderTest, OpeningFollowsTheFileAndFailsSafely) {
  BibleReader reader(dir_);
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "");

  ASSERT_TRUE(reader.OpenBibleFile("Apoc.dat"));
  EXPECT_TRUE(reader.ApocryphaForm());
  EXPECT_EQ(reader.FileSize(), std::string(kApocrypha).size());
  ASSERT_TRUE(reader.OpenBibleFile("OldTstmt.dat"));
  EXPECT_FALSE(reader.ApocryphaForm());
  EXPECT_EQ(reader.ReadPassage(1, "1", "1", "1", "1", false, false), "     Only verse.");

  Write("Empty.dat", "");
  fs::create_directories(dir_ / "Folder.dat");
  for (const char* bad : {"Missing.dat", "Empty.dat", "Folder.dat", "", "../OldTstmt.dat"}) {
    EXPECT_FALSE(reader.OpenBibleFile(bad)) << bad;
    EXPECT_FALSE(reader.IsOpen()) << bad;
    EXPECT_EQ(reader.FileSize(), 0u) << bad;
    EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "") << bad;
    EXPECT_EQ(reader.FindMarker("Book", 0), BibleReader::kNotFound) << bad;
  }

  // The file is found in the program's folder, not the working directory.
  const fs::path before = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  BibleReader elsewhere(dir_);
  EXPECT_TRUE(elsewhere.OpenBibleFile("OldTstmt.dat"));
  fs::current_path(before);

  reader.OpenBibleFile("OldTstmt.dat");
  reader.CloseBibleFile();
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "");
}

TEST(BibleReaderText, FindMarker) {
  BibleReader reader;
  EXPECT_EQ(reader.FindMarker("ab", 0), BibleReader::kNotFound);  // nothing open
  const std::string text = "xxabcabcab";
  reader.AttachBibleText(text, false);
  EXPECT_EQ(reader.FindMarker("abc", 0), 2u);
  EXPECT_EQ(reader.FindMarker("abc", 3), 5u);
  EXPECT_EQ(reader.FindMarker("abc", 6), BibleReader::kNotFound);
  EXPECT_EQ(reader.FindMarker("cab", 0), 4u);
  EXPECT_EQ(reader.FindMarker("ab", 8), 8u);  // at the very end
  EXPECT_EQ(reader.FindMarker("b", 0), 3u);
  EXPECT_EQ(reader.FindMarker("", 0), BibleReader::kNotFound);
  EXPECT_EQ(reader.FindMarker("xxabcabcab", 0), BibleReader::kNotFound);  // not shorter than the file
  EXPECT_EQ(reader.FindMarker("abc", 100), BibleReader::kNotFound);
}

TEST(BibleReaderText, LineBreaksAndSpaces) {
  struct {
    const char *in, *flat, *squeezed;
  } const cases[] = {
      {"no breaks", "no breaks", "no breaks"},
      {"a\r\nb", "a b", "a b"},
      {"a\r\n\r\n\nb\r", "a b ", "a b "},
      {"\n\ra  b", " a  b", " a b"},
      {"a \r\n b", "a   b", "a b"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BibleReader::FlattenLineBreaks(c.in), c.flat) << c.in;
    EXPECT_EQ(BibleReader::SqueezeSpaces(BibleReader::FlattenLineBreaks(c.in)), c.squeezed) << c.in;
  }
  EXPECT_EQ(BibleReader::SqueezeSpaces("a\r\n  b"), "a\r\n b");
}

TEST(BibleReaderText, Markers) {
  EXPECT_EQ(BibleReader::BookMarker(0), "Book 00");
  EXPECT_EQ(BibleReader::BookMarker(9), "Book 09");
  EXPECT_EQ(BibleReader::BookMarker(38), "Book 38");
  BibleReader reader;
  EXPECT_EQ(reader.VerseMarker(0, 3, 16), "003:016");
  EXPECT_EQ(reader.VerseMarker(0, 119, 176), "119:176");
  EXPECT_EQ(reader.VerseMarker(0, 0, 1), "000:001");
  reader.SetApocryphaForm(true);
  EXPECT_EQ(reader.VerseMarker(5, 3, 16), "Tob 3:16");
  EXPECT_EQ(reader.VerseMarker(12, 1, 68), "PrAzar 1:68");
  EXPECT_EQ(reader.VerseMarker(15, 1, 1), "");
}

}  // namespace
}  // namespace kal
