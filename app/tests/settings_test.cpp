// The settings store: text forms of the values, the options and toolbars
// written at close and read at the next start, and window placement kept on
// the screen.
#include <QAction>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include "date_box.h"
#include "icon_panel.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "stored_values.h"
#include "window_placement.h"

namespace kal {
namespace {

QString Stored(const QString& key) { return QSettings(kSettingsCompany, kSettingsProgram).value(key).toString(); }

TEST(StoredValuesTest, IntegersInTheirTextForms) {
  const struct {
    const char* text;
    std::optional<long long> value;
  } cases[] = {{"31", 31},     {"0x1F", 31},         {"0X1f", 31},       {"$1F", 31},
               {"  -12", -12}, {"+7", 7},            {"-$10", -16},      {"0", 0},
               {"", {}},       {"   ", {}},          {"12a", {}},        {"1 ", {}},
               {"0x", {}},     {"abc", {}},          {"99999999999", {}}, {"$G", {}}};
  for (const auto& c : cases) EXPECT_EQ(ParseStoredInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(StoredValuesTest, ReadingGivesDefaultsForMissingOrBadText) {
  QSettings store(kSettingsCompany, kSettingsProgram);
  store.clear();
  store.setValue("T/Hex", "0x1F");
  store.setValue("T/Bad", "twelve");
  store.setValue("T/True", "5");
  store.setValue("T/False", "0");
  EXPECT_EQ(ReadStoredInt(store, "T/Hex", 0), 31);
  EXPECT_EQ(ReadStoredInt(store, "T/Bad", 7), 7);
  EXPECT_EQ(ReadStoredInt(store, "T/Missing", -4), -4);
  EXPECT_TRUE(ReadStoredBool(store, "T/True", false));
  EXPECT_FALSE(ReadStoredBool(store, "T/False", true));
  EXPECT_TRUE(ReadStoredBool(store, "T/Bad", true));
  EXPECT_FALSE(store.contains("T/Missing"));
  WriteStoredBool(store, "T/Written", true);
  EXPECT_EQ(store.value("T/Written").toString(), "1");
  store.clear();
}

class SettingsTest : public KalviewTest {};

TEST_F(SettingsTest, OptionsAndToolbarsAreWrittenAtCloseAndReadAtStart) {
  Start();
  TMainForm& main = *windows_.main;
  Item("MNewCalendar")->trigger();
  Press(Qt::Key_F9);
  Press(Qt::Key_F11);  // verse numbers
  Item("MShowIcons")->trigger();
  Item("MShowEditToolBar")->trigger();
  Item("MShowHints")->trigger();
  EXPECT_EQ(main.Icons()->PanelWidth(), 0);
  Stop();

  const struct {
    const char* key;
    const char* text;
  } written[] = {{"Options/OldCalendar", "0"},
                 {"Options/TroparionKontakion", "0"},
                 {"Options/DailyBibleReadings", "1"},
                 {"Options/ShowVerseNumbers", "1"},
                 {"Options/ShowVerseNumbersEnabled", "1"},
                 {"Options/ShowIcons", "0"},
                 {"Options/ShowMainToolBar", "1"},
                 {"Options/ShowEditToolBar", "0"},
                 {"Options/ShowHints", "0"},
                 {"Toolbars/MainToolBar/Rev", "2"},
                 {"Toolbars/MainToolBar/Visible", "1"},
                 {"Toolbars/MainToolBar/DockedTo", "DockTop"},
                 {"Toolbars/MainToolBar/DockRow", "0"},
                 {"Toolbars/EditToolBar/Visible", "0"},
                 {"Toolbars/EditToolBar/DockedTo", "DockTop"},
                 {"MainWindow/FormState", "Maximized"}};
  for (const auto& w : written) EXPECT_EQ(Stored(w.key), w.text) << w.key;

  Start();
  TMainForm& again = *windows_.main;
  EXPECT_EQ(Mode(), CalendarMode::New);
  EXPECT_TRUE(Item("MDailyBibleReadings")->isChecked());
  EXPECT_TRUE(again.ToolButton("MTBBibleReadings")->isChecked());
  EXPECT_EQ(Item("MFindSaint")->text(), "Find &Bible Verses...");
  EXPECT_TRUE(Item("MShowVerseNumbers")->isChecked());
  EXPECT_FALSE(Item("MShowIcons")->isChecked());
  EXPECT_EQ(again.Icons()->PanelWidth(), 0);
  EXPECT_FALSE(again.EditToolBar()->isVisible());
  EXPECT_TRUE(again.MainToolBar()->isVisible());
  EXPECT_FALSE(Item("MShowHints")->isChecked());
  EXPECT_TRUE(again.isMaximized());
}

TEST_F(SettingsTest, ToolbarsComeBackToTheDockTheyWereIn) {
  Start();
  windows_.main->addToolBar(Qt::LeftToolBarArea, windows_.main->EditToolBar());
  Stop();
  EXPECT_EQ(Stored("Toolbars/EditToolBar/DockedTo"), "DockLeft");
  EXPECT_EQ(Stored("Toolbars/EditToolBar/DockRow"), "0");
  EXPECT_EQ(Stored("Toolbars/MainToolBar/DockedTo"), "DockTop");
  Start();
  EXPECT_EQ(windows_.main->toolBarArea(windows_.main->EditToolBar()), Qt::LeftToolBarArea);
  EXPECT_EQ(windows_.main->toolBarArea(windows_.main->MainToolBar()), Qt::TopToolBarArea);
}

TEST_F(SettingsTest, HexadecimalAndBadOptionTexts) {
  Store("Options/OldCalendar", " 0x0");
  Store("Options/ShowIcons", "maybe");  // not a number: the default, shown
  Store("Options/TroparionKontakion", "$0");
  Store("Options/DailyBibleReadings", "0x1F");
  Start();
  EXPECT_EQ(Mode(), CalendarMode::New);
  EXPECT_TRUE(Item("MShowIcons")->isChecked());
  EXPECT_TRUE(Item("MDailyBibleReadings")->isChecked());
}

TEST_F(SettingsTest, AWindowLargerThanTheScreenIsSavedWithTheScreensSize) {
  Store("MainWindow/FormState", "Normal");
  Start();
  ASSERT_FALSE(windows_.main->isMaximized());
  windows_.main->setGeometry(300, 200, 3000, 2000);
  Stop();
  EXPECT_EQ(Stored("MainWindow/Left"), "0");
  EXPECT_EQ(Stored("MainWindow/Top"), "0");
  EXPECT_EQ(Stored("MainWindow/Width"), "1280");
  EXPECT_EQ(Stored("MainWindow/Height"), "800");
  EXPECT_EQ(Stored("MainWindow/FormState"), "Normal");
}

TEST_F(SettingsTest, PlacementIsRestoredAndUnknownStatesOpenNormally) {
  Store("MainWindow/Left", "0x20");
  Store("MainWindow/Top", "40");
  Store("MainWindow/Width", "900");
  Store("MainWindow/Height", "700");
  Store("MainWindow/FormState", "Sideways");
  Start();
  EXPECT_FALSE(windows_.main->isMaximized());
  EXPECT_EQ(windows_.main->geometry(), QRect(32, 40, 900, 700));
}

TEST_F(SettingsTest, DialogsAreCentredAtFirstAndKeptOnTheScreenWhenSaved) {
  Start();
  TDateBox& box = *windows_.dateBox;
  // Centred for the size it shows at, before it is first shown.
  const QSize shown = box.sizeHint();
  EXPECT_GE(shown.width(), 403);
  EXPECT_EQ(box.size(), shown);
  EXPECT_EQ(box.x(), 1280 / 2 - shown.width() / 2);
  EXPECT_EQ(box.y(), 800 / 2 - shown.height() / 2);
  box.move(1200, -50);
  const int width = box.width();  // the box is gone once the windows are closed
  Stop();
  EXPECT_EQ(Stored("DateWindow/Left").toInt(), 1280 - width);
  EXPECT_EQ(Stored("DateWindow/Top"), "0");
}

TEST_F(SettingsTest, SavedPlacesOffTheScreenOrOfImpossibleSizesOpenOnIt) {
  const struct {
    const char *left, *top, *width, *height;
  } cases[] = {{"10", "10", "2147483647", "2147483647"}, {"-100000", "-100000", "700", "500"},
               {"100000", "100000", "900", "700"}, {"0", "0", "-1", "-1"}};
  const QRect screen(0, 0, 1280, 800);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.left) + " " + c.top + " " + c.width + " " + c.height);
    for (const char* key : {"MainWindow", "DateWindow"}) {
      Store(QString(key) + "/Left", c.left);
      Store(QString(key) + "/Top", c.top);
    }
    Store("MainWindow/Width", c.width);
    Store("MainWindow/Height", c.height);
    Store("MainWindow/FormState", "Normal");
    Start();
    // Offscreen windows get a small frame of their own: the rectangle's
    // corner on the screen and its size within it (the whole frame is checked
    // under a window manager).
    for (const QWidget* window : {static_cast<QWidget*>(windows_.main.get()), static_cast<QWidget*>(windows_.dateBox)}) {
      EXPECT_TRUE(screen.contains(window->geometry().topLeft())) << window->x() << "," << window->y();
      EXPECT_LE(window->width(), screen.width());
      EXPECT_LE(window->height(), screen.height());
      EXPECT_LE(window->x() + window->width() / 2, screen.right());
      EXPECT_LE(window->y() + window->height() / 2, screen.bottom());
    }
    EXPECT_GE(windows_.main->width(), windows_.main->minimumSizeHint().width());
    Stop();
  }
}

TEST_F(SettingsTest, AMaximisedWindowSavesTheRectangleItComesBackTo) {
  // No size saved, or the -1 an earlier session wrote: the default size,
  // centred, and saved as such while maximised.
  for (const char* saved : {"", "-1"}) {
    SCOPED_TRACE(saved);
    if (*saved) {
      Store("MainWindow/Width", saved);
      Store("MainWindow/Height", saved);
    }
    Start();
    ASSERT_TRUE(windows_.main->isMaximized());
    const QSize size = DefaultMainSize(*windows_.main);
    EXPECT_GE(size.width(), 1280 * 3 / 4);
    EXPECT_GE(size.height(), 800 * 3 / 4);
    Stop();
    EXPECT_EQ(Stored("MainWindow/Width").toInt(), size.width());
    EXPECT_EQ(Stored("MainWindow/Height").toInt(), size.height());
    EXPECT_EQ(Stored("MainWindow/Left").toInt(), 640 - size.width() / 2);
    EXPECT_EQ(Stored("MainWindow/Top").toInt(), 400 - size.height() / 2);
  }
}

}  // namespace
}  // namespace kal
