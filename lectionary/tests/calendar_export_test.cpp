// The iCalendar file's own rules: folding, escaping, one event a day with a
// stable UID, and the parts a calendar program shows.
#include <gtest/gtest.h>

#include <string>

#include "calendar/calendar.h"
#include "calendar_export.h"

namespace kal {
namespace {

TEST(CalendarExport, FoldsAt75OctetsWithoutSplittingACharacter) {
  const std::string greek = std::string(74, 'a') + "\xCE\xB1" + std::string(80, 'b');
  const std::string folded = FoldContentLine(greek);
  ASSERT_EQ(folded.substr(folded.size() - 2), "\r\n");
  size_t from = 0;
  std::string unfolded;
  while (from < folded.size() - 2) {
    size_t end = folded.find("\r\n", from);
    const std::string line = folded.substr(from, end - from);
    EXPECT_LE(line.size(), 75u);
    unfolded += from == 0 ? line : line.substr(1);
    from = end + 2;
  }
  EXPECT_EQ(unfolded, greek);
  EXPECT_EQ(folded.substr(74, 4), "\r\n \xCE") << "the two-byte letter moves whole to the next line";
  EXPECT_EQ(FoldContentLine("SHORT:x"), "SHORT:x\r\n");
}

TEST(CalendarExport, EscapesTextValues) {
  EXPECT_EQ(EscapeText("Genesis 49:1-2, 8-12; Zephaniah\\3\r\nnext\nline"),
            "Genesis 49:1-2\\, 8-12\\; Zephaniah\\\\3\\nnext\\nline");
}

TEST(CalendarExport, TitleBlockAndTitleCase) {
  EXPECT_EQ(TitleBlock("HOLY PROPHET NAHUM\r\nST PHILARET\r\n\r\nTroparion\r\n"),
            (std::vector<std::string>{"HOLY PROPHET NAHUM", "ST PHILARET"}));
  EXPECT_EQ(TitleCase("SYNAXIS OF THE ARCHANGEL MICHAEL AND THE OTHER BODILESS POWERS"),
            "Synaxis of the Archangel Michael and the Other Bodiless Powers");
  EXPECT_EQ(TitleCase("THE NATIVITY OF OUR LORD"), "The Nativity of Our Lord");
}

TEST(CalendarExport, OneEventADayOnItsCivilDateWithAStableUid) {
  CalendarExportOptions options;
  options.Mode = CalendarMode::Old;
  options.Stamp = "20260101T000000Z";
  options.Commemorations = [](std::uint16_t key) {
    if (key == 1225) return std::vector<std::string>{"THE NATIVITY OF OUR LORD", "ADORATION OF THE MAGI"};
    return std::vector<std::string>{"FOREFEAST OF THE NATIVITY", "HOLY MARTYR EUGENIA"};
  };
  const DayNumber first = EncodeDate({2027, 1, 6});
  const std::string ics = CalendarExport(first, first + 1, options);
  EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
  EXPECT_EQ(ics.substr(ics.size() - 15), "END:VCALENDAR\r\n");
  size_t events = 0;
  for (size_t at = ics.find("BEGIN:VEVENT"); at != std::string::npos; at = ics.find("BEGIN:VEVENT", at + 1)) ++events;
  EXPECT_EQ(events, 2u);
  // 7 January 2027 civil is 25 December on the Old calendar.
  EXPECT_NE(ics.find("UID:20270107-old@kalendra.calendar\r\nDTSTAMP:20260101T000000Z\r\n"
                     "DTSTART;VALUE=DATE:20270107\r\nDTEND;VALUE=DATE:20270108\r\n"
                     "SUMMARY:The Nativity of Our Lord\r\n"),
            std::string::npos)
      << ics;
  EXPECT_NE(ics.find("SUMMARY:Holy Martyr Eugenia\r\n"), std::string::npos) << "the chief, not the forefeast";
  EXPECT_NE(ics.find("CATEGORIES:Great Feast\r\n"), std::string::npos);
  EXPECT_EQ(CalendarExport(first, first + 1, options), ics) << "the same days give the same file";
}

}  // namespace
}  // namespace kal
