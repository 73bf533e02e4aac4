// kalday --icon over the real icon libraries in the program's folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include <cstdlib>
#include <filesystem>

#include "calendar/day_number.h"
#include "calendar/selected_day.h"
#include "kalday.h"
#include "kalday_run.h"
#include "print_icon.h"

namespace kalday {
namespace {

// The icon cases run with 1 August 2021 as today.
Outcome IconKalday(const std::vector<std::string>& args) { return Kalday(args, kal::EncodeDate(2021, 8, 1)); }

// The program's folder, where the day pack lies (the test binary's own
// folder has none).
std::filesystem::path ProgramFolder() {
  const char* dir = std::getenv("KAL_BIN_DIR");
  return dir ? dir : "build/bin";
}

std::string IconText(int year, int month, int day, kal::CalendarMode mode, const std::filesystem::path& folder) {
  static const Options options;
  const int shift = mode == kal::CalendarMode::Old ? kal::OldCalendarRange::kShift : 0;
  const kal::SelectedDay selected = kal::MakeSelectedDay(kal::EncodeDate(year + shift, month, day), mode);
  const DayContext context{options, selected, mode};
  std::ostringstream out, err;
  EXPECT_EQ(PrintIconText(context, folder, out, err), 0) << err.str();
  return out.str();
}

TEST(KaldayIcon, KeyCaptionAndCycleOfTheDay) {
  struct Case {
    int year, month, day;
    kal::CalendarMode mode;
    std::string out;
  };
  const kal::CalendarMode civil = kal::CalendarMode::New, old = kal::CalendarMode::Old;
  const Case cases[] = {
      {2021, 8, 6, civil,
       "Icon key: 806\nCaption: TRANSFIGURATION OF OUR LORD\nIcon cycle: 806 10806 (Show Next Icon)\n"},
      {2021, 1, 2, civil,
       "Icon key: 106\nCaption: THEOPHANY OF THE LORD\nIcon cycle: 106 102 10102 (Show Next Icon)\n"},
      // 1 January on the Old calendar: the day key is 101 whatever the civil date.
      {2021, 1, 1, old,
       "Icon key: 101\nCaption: CIRCUMCISION OF OUR LORD\nIcon cycle: 101 10101 20101 (Show Next Icon)\n"},
      // Pascha 2021 (2 May): the season's icon, then the day's own.
      {2021, 5, 2, civil,
       "Icon key: 3\nCaption: THE RESURRECTION OF OUR LORD: HOLY PASCHA\nIcon cycle: 3 10502 (Show Next Icon)\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IconText(c.year, c.month, c.day, c.mode, ProgramFolder()), c.out) << c.month << "/" << c.day;
  const std::string maccabees = IconText(2021, 8, 1, civil, ProgramFolder());
  EXPECT_NE(maccabees.find("Icon cycle: 10801 20801 (Show Next Icon)"), std::string::npos) << maccabees;
  // Without the pack: the month's fallback icon and no next icon.
  QTemporaryDir empty;
  EXPECT_EQ(IconText(2021, 8, 1, civil, empty.path().toStdString()),
            "Icon key: 806\nCaption: TRANSFIGURATION OF OUR LORD\nIcon cycle: 806 (no next icon)\n");
}

TEST(KaldayIcon, WritesThePicture) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("icon.jpg").toStdString();
  const Outcome run = IconKalday({"--date", "2021-03-25", "--icon", "--icon-out", file});
  EXPECT_EQ(run.status, 0) << run.err;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");

  const Outcome unwritable = IconKalday({"--icon", "--icon-out", dir.filePath("no/such/dir/x.jpg").toStdString()});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
  EXPECT_EQ(IconKalday({"--icon-out", file}).status, 2) << "--icon-out needs --icon";
}

TEST(KaldayIcon, ATruncatedPackIsReportedAndEndsWithStatusOne) {
  std::ifstream in(ProgramFolder() / "XTRAPICS.so", std::ios::binary);
  const std::string pack((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(pack.size(), 1000000u);
  static const Options options;
  const kal::SelectedDay day = kal::MakeSelectedDay(kal::EncodeDate(2021, 8, 1), kal::CalendarMode::New);
  const DayContext context{options, day, kal::CalendarMode::New};
  for (std::size_t cut : {std::size_t(100), pack.size() / 3, pack.size() * 9 / 10}) {
    QTemporaryDir folder;
    std::ofstream(folder.filePath("XTRAPICS.so").toStdString(), std::ios::binary) << pack.substr(0, cut);
    std::ostringstream out, err;
    EXPECT_EQ(PrintIconText(context, folder.path().toStdString(), out, err), 1) << cut;
    EXPECT_EQ(err.str(), "kalday: Unable to Load XTRAPICS.DLL\n") << cut;
  }
}

TEST(KaldayIcon, Json) {
  // In-process the program's folder holds no pack: the base library answers.
  const Outcome run = IconKalday({"--date", "2021-08-06", "--icon", "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"icon\": {"), std::string::npos);
  EXPECT_NE(run.out.find("\"key\": 806"), std::string::npos);
  EXPECT_NE(run.out.find("\"caption\": \"TRANSFIGURATION OF OUR LORD\""), std::string::npos);
}

}  // namespace
}  // namespace kalday
