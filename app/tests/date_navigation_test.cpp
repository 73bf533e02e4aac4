// Changing the date: Next and Previous Day through a month and across a
// year's end on both calendars, the Old Calendar's limits, the calendar
// switch and the date selection window's arrows and grid.
#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTextEdit>

#include "arrow_panel.h"
#include "calendar/calendar.h"
#include "date_box.h"
#include "icon_panel.h"
#include "kalview_fixture.h"
#include "locale_date_names.h"
#include "main_form.h"
#include "stored_values.h"

namespace kal {
namespace {

class DateNavigationTest : public KalviewTest {
 protected:
  void ExpectBarsOf(DayNumber activeDate, CalendarMode mode) {
    const SelectedDay expected = MakeSelectedDay(activeDate, mode);
    EXPECT_EQ(DateBarText().toStdString(), DateTitle(expected, mode, ProgramDateNames()));
    EXPECT_EQ(InfoBarText().toStdString(), InfoText(expected, mode));
    EXPECT_EQ(Day().NewDate, expected.NewDate);
    EXPECT_EQ(Day().OldDate, expected.OldDate);
  }
  void UseCalendar(CalendarMode mode) {
    Item(mode == CalendarMode::Old ? "MOldCalendar" : "MNewCalendar")->trigger();
    ASSERT_EQ(Mode(), mode);
  }
  ArrowPanel* Arrow(const char* name) { return windows_.dateBox->findChild<ArrowPanel*>(name); }
};

TEST_F(DateNavigationTest, NextAndPreviousDayThroughAMonthAndAcrossTheYearEnd) {
  for (const CalendarMode mode : {CalendarMode::New, CalendarMode::Old}) {
    SCOPED_TRACE(mode == CalendarMode::Old ? "Old Calendar" : "New Calendar");
    Start(QDate(2020, 12, 1));
    UseCalendar(mode);
    // From 1 December of the calendar in force, 40 days forward and back.
    const DayNumber first = mode == CalendarMode::Old ? EncodeDate(2020 + 16, 12, 1) : EncodeDate(2020, 12, 1);
    windows_.dateBox->SetGrid(first, nullptr);
    for (int step = 1; step <= 40; ++step) {
      Press(Qt::Key_F7);
      ExpectBarsOf(first + step, mode);
      EXPECT_TRUE(prompt_.asked.empty()) << step << ": " << prompt_.Texts().join('|').toStdString() << " key "
                                         << windows_.main->Icons()->ShownIconKey();
    }
    EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 1, 10}));
    for (int step = 39; step >= 0; --step) {
      Press(Qt::Key_F6);
      ExpectBarsOf(first + step, mode);
    }
    EXPECT_TRUE(prompt_.asked.empty());
    Stop();
  }
}

TEST_F(DateNavigationTest, OldCalendarLimits) {
  const QString message = kOldCalendarRangeMessage;
  const struct {
    YearMonthDay julian;
    int key;
    YearMonthDay newCalendarAfter;  // the same press on the New Calendar
  } cases[] = {{{1900, 3, 1}, Qt::Key_F6, {1900, 3, 13}}, {{2084, 2, 28}, Qt::Key_F7, {2084, 3, 13}}};
  for (const auto& c : cases) {
    QSettings(kSettingsCompany, kSettingsProgram).clear();  // the last case left the New Calendar on
    Start(QDate(2021, 1, 7));
    windows_.dateBox->SetGrid(EncodeDate(c.julian.year + 16, c.julian.month, c.julian.day), nullptr);
    prompt_.asked.clear();
    Press(c.key);
    ASSERT_EQ(prompt_.Texts(), QStringList{message});
    EXPECT_EQ(ShownDate(), c.julian);
    // The New Calendar steps on without a limit.
    UseCalendar(CalendarMode::New);
    Press(c.key);
    EXPECT_EQ(ShownDate(), c.newCalendarAfter);
    EXPECT_EQ(prompt_.asked.size(), 1u);
    Stop();
  }
}

