// The go-to-date and print range dialogs with their date rules, the commands
// that open them, the Easter message and the about box.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "about_box.h"
#include "date_box.h"
#include "date_lists.h"
#include "dialog_test_support.h"
#include "go_to_date_dlg.h"
#include "main_form.h"
#include "print_range_dlg.h"
#include "stored_values.h"

namespace kal {
namespace {

const QString kGoToDateCaption = "Go To Date" + QString(42, ' ');
const QString kPrintRangeCaption = "Print Range" + QString(41, ' ');
const QString kNotValid = QString(28, ' ') + "Not a valid Date.";

using SmallDialogsTest = DialogTest;

QComboBox* List(QWidget& dialog, const char* name) { return dialog.findChild<QComboBox*>(name); }

TEST_F(SmallDialogsTest, TwentyNinthOfFebruaryOnlyInLeapYears) {
  Start();
  for (int year = kFirstListYear; year <= kLastListYear; ++year) {
    TGoToDateDlg dialog(windows_.main.get(), {year, 2, 1}, QString());
    boxes_.boxes.clear();
    List(dialog, "Day")->setCurrentIndex(28);
    const bool leap = year % 4 == 0;
    ASSERT_EQ(dialog.Chosen() == (YearMonthDay{year, 2, 29}), leap) << year;
    ASSERT_EQ(boxes_.boxes.size(), leap ? 0u : 1u) << year;
    if (!leap) {
      EXPECT_EQ(boxes_.boxes[0].title, kGoToDateCaption);
      EXPECT_EQ(boxes_.boxes[0].text, kNotValid);
      EXPECT_EQ(List(dialog, "Day")->currentText(), "1");
    }
  }
  // From 29 February 1992 the year cannot move to 1993; the year list goes
  // back. From 31 January the month cannot move to April.
  TGoToDateDlg dialog(windows_.main.get(), {1992, 2, 29}, "status");
  EXPECT_EQ(dialog.toolTip(), "status");
  Choose(List(dialog, "Year"), "1993");
  EXPECT_EQ(List(dialog, "Year")->currentText(), "1992");
  EXPECT_EQ(dialog.Chosen(), (YearMonthDay{1992, 2, 29}));
  Choose(List(dialog, "Day"), "31");
  EXPECT_EQ(List(dialog, "Day")->currentText(), "29");
  Choose(List(dialog, "Month"), "January");
  Choose(List(dialog, "Day"), "31");
  Choose(List(dialog, "Month"), "April");
  EXPECT_EQ(List(dialog, "Month")->currentText(), "January");
  EXPECT_EQ(dialog.Chosen(), (YearMonthDay{1992, 1, 31}));
}

TEST_F(SmallDialogsTest, GoToDateMovesToTheChosenDayOnEitherCalendar) {
  for (const bool old : {true, false}) {
    SCOPED_TRACE(old ? "Old Calendar" : "New Calendar");
    Store("Options/OldCalendar", old ? "1" : "0");
    opened_.clear();
    Start(QDate(2021, 1, 24));
    YearMonthDay start;
    OnModal([&start](QDialog& dialog) {
      start = static_cast<TGoToDateDlg&>(dialog).Chosen();
      Choose(List(dialog, "Year"), "2000");
      Choose(List(dialog, "Month"), "February");
      Choose(List(dialog, "Day"), "29");
      return int(QDialog::Accepted);
    });
    Run("MGoToDate");
    EXPECT_EQ(DialogsOpened(), QStringList{"TGoToDateDlg"});
    EXPECT_EQ(start, old ? (YearMonthDay{2021, 1, 11}) : (YearMonthDay{2021, 1, 24}));
    EXPECT_EQ(ShownDate(), (YearMonthDay{2000, 2, 29}));
    if (old) {
      EXPECT_EQ(Day().OldYear, 2016);
      EXPECT_EQ(Day().NewMonth, 3);
      EXPECT_EQ(Day().NewDay, 13);
    }
    EXPECT_TRUE(DateBarText().contains("2000"));
    // Cancel leaves the day.
    OnModal([](QDialog& dialog) {
      Choose(List(dialog, "Year"), "1950");
      return int(QDialog::Rejected);
    });
    Run("MGoToDate");
    EXPECT_EQ(ShownDate(), (YearMonthDay{2000, 2, 29}));
    Stop();
  }
  // The dialog's place is kept for the next time.
  EXPECT_TRUE(QSettings(kSettingsCompany, kSettingsProgram).contains("GoToDateWindow/Left"));
}

TEST_F(SmallDialogsTest, GoToDateAndPrintRangeOpenOnTodayAndOnTheYearsAtTheEnds) {
  struct Case {
    QDate today;
    bool old;
    bool opens;  // both dialogs
  };
  const Case cases[] = {
      {QDate::currentDate(), true, true},
      {QDate::currentDate(), false, true},
      {QDate(1901, 1, 1), false, true},
      {QDate(2083, 12, 30), false, true},
      // Julian December 25, 2083 is New January 7, 2084: the Old year counts.
      {QDate(2084, 1, 7), true, true},
      {QDate(2084, 1, 7), false, false},
      {QDate(1900, 12, 31), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.today.toString(Qt::ISODate) + (c.old ? " Old" : " New")).toStdString());
    Store("Options/OldCalendar", c.old ? "1" : "0");
    opened_.clear();
    boxes_.boxes.clear();
    Start(c.today);
    Press(Qt::Key_O, Qt::ControlModifier);  // Go to Date
    Press(Qt::Key_G, Qt::ControlModifier);  // Print Range
    if (c.opens) {
      EXPECT_EQ(DialogsOpened(), (QStringList{"TGoToDateDlg", "TPrintRangeDlg"}));
      EXPECT_TRUE(boxes_.boxes.empty());
    } else {
      EXPECT_TRUE(DialogsOpened().isEmpty());
      ASSERT_EQ(boxes_.boxes.size(), 2u);
      EXPECT_EQ(boxes_.boxes[0].title, "Go To Date");
      EXPECT_EQ(boxes_.boxes[0].text, "Date must be between Jan 1, 1901 and Dec 31, 2083.");
      EXPECT_EQ(boxes_.boxes[1].text, "Date must be between Jan 1, 1901 and Dec 30, 2083.");
    }
    Stop();
  }
}

TEST_F(SmallDialogsTest, DateBoxGoToDateRunsTheSameCommand) {
  Store("Options/OldCalendar", "0");
  Start(QDate(2021, 1, 24));
  OnModal([](QDialog& dialog) {
    Choose(List(dialog, "Day"), "2");
    return int(QDialog::Accepted);
  });
  windows_.dateBox->findChild<QAction*>("GoToDate")->trigger();
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 1, 2}));
}

