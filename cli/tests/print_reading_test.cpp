// kalday --reading: one reading by key, read from the file its section opens.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "print_reading.h"

namespace {

namespace fs = std::filesystem;

// The program's folder with the Bible files: named by CTest, or build/bin
// beside build/tests when run by hand.
fs::path BibleFolder() {
  if (const char* dir = std::getenv("KAL_BIN_DIR")) return dir;
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
}

struct Printed {
  int status;
  std::string out, err;
};

Printed Print(const std::string& key, bool json, const fs::path& folder = BibleFolder()) {
  std::ostringstream out, err;
  const int status = kalday::PrintReading(key, json, folder, out, err);
  return {status, out.str(), err.str()};
}

class PrintReadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(BibleFolder() / "Apoc.dat")) GTEST_SKIP() << "no Bible files in " << BibleFolder();
  }
};

TEST_F(PrintReadingTest, ReadsFromTheFileOfItsSection) {
  struct Case {
    const char* key;
    const char* begins;  // heading, blank line and the start of the text
  };
  const Case cases[] = {
      // Vespers of All Saints: Wisdom from the Apocrypha.
      {"133,V2", "Wisdom 3:1-9\n\n     1 But the souls of the righteous are in the hand of God"},
      // The Sixth Hour of Clean Monday: Isaiah from the Old Testament.
      {"29,6H", "Isaiah 1:1-20\n\n     1 The vision of Isaiah the son of Amoz"},
      // Zacchaeus Sunday's Gospel from the New Testament.
      {"0,G1", "Luke 19:1-10\n\n     1 And Jesus entered and passed through Jericho."},
  };
  for (const auto& c : cases) {
    const Printed p = Print(c.key, false);
    EXPECT_EQ(p.status, 0) << c.key;
    EXPECT_EQ(p.out.rfind(c.begins, 0), 0u) << c.key << ":\n" << p.out;
    EXPECT_EQ(p.out.back(), '\n');
  }
}

TEST_F(PrintReadingTest, PartAcrossChaptersIsOneParagraph) {
  const Printed p = Print("28,E1", false);
  ASSERT_EQ(p.status, 0);
  EXPECT_EQ(std::count(p.out.begin(), p.out.end(), '\n'), 3) << p.out;  // heading, blank line, text
  EXPECT_NE(p.out.find(" 1 Him that is weak in the faith receive ye"), std::string::npos) << p.out;
}

TEST_F(PrintReadingTest, JsonNamesTheFileAndBook) {
  const Printed p = Print("12/24,V5", true);
  ASSERT_EQ(p.status, 0);
  EXPECT_NE(p.out.find("\"reference\": \"Baruch 3:36-4:4\""), std::string::npos) << p.out;
  EXPECT_NE(p.out.find("\"file\": \"Apoc.dat\""), std::string::npos) << p.out;
  EXPECT_NE(p.out.find("\"book\": 9"), std::string::npos) << p.out;
  // The file numbers the lectionary's 3:36 as 3:35; the reading starts there.
  EXPECT_NE(p.out.find("35 This is our God."), std::string::npos) << p.out;
}

TEST(PrintReadingErrors, UnknownKeyAndMissingFile) {
  Printed p = Print("999,E1", false);
  EXPECT_EQ(p.status, 2);
  EXPECT_TRUE(p.out.empty());
  EXPECT_NE(p.err.find("no reading has the key \"999,E1\""), std::string::npos) << p.err;

  p = Print("133,V2", false, fs::temp_directory_path() / ("no_bible_" + std::to_string(::getpid())));
  EXPECT_EQ(p.status, 1);
  EXPECT_NE(p.err.find("Apoc.dat is missing"), std::string::npos) << p.err;
}

}  // namespace
