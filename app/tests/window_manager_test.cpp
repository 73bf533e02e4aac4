// The windows as a user's desktop shows them, under openbox: the main window
// back from a maximised first session, saved places that hold over many
// openings and restarts, the Select Date window's frame, and every dialog and
// message box over the window that opened it.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "bible_search_dlg.h"
#include "date_box.h"
#include "go_to_date_dlg.h"
#include "main_form.h"
#include "print_range_dlg.h"
#include "splash_screen.h"
#include "stored_values.h"
#include "window_manager_support.h"
#include "window_placement.h"

namespace kal {
namespace {

QString Stored(const QString& key) { return QSettings(kSettingsCompany, kSettingsProgram).value(key).toString(); }

// Where the user sees the window: its frame's corner.
QPoint FramePlace(const QWidget& window) { return window.windowHandle()->frameGeometry().topLeft(); }
QRect Frame(const QWidget& window) { return window.windowHandle()->frameGeometry(); }

using WindowPlacementTest = WindowManagerTest;

// Notes that a window has been minimised, however briefly.
struct MinimisedWatch : QObject {
  bool seen = false;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange && static_cast<QWidget*>(watched)->isMinimized()) seen = true;
    return false;
  }
};

TEST_F(WindowPlacementTest, AMaximisedFirstSessionComesBackWholeWhenUnmaximised) {
  Start();
  TMainForm* main = windows_.main.get();
  ASSERT_TRUE(WaitUntilFramed(*main));
  ASSERT_TRUE(QTest::qWaitFor([main] { return main->isMaximized(); }));
  const QSize defaultSize = DefaultMainSize(*main);
  Stop();
  EXPECT_EQ(Stored("MainWindow/FormState"), "Maximized");
  EXPECT_GE(Stored("MainWindow/Width").toInt(), defaultSize.width());
  EXPECT_GE(Stored("MainWindow/Height").toInt(), defaultSize.height());

  Start();
  main = windows_.main.get();
  ASSERT_TRUE(QTest::qWaitFor([main] { return main->isMaximized() && main->isVisible(); }));
  main->showNormal();
  ASSERT_TRUE(QTest::qWaitFor([main] { return !main->isMaximized() && !main->windowHandle()->frameMargins().isNull(); }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return main->width() < DesktopWorkArea().width(); }));
  EXPECT_GE(main->width(), defaultSize.width());
  EXPECT_GE(main->height(), defaultSize.height());
  EXPECT_TRUE(DesktopWorkArea().contains(Frame(*main))) << Frame(*main).x() << ","
                                                                  << Frame(*main).y();
}

TEST_F(WindowPlacementTest, HugeOrFarSavedPlacementsOpenOnTheScreen) {
  const struct {
    const char *left, *top, *width, *height;
  } cases[] = {{"10", "10", "2147483647", "2147483647"}, {"-100000", "-100000", "700", "500"},
               {"0", "0", "-1", "-1"}, {"100000", "100000", "700", "500"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.left) + " " + c.top + " " + c.width + " " + c.height);
    Store("MainWindow/Left", c.left);
    Store("MainWindow/Top", c.top);
    Store("MainWindow/Width", c.width);
    Store("MainWindow/Height", c.height);
    Store("MainWindow/FormState", "Normal");
    Start();
    TMainForm& main = *windows_.main;
    ASSERT_TRUE(WaitUntilFramed(main));
    EXPECT_TRUE(DesktopWorkArea().contains(Frame(main)))
        << Frame(main).x() << "," << Frame(main).y() << " " << Frame(main).width() << "x"
        << Frame(main).height();
    EXPECT_GE(main.width(), main.minimumSizeHint().width());
    Stop();
  }
}

TEST_F(WindowPlacementTest, GoToDateAndPrintRangeOpenWhereTheyWereLeftOverTenOpenings) {
  Start();
  for (const char* name : {"TGoToDateDlg", "TPrintRangeDlg"}) {
    SCOPED_TRACE(name);
    std::optional<QPoint> first;
    for (int opening = 0; opening < 10; ++opening) {
      std::unique_ptr<QDialog> dialog;
      if (QString(name) == "TGoToDateDlg") {
        dialog = std::make_unique<TGoToDateDlg>(windows_.main.get(), YearMonthDay{2000, 3, 5}, QString());
      } else {
        dialog = std::make_unique<TPrintRangeDlg>(windows_.main.get(), YearMonthDay{2000, 3, 5});
      }
      dialog->show();
      ASSERT_TRUE(WaitUntilFramed(*dialog));
      if (!first) {
        first = FramePlace(*dialog);
        // Centred at the first opening, on the work area.
        EXPECT_NEAR(dialog->geometry().center().x(), DesktopWorkArea().center().x(), 2);
        EXPECT_TRUE(DesktopWorkArea().contains(Frame(*dialog)));
      }
      EXPECT_EQ(FramePlace(*dialog), *first) << "opening " << opening;
      dialog->hide();
    }
  }
}

TEST_F(WindowPlacementTest, SelectDateIsCentredAtFirstAndStaysWhereItWasOverTenRestarts) {
  std::optional<QPoint> first;
  for (int start = 0; start < 10; ++start) {
    Start();
    TDateBox& box = *windows_.dateBox;
    box.show();
    ASSERT_TRUE(WaitUntilFramed(box));
    if (!first) {
      first = FramePlace(box);
      const QRect area = DesktopWorkArea();
      EXPECT_NEAR(box.geometry().center().x(), area.center().x(), 1) << box.width();
      EXPECT_NEAR(box.geometry().center().y(), area.center().y(), 1) << box.height();
    }
    EXPECT_EQ(FramePlace(box), *first) << "start " << start;
    Stop();
  }
}