struct RangeCase {
  const char* what;
  YearMonthDay open;
  std::vector<std::pair<const char*, const char*>> choices;  // list, row text, in turn
  YearMonthDay from;
  YearMonthDay to;
  bool refused;
};

TEST_F(SmallDialogsTest, PrintRangeKeepsTheLastDayWithinThirtyDaysOfTheFirst) {
  Start();
  const RangeCase cases[] = {
      {"opens on the day and the next", {2000, 3, 5}, {}, {2000, 3, 5}, {2000, 3, 6}, false},
      {"From past To moves To after it",
       {2000, 1, 10},
       {{"ToDay", "20"}, {"FromDay", "31"}},
       {2000, 1, 31},
       {2000, 2, 1},
       false},
      {"To forty days on is held at thirty", {2000, 1, 10}, {{"ToMonth", "February"}, {"ToDay", "19"}},
       {2000, 1, 10}, {2000, 2, 9}, false},
      {"To on From's day moves to the next", {2000, 1, 10}, {{"ToDay", "10"}}, {2000, 1, 10}, {2000, 1, 11}, false},
      {"To before From moves to the next", {2000, 1, 10}, {{"ToYear", "1999"}}, {2000, 1, 10}, {2000, 1, 11}, false},
      {"From moved back more than thirty days pulls To", {2000, 3, 5}, {{"FromMonth", "January"}},
       {2000, 1, 5}, {2000, 2, 4}, false},
      {"To across the year end", {2000, 12, 20}, {{"ToYear", "2001"}, {"ToMonth", "January"}, {"ToDay", "19"}},
       {2000, 12, 20}, {2001, 1, 19}, false},
      {"29 February 2001 in From is refused", {2001, 2, 10}, {{"FromDay", "29"}}, {2001, 2, 10}, {2001, 2, 11}, true},
      {"31 April in To is refused", {2001, 4, 10}, {{"ToDay", "31"}}, {2001, 4, 10}, {2001, 4, 11}, true},
      {"29 February 2000 is a day", {2000, 2, 10}, {{"FromDay", "29"}}, {2000, 2, 29}, {2000, 3, 1}, false},
      {"the lists' last day cannot start a range", {2083, 12, 20}, {{"FromDay", "31"}}, {2083, 12, 20},
       {2083, 12, 21}, true},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.what);
    boxes_.boxes.clear();
    TPrintRangeDlg dialog(windows_.main.get(), c.open);
    for (const auto& [list, row] : c.choices) Choose(List(dialog, list), row);
    EXPECT_EQ(dialog.From(), c.from);
    EXPECT_EQ(dialog.To(), c.to);
    // The lists show the two dates.
    EXPECT_EQ(ListDate(*List(dialog, "FromMonth"), *List(dialog, "FromDay"), *List(dialog, "FromYear")), c.from);
    EXPECT_EQ(ListDate(*List(dialog, "ToMonth"), *List(dialog, "ToDay"), *List(dialog, "ToYear")), c.to);
    ASSERT_EQ(boxes_.boxes.size(), c.refused ? 1u : 0u);
    if (c.refused) {
      EXPECT_EQ(boxes_.boxes[0].title, kPrintRangeCaption);
      EXPECT_EQ(boxes_.boxes[0].text, kNotValid);
    }
  }
}

