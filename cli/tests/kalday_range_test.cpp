// kalday over a run of days in one process: --from/--to, and --ical's
// arguments.
#include <gtest/gtest.h>

#include "kalday_run.h"

namespace kalday {
namespace {

TEST(KaldayRangeTest, EveryPageAsItsOwnRunPrintsIt) {
  for (const char* mode : {"--new", "--old"}) {
    for (const char* part : {"--hymns", "--json", "--find-saint"}) {
      std::vector<std::string> range = {"--from", "2026-04-09", "--to", "2026-04-13", mode, part};
      if (std::string(part) == "--find-saint") range.push_back("george");
      const Outcome all = Kalday(range);
      ASSERT_EQ(all.status, 0) << all.err;
      std::string pieces = std::string(part) == "--json" ? "[" : "";
      for (const char* date : {"2026-04-09", "2026-04-10", "2026-04-11", "2026-04-12", "2026-04-13"}) {
        std::vector<std::string> one = {"--date", date, mode, part};
        if (std::string(part) == "--find-saint") one.push_back("george");
        if (std::string(part) == "--json" && pieces.size() > 1) pieces += ",";
        pieces += Kalday(one).out;
      }
      if (std::string(part) == "--json") pieces += "]\n";
      EXPECT_EQ(all.out, pieces) << mode << " " << part;
    }
  }
}

TEST(KaldayRangeTest, ArgumentsThatCannotStandTogether) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--from", "2026-01-01"}, "--from and --to are used together"},
      {{"--to", "2026-01-01"}, "--from and --to are used together"},
      {{"--from", "2026-01-02", "--to", "2026-01-01"}, "--to comes before --from"},
      {{"--from", "2026-01-01", "--to", "2026-01-02", "--date", "2026-01-01"}, "cannot be used with --date"},
      {{"--from", "2026-02-30", "--to", "2026-03-01"}, "not a date"},
      {{"--ical", "2026-01-02", "2026-01-01"}, "the last day comes before the first"},
      {{"--ical", "2026-01-01"}, "--ical needs"},
      {{"--ical", "2026-01-01", "2026-01-02", "--hymns"}, "--ical takes its own dates"},
      {{"--output", "x.ics"}, "--output needs --ical"},
      {{"--old", "--ical", "1900-01-01", "1900-03-05"}, "only accurate from March 1, 1900"},
  };
  for (const Case& c : cases) {
    const Outcome run = Kalday(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(KaldayRangeTest, IcalToStandardOutput) {
  const Outcome run = Kalday({"--ical", "2026-12-24", "2026-12-25"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  EXPECT_NE(run.out.find("UID:20261225-new@kalendra.calendar\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("SUMMARY:The Nativity of Our Lord God and Saviour Jesus Christ\r\n"), std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace kalday
