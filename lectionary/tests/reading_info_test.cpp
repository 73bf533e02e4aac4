// GetReadingInfo over a small Bible text of our own: headings, parts joined
// into one paragraph, chapters flattened, verse numbers, and the error texts.
#include <gtest/gtest.h>

#include <string>

#include "bible_reader.h"
#include "reading_info.h"

namespace kal {
namespace {

// Nine books of twenty chapters of fifty verses each (so Romans 13:11-14:4
// runs to verse 50 here), in the Testament marker
// form. Every verse names its place and runs over two lines, so a reading
// shows which book and verses it came from and whether lines were joined.
std::string FixtureText() {
  std::string text = "A small test Bible\r\n";
  auto pad = [](int n) { return n < 10 ? "00" + std::to_string(n) : n < 100 ? "0" + std::to_string(n) : std::to_string(n); };
  for (int book = 0; book < 9; ++book) {
    text += "Book 0" + std::to_string(book) + " title\r\n";
    for (int c = 1; c <= 20; ++c)
      for (int v = 1; v <= 50; ++v)
        text += pad(c) + ":" + pad(v) + " B" + std::to_string(book) + "C" + std::to_string(c) + "V" +
                std::to_string(v) + " first\r\n  second\r\n";
    text += "021:001 \r\n";  // closing marker
  }
  return text + "Book 09\r\n";
}

// The verses as the fixture gives them, joined by single spaces.
std::string Verses(int book, int chapter, int first, int last, bool numbers) {
  std::string out;
  for (int v = first; v <= last; ++v) {
    if (!out.empty()) out += ' ';
    if (numbers) out += std::to_string(v) + " ";
    out += "B" + std::to_string(book) + "C" + std::to_string(chapter) + "V" + std::to_string(v) + " first second";
  }
  return out;
}

class ReadingInfoTest : public ::testing::Test {
 protected:
  void SetUp() override { reader.AttachBibleText(text, false); }
  std::string text = FixtureText();
  BibleReader reader;
};

TEST_F(ReadingInfoTest, OnePartWithinOneChapter) {
  EXPECT_EQ(GetReadingInfo(reader, "0,G1", false),
            "\r\n\r\nLuke 19:1-10\r\n\r\n     " + Verses(2, 19, 1, 10, false));
}

TEST_F(ReadingInfoTest, PartsAreJoinedByOneSpaceInOneParagraph) {
  EXPECT_EQ(GetReadingInfo(reader, "19,G1", false),
            "\r\n\r\nMark 15:22-25, 33-41\r\n\r\n     " + Verses(1, 15, 22, 25, false) + " " +
                Verses(1, 15, 33, 41, false));
}

TEST_F(ReadingInfoTest, PartAcrossChaptersBecomesOneParagraph) {
  EXPECT_EQ(GetReadingInfo(reader, "28,E1", false),
            "\r\n\r\nRomans 13:11-14:4\r\n\r\n     " + Verses(5, 13, 11, 50, false) + " " +
                Verses(5, 14, 1, 4, false));
}

TEST_F(ReadingInfoTest, VerseNumbersOnEveryVerseOfEveryPart) {
  EXPECT_EQ(GetReadingInfo(reader, "19,G1", true),
            "\r\n\r\nMark 15:22-25, 33-41\r\n\r\n     " + Verses(1, 15, 22, 25, true) + " " +
                Verses(1, 15, 33, 41, true));
  EXPECT_EQ(GetReadingInfo(reader, "28,E1", true),
            "\r\n\r\nRomans 13:11-14:4\r\n\r\n     " + Verses(5, 13, 11, 50, true) + " " +
                Verses(5, 14, 1, 4, true));
}

TEST_F(ReadingInfoTest, PartMayNameAnotherBookOfTheSameFile) {
  // Holy Saturday's Matins Epistle: 1 Corinthians (book 6), then Galatians (book 8).
  EXPECT_EQ(GetReadingInfo(reader, "76,M2", false),
            "\r\n\r\n1 Corinthians 5:6-8; Galatians 3:13-14\r\n\r\n     " + Verses(6, 5, 6, 8, false) + " " +
                Verses(8, 3, 13, 14, false));
}

TEST_F(ReadingInfoTest, EmptyReferenceLeavesOnlyTheBlankLines) {
  // The Leviticus part of the Meeting's first Vespers reading (book 2 here).
  EXPECT_EQ(GetReadingInfo(reader, "02/02,V1B", false),
            "\r\n\r\n\r\n\r\n     " + Verses(2, 12, 1, 4, false) + " " + Verses(2, 12, 6, 8, false));
}

TEST_F(ReadingInfoTest, UnknownKeysGiveTheErrorTextAlone) {
  for (const char* key : {"999,E1", "", "0,E9", "12/24", "0,G1,1", "SunBefTheo,V1"})
    EXPECT_EQ(GetReadingInfo(reader, key, false), "  An error occured in the GetReadingInfo function") << key;
}

TEST_F(ReadingInfoTest, UnreadablePassageKeepsTheHeading) {
  // Wrong marker form for the text, or nothing open: the verses are empty.
  reader.AttachBibleText(text, true);
  EXPECT_EQ(GetReadingInfo(reader, "0,G1", false), "\r\n\r\nLuke 19:1-10\r\n\r\n     ");
  reader.CloseBibleFile();
  EXPECT_EQ(GetReadingInfo(reader, "19,G1", true), "\r\n\r\nMark 15:22-25, 33-41\r\n\r\n      ");
}

}  // namespace
}  // namespace kal