TEST_F(SmallDialogsTest, PrintRangeOpensOnTheOldCalendarDay) {
  Start(QDate(2000, 1, 14));  // Julian January 1, 2000, held as January 1, 2016
  ASSERT_EQ(Day().OldYear, 2016);
  YearMonthDay from, to;
  OnModal([&](QDialog& dialog) {
    from = static_cast<TPrintRangeDlg&>(dialog).From();
    to = static_cast<TPrintRangeDlg&>(dialog).To();
    EXPECT_EQ(List(dialog, "FromYear")->currentText(), "2000");
    return int(QDialog::Rejected);
  });
  Run("MPrintRange");
  EXPECT_EQ(from, (YearMonthDay{2000, 1, 1}));
  EXPECT_EQ(to, (YearMonthDay{2000, 1, 2}));
  EXPECT_TRUE(printer_.files.isEmpty());
}

TEST_F(SmallDialogsTest, EasterMessageFollowsTheYearOnDisplay) {
  const QString prefix = "This year the date of Easter for Catholic, Anglican and Protestant Christians is ";
  struct Case {
    QDate day;
    QString text;
  };
  const Case cases[] = {
      {QDate(2000, 6, 1), prefix + "April 23. The civil calendar date of Pascha is April 30. "},
      {QDate(2001, 9, 1), prefix + "April 15. The civil calendar date of Pascha is April 15. "},
  };
  for (const Case& c : cases) {
    Store("Options/OldCalendar", "0");
    boxes_.boxes.clear();
    Start(c.day);
    Run("MFindEasterDate");
    windows_.dateBox->findChild<QAction*>("FindEasterDate")->trigger();
    ASSERT_EQ(boxes_.boxes.size(), 2u);
    EXPECT_EQ(boxes_.boxes[0].text, c.text);
    EXPECT_EQ(boxes_.boxes[1].text, c.text);
    Stop();
  }
}

// A year list drops down twelve rows, whatever the style would do.
TEST_F(SmallDialogsTest, YearListsDropTwelveRows) {
  Start();
  QComboBox year(windows_.main.get());
  FillYearList(year);
  year.show();
  year.setCurrentIndex(year.count() / 2);
  year.showPopup();
  QAbstractItemView* rows = year.view();
  ASSERT_TRUE(rows->isVisible());
  const int rowHeight = rows->sizeHintForRow(0);
  ASSERT_GT(rowHeight, 0);
  const int shown = (rows->viewport()->height() + rowHeight / 2) / rowHeight;
  EXPECT_EQ(shown, 12) << rows->viewport()->height() << " pixels of rows of " << rowHeight;
  year.hidePopup();
}

TEST_F(SmallDialogsTest, AboutBoxCentresItsLinesInThePanel) {
  Start();
  bool shown = false;
  OnModal([&shown](QDialog& dialog) {
    shown = true;
    auto& box = static_cast<TAboutBox&>(dialog);
    EXPECT_EQ(box.windowTitle(), "About Kalendra");
    const QFrame* panel = box.MainPanel();
    EXPECT_EQ(panel->geometry(), QRect(10, 10, 351, 300));
    const std::pair<const char*, const char*> texts[] = {{"ProductName", "KALENDRA"},
                                                         {"ProductDescription", "for Windows 95/98/ME/NT4/2000"},
                                                         {"Version", "Version 2.0"}};
    for (const auto& [name, text] : texts) EXPECT_EQ(panel->findChild<QLabel*>(name)->text(), text);
    for (const char* name : {"ProgramIcon", "ProductName", "ProductDescription", "Version", "Notice1", "Notice2"}) {
      const QLabel* label = panel->findChild<QLabel*>(name);
      EXPECT_LT(label->width(), panel->width()) << name;
      EXPECT_NEAR(label->x() + label->width() / 2, panel->width() / 2, 1) << name;
    }
    const auto* ok = box.findChild<QPushButton*>("OKButton");
    EXPECT_NEAR(ok->x() + ok->width() / 2, 10 + panel->width() / 2, 1);
    EXPECT_GT(ok->y(), panel->geometry().bottom());
    return int(QDialog::Accepted);
  });
  Run("MAboutKalendra");
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace kal
