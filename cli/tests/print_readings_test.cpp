// kalday --readings: the day's readings page from the Bible files of the
// program's folder, as text and as JSON.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
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

TEST(ReadingsOption, VerseNumbersNeedAPage) {
  EXPECT_TRUE(ParseOptions({"--readings", "--verse-numbers"}).error.empty());
  EXPECT_TRUE(ParseOptions({"--date", "2026-04-12", "--readings", "--json"}).error.empty());
  EXPECT_FALSE(ParseOptions({"--verse-numbers"}).error.empty());
  EXPECT_FALSE(ParseOptions({"--readings=yes"}).error.empty());
}

}  // namespace
}  // namespace kalday
