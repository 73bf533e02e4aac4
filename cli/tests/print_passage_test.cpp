// kalday --passage on a small Bible file written in the file format.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calendar/day_number.h"
#include "kalday.h"

namespace kalday {
namespace {

namespace fs = std::filesystem;

class PassageOptionTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kalday_passage_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    // Verse 1:2 holds a right single quote in Windows-1252 (0x92).
    std::ofstream(dir_ / "NewTstmt.dat", std::ios::binary)
        << "Book 00\r\n001:001 First.\r\n001:002 Lord\x92s.\r\n002:001 Next.\r\n002:002 \r\nBook 01\r\n";
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string> args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int status = RunKalday(args, o, e, kal::EncodeDate(2020, 4, 19));
    out = o.str();
    err = e.str();
    return status;
  }
  std::string File() const { return (dir_ / "NewTstmt.dat").string(); }
  fs::path dir_;
};

TEST_F(PassageOptionTest, PrintsWhatTheReaderReturns) {
  struct {
    std::vector<std::string> extra;
    std::string out;
  } const cases[] = {
      {{"0", "1:1", "1:1"}, "     First.\n"},
      {{"0", "1:2", "1:2", "--verse-numbers"}, "     2 Lord\u2019s.\n"},
      {{"0", "1:2", "2:1", "--headings", "--verse-numbers"},
       "Chapter 1\n\n     2 Lord\u2019s.\n\nChapter 2\n\n     1 Next.\n"},
      {{"0", "01:1", "1:001"}, "     First.\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"--passage", File()};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    std::string out, err;
    EXPECT_EQ(Run(args, out, err), 0) << err;
    EXPECT_EQ(out, c.out);
  }
}

TEST_F(PassageOptionTest, ReportsWhatCannotBeRead) {
  struct {
    std::vector<std::string> args;
    int status;
  } const cases[] = {
      {{"--passage", File(), "0", "1:2", "1:3"}, 1},                    // beyond the chapter
      {{"--passage", File(), "1", "1:1", "1:1"}, 1},                    // no book after it
      {{"--passage", (dir_ / "Apoc.dat").string(), "0", "1:1", "1:1"}, 1},  // missing file
      {{"--passage", File(), "zero", "1:1", "1:1"}, 2},
      {{"--passage", File(), "0", "1", "1:1"}, 2},
      {{"--passage", File(), "0", "1:1"}, 2},
      {{"--verse-numbers"}, 2},
      {{"--passage", File(), "0", "1:1", "1:1", "--date", "2020-01-01"}, 2},
  };
  for (const auto& c : cases) {
    std::string out, err;
    EXPECT_EQ(Run(c.args, out, err), c.status) << err;
    EXPECT_EQ(out, "");
    EXPECT_EQ(err.rfind("kalday: ", 0), 0u) << err;
  }
}

}  // namespace
}  // namespace kalday
