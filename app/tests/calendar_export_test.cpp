// File > Export to Calendar, and the feast and fast marks of the month grid.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>

#include "date_box.h"
#include "dialog_test_support.h"
#include "feast_grid.h"
#include "main_form.h"

namespace kal {
namespace {

class CalendarExportTest : public DialogTest {};

int CountEvents(const QByteArray& ics) { return static_cast<int>(ics.count("BEGIN:VEVENT")); }

TEST_F(CalendarExportTest, WritesTheChosenDaysOnTheCalendarInForce) {
  Store("Options/OldCalendar", "1");
  Start(QDate(2027, 1, 7));  // 25 December 2026 on the Old Calendar
  const QString path = Folder() + "/nativity.ics";
  OnModal([&](QDialog& dialog) {
    auto* from = dialog.findChild<QDateEdit*>("FromDate");
    EXPECT_EQ(from->date(), QDate(2026, 12, 25)) << "the day on display, as the Old Calendar dates it";
    dialog.findChild<QDateEdit*>("ToDate")->setDate(QDate(2026, 12, 31));
    dialog.findChild<QCheckBox*>("WithReadings")->setChecked(true);
    dialog.findChild<QLineEdit*>("FileName")->setText(path);
    dialog.findChild<QPushButton*>("OKBtn")->click();
    return dialog.result();
  });
  Run("MExportCalendar");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << BoxTexts().join("|").toStdString();
  const QByteArray ics = file.readAll();
  EXPECT_EQ(CountEvents(ics), 7);
  EXPECT_TRUE(ics.contains("UID:20270107-old@kalendra.calendar\r\n"));
  EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20270107\r\n"));
  EXPECT_TRUE(ics.contains("CATEGORIES:Great Feast\r\n"));
  QByteArray unfolded = ics;
  unfolded.replace("\r\n ", "");
  EXPECT_TRUE(unfolded.contains("Matins: Matthew 1:18-25")) << "the readings' references";
  EXPECT_TRUE(BoxTexts().isEmpty()) << BoxTexts().join("|").toStdString();
}

TEST_F(CalendarExportTest, RefusesABackwardRunAndReportsAFileThatCannotBeWritten) {
  Store("Options/OldCalendar", "0");
  Start(QDate(2026, 12, 8));
  OnModal([&](QDialog& dialog) {
    dialog.findChild<QDateEdit*>("ToDate")->setDate(QDate(2026, 12, 1));
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_FALSE(dialog.isHidden()) << "the dialog stays open to be mended";
    dialog.findChild<QDateEdit*>("ToDate")->setDate(QDate(2026, 12, 9));
    dialog.findChild<QLineEdit*>("FileName")->setText(Folder() + "/no such folder/x.ics");
    dialog.findChild<QPushButton*>("OKBtn")->click();
    return dialog.result();
  });
  Run("MExportCalendar");
  const QStringList texts = BoxTexts();
  ASSERT_EQ(texts.size(), 2) << texts.join("|").toStdString();
  EXPECT_EQ(texts[0], "The last day comes before the first.");
  EXPECT_TRUE(texts[1].startsWith("Unable to write ")) << texts[1].toStdString();
  EXPECT_TRUE(texts[1].contains("no such folder")) << texts[1].toStdString();
}

// What the fasting text says of a day, as a reader reads it.
FastLevel LevelOfText(const QString& text) {
  if (text.contains("Fish") || text.contains("Caviar")) return FastLevel::Fish;
  if (text.contains("Wine")) return FastLevel::WineOil;
  return FastLevel::Strict;
}

TEST_F(CalendarExportTest, GridMarksAgreeWithTheFastingTextOnBothCalendars) {
  for (CalendarMode mode : {CalendarMode::New, CalendarMode::Old}) {
    const int shift = mode == CalendarMode::Old ? OldCalendarRange::kShift : 0;
    const QDate first(2026 + shift, 1, 1);
    for (QDate grid = first; grid.year() == first.year(); grid = grid.addDays(1)) {
      const DayMarks marks = MarksOfGridDate(grid, mode);
      ASSERT_TRUE(marks.valid);
      const SelectedDay day = MakeSelectedDay(ToDayNumber(grid), mode);
      const QString fasting = QString::fromStdString(FastingText(day, mode)).trimmed();
      const int a = ZacchaeusID(day);
      const bool lent = a >= 29 && a <= 76;
      const bool free = fasting.contains("Free") || fasting.contains("fare");
      const bool fast = !free && (lent || fasting.contains("Fast"));
      EXPECT_EQ(marks.fast, fast ? LevelOfText(fasting) : FastLevel::None)
          << grid.toString(Qt::ISODate).toStdString() << " \"" << fasting.toStdString() << "\"";
      for (const QString& piece : fasting.split("   ", Qt::SkipEmptyParts))
        EXPECT_TRUE(marks.tooltip.contains(piece.trimmed())) << marks.tooltip.toStdString();
    }
  }
}

TEST_F(CalendarExportTest, FeastsOfTheShownMonthStandInBoldRed) {
  Store("Options/OldCalendar", "1");
  Start(QDate(2026, 4, 12));  // Pascha on both calendars; 30 March on the Old
  FeastGrid& grid = *windows_.dateBox->Calendar();
  const QDate pascha(2026 + OldCalendarRange::kShift, 3, 30);
  const QDate annunciation(2026 + OldCalendarRange::kShift, 3, 25);
  const QDate ordinary(2026 + OldCalendarRange::kShift, 3, 26);
  for (const QDate& feast : {pascha, annunciation}) {
    EXPECT_EQ(grid.dateTextFormat(feast).fontWeight(), QFont::Bold) << feast.toString().toStdString();
    EXPECT_EQ(grid.dateTextFormat(feast).foreground().color(), FeastGrid::FeastColor(grid.palette()));
  }
  EXPECT_NE(grid.dateTextFormat(ordinary).fontWeight(), QFont::Bold);
  EXPECT_NE(grid.weekdayTextFormat(Qt::Sunday).foreground().color(), FeastGrid::FeastColor(grid.palette()))
      << "red is kept for the feasts";
}

}  // namespace
}  // namespace kal
