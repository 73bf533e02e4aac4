// Every dialog and message box belongs to the window that asked for it, and
// a day whose icon cannot be shown is still one day everywhere.
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QApplication>

#include "bible_search_dlg.h"
#include "date_box.h"
#include "dialog_test_support.h"
#include "main_form.h"
#include "splash_screen.h"

namespace kal {
namespace {

using WindowOwnersTest = DialogTest;

TEST_F(WindowOwnersTest, DialogsAndBoxesOfSelectDateBelongToIt) {
  Store("Options/OldCalendar", "0");
  Start(QDate(2020, 1, 24));
  TDateBox& box = *windows_.dateBox;
  QWidget* goToParent = nullptr;
  OnModal([&](QDialog& dialog) {
    if (&dialog == &box) {
      box.findChild<QAction*>("GoToDate")->trigger();
      box.findChild<QAction*>("FindEasterDate")->trigger();
      return int(QDialog::Accepted);
    }
    goToParent = dialog.parentWidget();
    Choose(dialog.findChild<QComboBox*>("Month"), "February");
    Choose(dialog.findChild<QComboBox*>("Day"), "30");  // refused, with its box
    return int(QDialog::Rejected);
  });
  Run("MSelectDate");
  EXPECT_EQ(DialogsOpened(), (QStringList{"TDateBox", "TGoToDateDlg"}));
  EXPECT_EQ(goToParent, &box);
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[0].text.trimmed(), "Not a valid Date.");
  EXPECT_EQ(boxes_.boxes[0].owner, "TGoToDateDlg");
  EXPECT_EQ(boxes_.boxes[1].owner, "TDateBox");  // the Easter message

  // From the main window, Go To Date belongs to the main window.
  boxes_.boxes.clear();
  OnModal([&](QDialog& dialog) {
    goToParent = dialog.parentWidget();
    return int(QDialog::Rejected);
  });
  Run("MGoToDate");
  EXPECT_EQ(goToParent, windows_.main.get());
}

TEST_F(WindowOwnersTest, FindBibleVersesAndPrintRangeBoxesBelongToTheirDialogs) {
  Store("Options/TroparionKontakion", "0");
  Store("Options/DailyBibleReadings", "1");
  Start(QDate(2000, 3, 5));
  OnModal([](QDialog& dialog) {
    if (dialog.objectName() == "TBibleSearchDlg") {
      dialog.findChild<QLineEdit*>("eStartVerse")->clear();
      dialog.findChild<QPushButton*>("FindButton")->click();
    } else {
      Choose(dialog.findChild<QComboBox*>("FromMonth"), "February");
      Choose(dialog.findChild<QComboBox*>("FromDay"), "30");
    }
    return int(QDialog::Rejected);
  });
  Run("MFindSaint");
  Run("MPrintRange");
  EXPECT_EQ(DialogsOpened(), (QStringList{"TBibleSearchDlg", "TPrintRangeDlg"}));
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[0].text, "Please select all Chapters and Verses.");
  EXPECT_EQ(boxes_.boxes[0].owner, "TBibleSearchDlg");
  EXPECT_EQ(boxes_.boxes[1].owner, "TPrintRangeDlg");
  // Once the dialogs are closed, boxes belong to the main window again.
  EXPECT_EQ(PromptOwner::Current(), nullptr);
}

TEST_F(WindowOwnersTest, FindsAskedFromTheFindDialogAnswerOverIt) {
  Start();
  Run("MFind");
  auto* dialog = windows_.main->findChild<QDialog*>("FindDialog");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->isVisible());
  dialog->findChild<QLineEdit*>("FindText")->setText("no such words in any page");
  QMetaObject::invokeMethod(dialog, "FindRequested");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_TRUE(boxes_.boxes[0].text.startsWith("Cannot find"));
  EXPECT_EQ(boxes_.boxes[0].owner, "FindDialog");
  // F3 in the main window with the dialog closed: over the main window.
  dialog->hide();
  boxes_.boxes.clear();
  Run("MFindNext");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].owner, "");
}

TEST_F(WindowOwnersTest, AMessageBoxTakesAwayTheSplashFirst) {
  MessageBoxPrompt realBoxes;
  TSplashScreen splash;
  splash.show();
  bool splashGone = false;
  QTimer::singleShot(0, [&] {
    splashGone = !splash.isVisible();
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  realBoxes.Ask(PromptKind::Error, "Kalendra 2.0", "Unable to Load XTRAPICS.DLL", PromptButtons::Ok, std::nullopt);
  EXPECT_TRUE(splashGone);
}

TEST_F(WindowOwnersTest, ADayWhoseIconCannotLoadIsStillOneDayEverywhere) {
  // A pack that is there but cannot be loaded.
  const QString pack = CopyPath("XTRAPICS.so");
  QFile::remove(pack);
  QFile damaged(pack);
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("not a library");
  damaged.close();
  Store("Options/OldCalendar", "0");
  Start(QDate(2021, 3, 10));
  boxes_.boxes.clear();
  Item("MNextDay")->trigger();
  EXPECT_EQ(BoxTexts(), QStringList{"Unable to Load XTRAPICS.DLL"});
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 3, 11}));
  EXPECT_EQ(windows_.dateBox->Calendar()->selectedDate(), QDate(2021, 3, 11));
  EXPECT_TRUE(DateBarText().contains("11")) << DateBarText().toStdString();
  EXPECT_TRUE(StatusText().endsWith(windows_.main->DateCaption())) << StatusText().toStdString();
  EXPECT_TRUE(windows_.main->DateCaption().contains("11"));
  // And the next step starts from that day.
  Item("MNextDay")->trigger();
  EXPECT_EQ(windows_.dateBox->Calendar()->selectedDate(), QDate(2021, 3, 12));
}

}  // namespace
}  // namespace kal
