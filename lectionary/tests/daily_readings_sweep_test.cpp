// Every day from 1990 to 2090 on both calendars, with the Bible files of the
// program's folder: no page carries a lookup error, every reading's heading
// is followed by its verse text, every reading is read from the file its
// section needs, NewTstmt.dat is open after every page, and the Fathers of
// the First Six Councils stand on their Sunday in July only.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "daily_readings.h"
#include "reading_tables.h"
#include "readings_pages.h"

namespace kal {
namespace {

using namespace kal::testing;

// Lines of verse text start with four spaces; none is blank, and no text
// ends in a space (a part that read nothing).
std::string EmptyReading(std::string_view page) {
  for (std::size_t at = 0; at < page.size();) {
    std::size_t end = page.find("\r\n", at);
    if (end == std::string_view::npos) end = page.size();
    const std::string_view line = page.substr(at, end - at);
    if (line.starts_with("    ") && line.find_first_not_of(' ') == std::string_view::npos)
      return "blank verse text after \"" + std::string(page.substr(at > 80 ? at - 80 : 0, at > 80 ? 80 : at)) +
             "\"";
    if (!line.empty() && line.back() == ' ') return "text ends in a space: ..." + std::string(line.substr(
                                                        line.size() > 80 ? line.size() - 80 : 0));
    at = end + 2;
  }
  return {};
}

const std::string kFathers = "Commemoration of the Holy Fathers of the First Six Ecumenical Councils";

void Sweep(CalendarMode mode) {
  BibleReader reader(BinDir());
  ASSERT_TRUE(reader.OpenBibleFile("NewTstmt.dat")) << "Bible files in " << BinDir();
  std::vector<ReadingLookup> lookups;
  ReadingsOptions options;
  options.Mode = mode;
  options.Trace = &lookups;
  int failures = 0;
  std::size_t pages = 0;
  for (DayNumber date = EncodeDate(1990, 1, 1); date <= EncodeDate(2090, 12, 31) && failures < 10; ++date) {
    SelectedDay day;
    SelectNewDate(day, date, mode);
    lookups.clear();
    const std::string page = GetDailyReadings(reader, day, options);
    ++pages;
    const YearMonthDay ymd = DecodeDate(date);
    const std::string where = std::to_string(ymd.year) + "-" + std::to_string(ymd.month) + "-" +
                              std::to_string(ymd.day) + " (" + DateKeyText(day, mode) + ")";
    std::string fault;
    if (page.find("An error occured") != std::string::npos) fault = "lookup error";
    if (fault.empty()) fault = EmptyReading(page);
    if (fault.empty() && !OnNewTestament(reader, BinDir())) fault = "NewTstmt.dat is not open after the page";
    if (fault.empty() && lookups.empty()) fault = "no reading";
    // The Fathers of the First Six Councils: on the Sunday of 13 to 19 July
    // of the calendar in force, and on no other day.
    const std::string key = DateKeyText(day, mode);
    const bool fathersSunday = DayOfWeek(date) == 1 && key >= "07/13" && key <= "07/19";
    const bool fathers = page.find(kFathers) != std::string::npos;
    if (fault.empty() && fathers != fathersSunday)
      fault = fathersSunday ? "no Fathers of the Six Councils" : "the Fathers of the Six Councils on another day";
    if (fault.empty() && fathersSunday &&
        (page.find("\r\nHebrews 13:7-16\r\n") == std::string::npos ||
         page.find("\r\nJohn 17:1-13\r\n") == std::string::npos ||
         page.find("VESPERS\r\n\r\nGenesis 14:14-20\r\n") == std::string::npos))
      fault = "the Fathers' readings are incomplete";
    for (const ReadingLookup& lookup : lookups)
      if (fault.empty() && lookup.OpenFile != FileOfReading(lookup.Key))
        fault = lookup.Key + " read from the wrong file";
    if (!fault.empty()) {
      ADD_FAILURE() << where << ": " << fault;
      ++failures;
    }
  }
  EXPECT_EQ(pages, static_cast<std::size_t>(EncodeDate(2090, 12, 31) - EncodeDate(1990, 1, 1) + 1));
}

TEST(DailyReadingsSweep, NewCalendar) { Sweep(CalendarMode::New); }
TEST(DailyReadingsSweep, OldCalendar) { Sweep(CalendarMode::Old); }

}  // namespace
}  // namespace kal
