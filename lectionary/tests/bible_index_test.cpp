// The Bible reader's index of books and chapters: passages found through it
// are the passages a plain scan of the file finds, whatever was asked
// before, on any bytes, and across files rewritten under the same name.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bible_reader.h"

namespace kal {
namespace {

namespace fs = std::filesystem;

std::string RandomText(std::mt19937& rng, std::string_view alphabet, size_t maxLength) {
  std::string s(std::uniform_int_distribution<size_t>(0, maxLength)(rng), ' ');
  for (char& c : s) c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
  return s;
}

// Mostly well-formed books with markers written twice, books out of order
// and stray chapter prefixes, so that a remembered position is often wrong
// for the next question.
std::string UnevenFile(std::mt19937& rng, BibleReader& form) {
  std::string file;
  const int books = std::uniform_int_distribution<int>(1, 5)(rng);
  for (int i = 0; i < books; ++i) {
    const int b = std::uniform_int_distribution<int>(0, 4)(rng);
    file += BibleReader::BookMarker(b) + RandomText(rng, "0 \r\n", 2);
    const int chapters = std::uniform_int_distribution<int>(1, 3)(rng);
    for (int c = 1; c <= chapters; ++c) {
      const int verses = std::uniform_int_distribution<int>(1, 11)(rng);
      for (int v = 1; v <= verses; ++v)
        file += form.VerseMarker(b, std::uniform_int_distribution<int>(0, 5)(rng) == 0 ? c + 1 : c, v) + " " +
                RandomText(rng, "ab :0\r\n", 12) + "\r\n";
    }
    file += RandomText(rng, "Book 0123:\r\nTob x", 10);
  }
  return file;
}

TEST(BibleIndex, AgreesWithThePlainScanOverManyQuestions) {
  std::mt19937 rng(1717);
  BibleReader indexed, plain;
  plain.SetIndexing(false);
  for (int round = 0; round < 3000; ++round) {
    const bool apocrypha = round % 3 == 0;
    indexed.SetApocryphaForm(apocrypha);
    const std::string file = round % 4 == 0 ? RandomText(rng, "Book 0123:\r\nTob x", 160) : UnevenFile(rng, indexed);
    indexed.AttachBibleText(file, apocrypha);
    plain.AttachBibleText(file, apocrypha);
    const auto number = [&] { return std::to_string(std::uniform_int_distribution<int>(0, 4)(rng)); };
    for (int question = 0; question < 12; ++question) {
      const int book = std::uniform_int_distribution<int>(-1, 5)(rng);
      const std::string sc = number(), sv = number(), ec = number(), ev = number();
      const bool numbers = question % 2 == 0, headings = question % 3 == 0;
      ASSERT_EQ(indexed.ReadPassage(book, sc, sv, ec, ev, numbers, headings),
                plain.ReadPassage(book, sc, sv, ec, ev, numbers, headings))
          << "book " << book << " " << sc << ":" << sv << "-" << ec << ":" << ev << " in\n"
          << file;
    }
  }
}

class BibleIndexFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("bible_index_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  fs::path dir_;
};

TEST_F(BibleIndexFiles, FollowsAFileRewrittenUnderItsName) {
  BibleReader reader(dir_);
  Write("Other.dat", "Book 00\r\n001:001 Other.\r\n001:002 \r\nBook 01\r\n");
  // The same size each time, with the book and chapter in other places.
  const std::string first = "Book 00\r\n001:001 Alpha.\r\n002:001 Bravo.\r\n002:002 \r\nBook 01\r\n";
  const std::string second = "Book 00\r\n002:001 Delta.\r\n001:001 Gamma.\r\n001:002 \r\nBook 01\r\n";
  const std::string third = "Book 01\r\n001:001 Hotels\r\n002:001 Golf..\r\n002:002 \r\nBook 02\r\n";
  ASSERT_EQ(first.size(), second.size());
  ASSERT_EQ(first.size(), third.size());

  Write("NewTstmt.dat", first);
  ASSERT_TRUE(reader.OpenBibleFile("NewTstmt.dat"));
  EXPECT_EQ(reader.ReadPassage(0, "2", "1", "2", "1", false, false), "     Bravo.");
  // Another file between, as a day's readings switch files.
  ASSERT_TRUE(reader.OpenBibleFile("Other.dat"));
  EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "     Other.");
  ASSERT_TRUE(reader.OpenBibleFile("NewTstmt.dat"));
  EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "     Alpha.");

  Write("NewTstmt.dat", second);
  ASSERT_TRUE(reader.OpenBibleFile("NewTstmt.dat"));
  EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "     Gamma.");
  EXPECT_EQ(reader.ReadPassage(0, "2", "1", "2", "1", false, false), "");

  // Even with the modification time put back, the file is read anew.
  const auto stamp = fs::last_write_time(dir_ / "NewTstmt.dat");
  Write("NewTstmt.dat", third);
  fs::last_write_time(dir_ / "NewTstmt.dat", stamp);
  ASSERT_TRUE(reader.OpenBibleFile("NewTstmt.dat"));
  EXPECT_EQ(reader.ReadPassage(0, "1", "1", "1", "1", false, false), "");
  EXPECT_EQ(reader.ReadPassage(1, "2", "1", "2", "1", false, false), "     Golf..");
}

}  // namespace
}  // namespace kal