TEST_F(WindowPlacementTest, SelectDateOffersOnlyToCloseAndStaysAboveTheMainWindow) {
  Start();
  TDateBox& box = *windows_.dateBox;
  box.show();
  ASSERT_TRUE(WaitUntilFramed(box));
  ASSERT_TRUE(QTest::qWaitFor([&box] { return AllowedActions(box).contains("CLOSE"); }));
  const QStringList actions = AllowedActions(box);
  // A tool window whose frame has a close button only.
  EXPECT_EQ(WindowType(box), "UTILITY");
  const FrameRequest frame = RequestedFrame(box);
  EXPECT_NE(frame.decorations, 0u);
  EXPECT_EQ(frame.decorations & (FrameRequest::kMinimize | FrameRequest::kMaximize), 0u) << frame.decorations;
  EXPECT_EQ(frame.functions & (FrameRequest::kMinimizeFunction | FrameRequest::kMaximizeFunction), 0u);
  for (const char* refused : {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE", "FULLSCREEN"}) {
    EXPECT_FALSE(actions.contains(refused)) << refused << " in " << actions.join(' ').toStdString();
  }
  windows_.main->raise();
  windows_.main->activateWindow();
  EXPECT_TRUE(WaitUntilAbove(box, *windows_.main));

  // Asked to minimise all the same (the manager's menu offers it), it stays,
  // and so does the main window.
  MinimisedWatch watch;
  box.installEventFilter(&watch);
  box.setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(QTest::qWaitFor([&] { return watch.seen; }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !box.isMinimized() && box.isVisible(); }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !windows_.main->isMinimized(); }));
}

using WindowStackingTest = WindowManagerTest;

// Checks, once the window manager shows the box, that it is a real message
// box over `owner`, and closes it.
void InspectNextBox(const QWidget* owner, bool* overOwner) {
  QTimer::singleShot(0, [owner, overOwner] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *overOwner = WaitUntilFramed(*box) && box->windowHandle()->transientParent() == owner->windowHandle() &&
                 WaitUntilAbove(*box, *owner);
    box->close();
  });
}

TEST_F(WindowStackingTest, DialogsAndBoxesOfSelectDateOpenOverIt) {
  MessageBoxPrompt realBoxes;
  Store("Options/OldCalendar", "0");
  Start(QDate(2020, 1, 24));
  App().prompt = &realBoxes;
  realBoxes.SetParent(windows_.main.get());
  TDateBox& box = *windows_.dateBox;
  bool goToDateOver = false, invalidDateOver = false, easterOver = false, triedEaster = false;
  OnModal([&](QDialog& dialog) {
    if (&dialog == &box) {
      if (!WaitUntilFramed(box)) return int(QDialog::Rejected);
      box.findChild<QAction*>("GoToDate")->trigger();
      InspectNextBox(&box, &easterOver);
      triedEaster = true;
      box.findChild<QAction*>("FindEasterDate")->trigger();
      return int(QDialog::Accepted);
    }
    // Go To Date, opened from Select Date.
    goToDateOver = dialog.parentWidget() == &box && WaitUntilFramed(dialog) &&
                   dialog.windowHandle()->transientParent() == box.windowHandle() && WaitUntilAbove(dialog, box);
    InspectNextBox(&dialog, &invalidDateOver);
    Choose(dialog.findChild<QComboBox*>("Month"), "February");
    Choose(dialog.findChild<QComboBox*>("Day"), "30");  // refused, with its box
    return int(QDialog::Rejected);
  });
  Run("MSelectDate");
  EXPECT_EQ(DialogsOpened(), (QStringList{"TDateBox", "TGoToDateDlg"}));
  EXPECT_TRUE(goToDateOver);
  EXPECT_TRUE(invalidDateOver);
  EXPECT_TRUE(triedEaster);
  EXPECT_TRUE(easterOver);
}

TEST_F(WindowStackingTest, FindBibleVersesBoxesOpenOverTheDialog) {
  MessageBoxPrompt realBoxes;
  Store("Options/TroparionKontakion", "0");
  Store("Options/DailyBibleReadings", "1");
  Start();
  App().prompt = &realBoxes;
  realBoxes.SetParent(windows_.main.get());
  bool overDialog = false;
  OnModal([&](QDialog& dialog) {
    if (!WaitUntilFramed(dialog)) return int(QDialog::Rejected);
    dialog.findChild<QLineEdit*>("eStartVerse")->clear();  // "Please select all Chapters and Verses."
    InspectNextBox(&dialog, &overDialog);
    dialog.findChild<QPushButton*>("FindButton")->click();
    return int(QDialog::Rejected);
  });
  Run("MFindSaint");
  EXPECT_EQ(DialogsOpened(), QStringList{"TBibleSearchDlg"});
  EXPECT_TRUE(overDialog);
}

TEST_F(WindowStackingTest, AMessageDuringStartUpIsNotHiddenByTheSplash) {
  MessageBoxPrompt realBoxes;
  TSplashScreen splash;
  splash.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    // Nothing stays above the box: the splash is gone, or below it.
    seen = WaitUntilFramed(*box) && (!splash.isVisible() || WaitUntilAbove(*box, splash));
    box->close();
  });
  realBoxes.Ask(PromptKind::Error, "Kalendra 2.0", "Unable to Load XTRAPICS.DLL", PromptButtons::Ok, std::nullopt);
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace kal
