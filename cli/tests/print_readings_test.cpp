// kalday --readings: the day's readings page from the Bible files of the
// program's folder, as text and as JSON.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "calendar/calendar.h"
#include "kalday.h"
#include "options.h"
#include "print_readings.h"

namespace kalday {
namespace {

namespace fs = std::filesystem;

fs::path BibleFolder() {
  if (const char* dir = std::getenv("KAL_BIN_DIR")) return dir;
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
}

class PrintReadingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(BibleFolder() / "Apoc.dat")) GTEST_SKIP() << "no Bible files in " << BibleFolder();
  }
  // Pascha 2026 (12 April on the New calendar, 30 March on the Old).
  DayContext Pascha(const Options& options) {
    day_ = kal::MakeSelectedDay(kal::EncodeDate(2026, 4, 12), kal::CalendarMode::New);
    return DayContext{options, day_, options.mode};
  }
  kal::SelectedDay day_;
};

TEST_F(PrintReadingsTest, PageAsText) {
  Options options;
  std::ostringstream out;
  EXPECT_EQ(PrintReadingsText(Pascha(options), BibleFolder(), out), 0);
  const std::string text = out.str();
  EXPECT_EQ(text.rfind("Pascha\n\nLITURGY\n\nActs 1:1-8\n\n     The former treatise have I made, O Theophilus", 0),
            0u)
      << text.substr(0, 200);
  EXPECT_NE(text.find("\n\n\nGREAT VESPERS\n\nJohn 20:19-25\n\n     "), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.back(), '\n');

  options.verseNumbers = true;
  std::ostringstream numbered;
  PrintReadingsText(Pascha(options), BibleFolder(), numbered);
  EXPECT_NE(numbered.str().find("Acts 1:1-8\n\n     1 The former treatise"), std::string::npos);
}

TEST_F(PrintReadingsTest, PageAsJsonAndMissingFiles) {
  Options options;
  std::ostringstream out;
  {
    JsonWriter json(out);
    json.BeginObject();
    EXPECT_EQ(WriteReadingsJson(Pascha(options), BibleFolder(), json), 0);
    json.EndObject();
  }
  EXPECT_NE(out.str().find("\"readings\":"), std::string::npos) << out.str().substr(0, 80);
  EXPECT_NE(out.str().find("Pascha\\n\\nLITURGY\\n\\nActs 1:1-8"), std::string::npos) << out.str().substr(0, 200);

  const fs::path empty = fs::temp_directory_path() / ("kalday_readings_" + std::to_string(::getpid()));
  fs::create_directories(empty);
  std::ostringstream missing;
  EXPECT_EQ(PrintReadingsText(Pascha(options), empty, missing), 1);
  EXPECT_EQ(missing.str(),
            "The file containing the New Testament readings, < NewTstmt.dat >, is damaged or missing from the "
            "application directory. Please replace the file or reinstall the Kalendra program.\n");
  fs::remove_all(empty);
}

// An empty Apoc.dat beside good Testaments: its message and status 1, not a
// page of headings without text.
TEST_F(PrintReadingsTest, EmptyBibleFileIsReportedAsMissing) {
  const fs::path folder = fs::temp_directory_path() / ("kalday_empty_apoc_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* name : {"NewTstmt.dat", "OldTstmt.dat"}) fs::create_symlink(BibleFolder() / name, folder / name);
  std::ofstream(folder / "Apoc.dat");
  Options options;
  std::ostringstream out;
  EXPECT_EQ(PrintReadingsText(Pascha(options), folder, out), 1);
  EXPECT_EQ(out.str(),
            "The file containing the Apocrypha readings, < Apoc.dat >, is damaged or missing from the application "
            "directory. Please replace the file or reinstall the Kalendra program.\n");
  fs::remove_all(folder);
}

// Holy Saturday's Matins Epistle reads 1 Corinthians and then Galatians.
TEST_F(PrintReadingsTest, HolySaturdayMatinsOnTheOldCalendar) {
  Options options;
  options.mode = kal::CalendarMode::Old;
  kal::SelectNewDate(day_, kal::EncodeDate(2026, 4, 11), kal::CalendarMode::Old);  // 29 March, Julian
  std::ostringstream out;
  EXPECT_EQ(PrintReadingsText(DayContext{options, day_, options.mode}, BibleFolder(), out), 0);
  const std::string text = out.str();
  const auto heading = text.find("\n1 Corinthians 5:6-8; Galatians 3:13-14\n");
  ASSERT_NE(heading, std::string::npos);
  const auto galatians = text.find("Christ hath redeemed us from the curse of the law", heading);
  EXPECT_LT(galatians, text.find("\nMatthew 27:62-66\n", heading));
}

TEST(ReadingsOption, VerseNumbersNeedAPage) {
  EXPECT_TRUE(ParseOptions({"--readings", "--verse-numbers"}).error.empty());
  EXPECT_TRUE(ParseOptions({"--date", "2026-04-12", "--readings", "--json"}).error.empty());
  EXPECT_FALSE(ParseOptions({"--verse-numbers"}).error.empty());
  EXPECT_FALSE(ParseOptions({"--readings=yes"}).error.empty());
}

}  // namespace
}  // namespace kalday
