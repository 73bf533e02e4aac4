// Every page of a year is the same, byte for byte, whether the readings are
// found through the Bible reader's index (one reader for the whole year, as
// the program keeps it) or by scanning the files afresh for every passage.

#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "daily_readings.h"
#include "readings_pages.h"

namespace kal {
namespace {

using namespace kal::testing;

TEST(DailyReadingsIndex, AYearOfPagesReadsAsWithoutTheIndex) {
  BibleReader indexed(BinDir()), plain(BinDir());
  ASSERT_TRUE(indexed.OpenBibleFile("NewTstmt.dat")) << "Bible files in " << BinDir();
  plain.SetIndexing(false);
  plain.OpenBibleFile("NewTstmt.dat");
  int differences = 0;
  for (CalendarMode mode : {CalendarMode::New, CalendarMode::Old}) {
    ReadingsOptions options;
    options.Mode = mode;
    // Verse numbers change every passage's text; one calendar has them.
    options.VerseNumbers = mode == CalendarMode::Old;
    for (DayNumber date = EncodeDate(2026, 1, 1); date <= EncodeDate(2026, 12, 31) && differences < 5; ++date) {
      SelectedDay day;
      SelectNewDate(day, date, mode);
      const std::string page = GetDailyReadings(indexed, day, options);
      if (page != GetDailyReadings(plain, day, options)) {
        ADD_FAILURE() << DateKeyText(day, mode) << (mode == CalendarMode::Old ? " Old" : " New")
                      << ": the page differs from the plain scan's";
        ++differences;
      }
    }
  }
  EXPECT_TRUE(OnNewTestament(indexed, BinDir()));
}

}  // namespace
}  // namespace kal
