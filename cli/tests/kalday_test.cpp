#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "calendar/day_number.h"
#include "kalday.h"
#include "kalday_run.h"

namespace kalday {
namespace {

struct BadCase {
  std::vector<std::string> args;
  std::string message;  // part of the one line on stderr
};

void PrintTo(const BadCase& c, std::ostream* os) {
  for (const std::string& arg : c.args) *os << arg << ' ';
}

class BadArgumentsTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadArgumentsTest, OneLineOnStderrAndStatus2) {
  const BadCase& c = GetParam();
  const Outcome run = Kalday(c.args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("kalday: ", 0), 0u) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
}

const std::string kRange =
    "This implementation of the Old Calendar is only accurate from March 1, 1900 to February 28, 2084";

INSTANTIATE_TEST_SUITE_P(
    Dates, BadArgumentsTest,
    testing::Values(BadCase{{"--date", "2021-02-29"}, "not a date on the New calendar"},
                    BadCase{{"--date", "2020-13-01"}, "not a date on the New calendar"},
                    BadCase{{"--date", "2020-04-31"}, "not a date"},
                    BadCase{{"--date", "2020-00-10"}, "not a date"},
                    BadCase{{"--date", "Easter"}, "not a date of the form YYYY-MM-DD"},
                    BadCase{{"--date", "2020-4-19"}, "form YYYY-MM-DD"},
                    BadCase{{"--date", "2020-04-19x"}, "form YYYY-MM-DD"},
                    BadCase{{"--date", "-020-04-19"}, "form YYYY-MM-DD"},
                    BadCase{{"--date", ""}, "form YYYY-MM-DD"},
                    BadCase{{"--date", "1500-06-01"}, "from 1583-01-01 to 9999-12-31"},
                    BadCase{{"--old", "--date", "2001-02-29"}, "not a date on the Old (Julian) calendar"},
                    BadCase{{"--old", "--date", "1900-02-28"}, kRange},
                    BadCase{{"--old", "--date", "1900-02-29"}, kRange},  // a Julian leap day, but too early
                    BadCase{{"--old", "--date", "2084-02-29"}, kRange},
                    BadCase{{"--old", "--date", "2100-01-01"}, kRange}));

INSTANTIATE_TEST_SUITE_P(
    Options, BadArgumentsTest,
    testing::Values(BadCase{{"--date"}, "--date needs a value"},
                    BadCase{{"--frobnicate"}, "unknown option --frobnicate"},
                    BadCase{{"2020-04-19"}, "unexpected argument"},
                    BadCase{{"--json=yes"}, "--json takes no value"},
                    BadCase{{"--old", "--new"}, "cannot be used together"},
                    BadCase{{"--easter", "2020", "--date", "2020-01-01"}, "cannot be used together"},
                    BadCase{{"--easter", "twenty"}, "not a year from 1583 to 9999"},
                    BadCase{{"--easter", "1582"}, "not a year"},
                    BadCase{{"--easter", "10000"}, "not a year"},
                    // Commands that show no day refuse the parts of a day's page.
                    BadCase{{"--easter", "2020", "--hymns"}, "cannot be used with --easter"},
                    BadCase{{"--reading", "133,V2", "--icon"}, "cannot be used with --easter"},
                    BadCase{{"--passage", "NewTstmt.dat", "3", "3:16", "3:16", "--find-saint", "basil"},
                            "cannot be used with --easter"},
                    BadCase{{"--easter", "2020", "--readings"}, "cannot be used with --easter"},
                    // A repeated value would replace the first without a word.
                    BadCase{{"--date", "2020-04-19", "--date", "2020-04-20"}, "--date cannot be given twice"},
                    BadCase{{"--date=2020-04-19", "--old", "--date", "2020-04-20"}, "--date cannot be given twice"},
                    BadCase{{"--reading", "0,E1", "--reading=0,G1"}, "--reading cannot be given twice"},
                    BadCase{{"--icon", "--icon-out", ""}, "--icon-out needs a file name, not an empty one"},
                    BadCase{{"--icon", "--icon-out="}, "--icon-out needs a file name"}));

TEST(KaldayTest, TodayWhenNoDateIsGiven) {
  const Outcome today = Kalday({});
  EXPECT_EQ(today.status, 0);
  EXPECT_EQ(today.out, Kalday({"--date", "2020-04-19"}).out);
  EXPECT_EQ(Kalday({"--old"}).out, Kalday({"--old", "--date", "2020-04-06"}).out);
  // Today outside the Old calendar's range cannot be shown on it.
  EXPECT_EQ(Kalday({"--old"}, kal::EncodeDate(2090, 1, 1)).status, 2);
}

TEST(KaldayTest, TextSummary) {
  const Outcome run = Kalday({"--date=2020-05-13"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Wednesday, May 13, 2020\n"
            "Mid-Pentecost   Tone 3   Fast Day   Fish, wine and oil allowed\n"
            "Fasting:              Fast Day   Fish, wine and oil allowed\n"
            "Tone:                 3\n"
            "ZacchaeusID:          101\n"
            "Date key:             05/13\n"
            "New date:             2020-05-13\n"
            "Julian date:          2020-04-30\n"
            "Pascha:               2020-04-19\n"
            "Western Easter:       2020-04-12\n"
            "Substitute icon key:  3\n");
  EXPECT_EQ(run.err, "");
}

TEST(KaldayTest, JsonOnTheOldCalendar) {
  // Julian 25 December 2020 is New 7 January 2021; its church year is 2020.
  const Outcome run = Kalday({"--old", "--date", "2020-12-25", "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\n"
            "  \"dateTitle\": \"Thursday, December 25, 2020\",\n"
            "  \"infoText\": \"31st Week after Pentecost   Tone 5   Fast Free\",\n"
            "  \"fastingText\": \"   Fast Free\",\n"
            "  \"tone\": 5,\n"
            "  \"zacchaeusId\": 340,\n"
            "  \"dateKey\": \"12/25\",\n"
            "  \"newDate\": \"2021-01-07\",\n"
            "  \"julianDate\": \"2020-12-25\",\n"
            "  \"pascha\": \"2020-04-19\",\n"
            "  \"westernEaster\": \"2020-04-12\",\n"
            "  \"monthText\": \"December\",\n"
            "  \"yearText\": \"2020\",\n"
            "  \"substituteIconKey\": 1225\n"
            "}\n");
}

TEST(KaldayTest, EdgesOfTheOldCalendar) {
  const Outcome first = Kalday({"--old", "--date", "1900-03-01", "--json"});
  EXPECT_EQ(first.status, 0);
  EXPECT_NE(first.out.find("\"newDate\": \"1900-03-14\""), std::string::npos) << first.out;
  const Outcome last = Kalday({"--old", "--date", "2084-02-28", "--json"});
  EXPECT_EQ(last.status, 0);
  EXPECT_NE(last.out.find("\"newDate\": \"2084-03-12\""), std::string::npos) << last.out;
}

TEST(KaldayTest, NewDatesOutsideTheOldRangeKeepTheirTrueJulianDate) {
  const Outcome run = Kalday({"--date", "1850-01-01", "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"julianDate\": \"1849-12-20\""), std::string::npos) << run.out;
  const Outcome later = Kalday({"--new", "--date", "2100-03-14", "--json"});
  EXPECT_NE(later.out.find("\"julianDate\": \"2100-02-29\""), std::string::npos) << later.out;
}

TEST(KaldayTest, Easter) {
  EXPECT_EQ(Kalday({"--easter", "2024"}).out, "Western Easter: 2024-03-31\nPascha:         2024-05-05\n");
  EXPECT_EQ(Kalday({"--easter", "2000", "--json"}).out,
            "{\n  \"westernEaster\": \"2000-04-23\",\n  \"pascha\": \"2000-04-30\"\n}\n");
}

TEST(KaldayTest, HelpNamesEveryOption) {
  const Outcome run = Kalday({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* option : {"--date YYYY-MM-DD", "--old", "--new", "--json", "--easter YEAR", "--help"})
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace kalday