TEST_F(DateNavigationTest, SwitchingToTheOldCalendarHoldsTheDateInsideItsRange) {
  const struct {
    QDate civil;
    YearMonthDay julian;
  } cases[] = {{QDate(1900, 3, 1), {1900, 3, 1}}, {QDate(2090, 1, 1), {2084, 2, 28}}, {QDate(2021, 1, 7), {2020, 12, 25}}};
  for (const auto& c : cases) {
    Store("Options/OldCalendar", "0");
    Start(c.civil);
    ASSERT_EQ(Mode(), CalendarMode::New);
    UseCalendar(CalendarMode::Old);
    EXPECT_EQ(ShownDate(), c.julian) << c.civil.toString().toStdString();
    EXPECT_EQ(windows_.main->windowTitle(), "Kalendra - Old Calendar");
    ExpectBarsOf(EncodeDate(c.julian.year + 16, c.julian.month, c.julian.day), CalendarMode::Old);
    Stop();
  }
}

TEST_F(DateNavigationTest, DateCaptionNamesBothDaysOnTheOldCalendar) {
  const struct {
    QDate civil;
    CalendarMode mode;
    const char* caption;
  } cases[] = {{QDate(2021, 1, 24), CalendarMode::Old, "January 11/24"},
               {QDate(2021, 2, 7), CalendarMode::Old, "January 25/February 7"},
               {QDate(2021, 1, 11), CalendarMode::New, "January 11"}};
  Start();
  for (const auto& c : cases) {
    UseCalendar(c.mode);
    windows_.dateBox->SetGrid(c.mode == CalendarMode::Old ? MakeSelectedDay(ToDayNumber(c.civil), CalendarMode::New).OldDate
                                                         : ToDayNumber(c.civil),
                              nullptr);
    EXPECT_EQ(windows_.main->DateCaption(), c.caption);
  }
}

TEST_F(DateNavigationTest, ArrowPanelsStepMonthAndYearAndRefuseBeyondTheOldRange) {
  Start(QDate(2000, 3, 13));  // Julian 29 February 2000
  ASSERT_EQ(ShownDate(), (YearMonthDay{2000, 2, 29}));
  QTest::mouseClick(Arrow("DecYear"), Qt::LeftButton);
  EXPECT_EQ(ShownDate(), (YearMonthDay{1999, 2, 28}));
  QTest::mouseClick(Arrow("IncMonth"), Qt::LeftButton);
  EXPECT_EQ(ShownDate(), (YearMonthDay{1999, 3, 28}));
  EXPECT_EQ(windows_.dateBox->findChild<QLabel*>("Month")->text(), "March");
  EXPECT_EQ(windows_.dateBox->findChild<QLabel*>("Year")->text(), "1999");

  windows_.dateBox->SetGrid(EncodeDate(1900 + 16, 3, 20), nullptr);
  QTest::mouseClick(Arrow("DecMonth"), Qt::LeftButton);
  ASSERT_EQ(prompt_.asked.size(), 1u);
  EXPECT_EQ(prompt_.asked[0].text, kOldCalendarRangeMessage);
  EXPECT_EQ(prompt_.asked[0].at, QPoint(10, 10));
  EXPECT_EQ(ShownDate(), (YearMonthDay{1900, 3, 20}));

  // The pressed look while the mouse is held.
  ArrowPanel* panel = Arrow("IncYear");
  QTest::mousePress(panel, Qt::LeftButton);
  EXPECT_TRUE(panel->Pressed());
  QTest::mouseRelease(panel, Qt::LeftButton);
  EXPECT_FALSE(panel->Pressed());
  EXPECT_EQ(ShownDate(), (YearMonthDay{1901, 3, 20}));
}

TEST_F(DateNavigationTest, GridClicksOnAnotherDayLoadItAndProgramSetsAlwaysReload) {
  Start();
  QCalendarWidget* grid = windows_.dateBox->Calendar();
  const QDate shown = grid->selectedDate();
  grid->setSelectedDate(shown.addDays(3));  // as a click on another day
  EXPECT_EQ(ShownDate(), (YearMonthDay{2020, 12, 28}));
  // Setting the same date from the program reloads the page.
  Editor()->setPlainText("scribbled");
  Editor()->document()->setModified(false);
  windows_.dateBox->SetGridToActiveDate(nullptr);
  EXPECT_NE(Editor()->toPlainText(), "scribbled");
}

}  // namespace
}  // namespace kal
