// kalday's hymn options over the real hymn library.
#include <gtest/gtest.h>

#include <sstream>

#include "calendar/day_number.h"
#include "kalday.h"
#include "kalday_run.h"

namespace kalday {
namespace {

TEST(KaldayHymns, PrintsTheDocumentOfTheDateKeyOnTheChosenCalendar) {
  // 19 December on the Old calendar is 1 January 2022 on the New one.
  const Outcome old = Kalday({"--date", "2021-12-19", "--old", "--hymns"});
  EXPECT_EQ(old.status, 0);
  EXPECT_NE(old.out.find("18-24"), std::string::npos);
  EXPECT_NE(old.out.find("SUNDAY BEFORE THE NATIVITY OF THE SAVIOUR"), std::string::npos);
  EXPECT_NE(old.out.find("    Tone "), std::string::npos);

  const Outcome civil = Kalday({"--date", "2022-01-01", "--hymns"});
  EXPECT_EQ(civil.out.rfind("CIRCUMCISION OF OUR LORD", 0), 0u) << civil.out.substr(0, 80);
  EXPECT_EQ(civil.out.find("SUNDAY BEFORE THE NATIVITY"), std::string::npos);
}

TEST(KaldayHymns, FindSaintGivesKeyAndDateInTheSameYear) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {{"--date", "2021-11-30", "--old", "--find-saint", "nicholas"}, 0, "12/06 2021-12-06\n"},
      {{"--date", "2021-12-31", "--find-saint", "BASIL"}, 0, "01/01 2021-01-01\n"},  // same year after wrapping
      {{"--date", "2021-04-22", "--find-saint", "george"}, 0, "04/23 2021-04-23\n"},
      {{"--date", "2021-04-22", "--find-saint", "zzyzx"}, 1, "Cannot find \"zzyzx\".\n"},
      {{"--date", "2021-04-22", "--find-saint", ""}, 1, "Cannot find \"\".\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Kalday(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_EQ(run.out, c.out) << c.args.back();
  }
}

TEST(KaldayHymns, JsonCarriesHymnsAndFindSaint) {
  const Outcome found = Kalday({"--date", "2021-11-30", "--old", "--json", "--hymns", "--find-saint", "nicholas"});
  EXPECT_EQ(found.status, 0);
  EXPECT_NE(found.out.find("\"hymns\": \""), std::string::npos);
  EXPECT_NE(found.out.find("\"findSaint\": {"), std::string::npos);
  EXPECT_NE(found.out.find("\"key\": \"12/06\""), std::string::npos);
  EXPECT_NE(found.out.find("\"date\": \"2021-12-06\""), std::string::npos);
  EXPECT_NE(found.out.find("\"dateTitle\""), std::string::npos) << "the summary fields stay";

  const Outcome missing = Kalday({"--json", "--find-saint", "zzyzx"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("\"findSaint\": null"), std::string::npos);
}

}  // namespace
}  // namespace kalday
