// The main window as a person meets it: first start, its menus and
// toolbars, the view switch and the leave-page question.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QStatusTipEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "icon_panel.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "splash_screen.h"

namespace kal {
namespace {

class MainWindowTest : public KalviewTest {};

TEST_F(MainWindowTest, FirstStartWithAnEmptyStore) {
  Start(QDate(2021, 1, 7));
  TMainForm& main = *windows_.main;
  EXPECT_TRUE(main.isMaximized());
  EXPECT_TRUE(Item("MOldCalendar")->isChecked());
  EXPECT_FALSE(Item("MNewCalendar")->isChecked());
  EXPECT_TRUE(Item("MTroparionKontakion")->isChecked());
  EXPECT_FALSE(Item("MDailyBibleReadings")->isChecked());
  EXPECT_TRUE(main.ToolButton("MTBKalendra")->isChecked());
  EXPECT_TRUE(Item("MShowIcons")->isChecked());
  EXPECT_GT(main.Icons()->PanelWidth(), 0);
  EXPECT_TRUE(main.MainToolBar()->isVisible());
  EXPECT_TRUE(main.EditToolBar()->isVisible());
  EXPECT_TRUE(Item("MShowHints")->isChecked());
  EXPECT_EQ(main.windowTitle(), "Kalendra - Old Calendar");
  EXPECT_EQ(TMainForm::ApplicationTitle(), "Kalendra - Old Calendar");
  // Civil 7 January 2021 is Julian 25 December 2020.
  EXPECT_EQ(ShownDate(), (YearMonthDay{2020, 12, 25}));
  EXPECT_EQ(main.StatusPanel(0)->text(), "Today's Date: January 7, 2021");
  EXPECT_EQ(StatusText(), "Viewing troparia and kontakia for December 25/January 7");
  EXPECT_FALSE(Editor()->toPlainText().isEmpty());
  EXPECT_FALSE(Editor()->document()->isModified());
  EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(MainWindowTest, TodayOutsideTheOldCalendarRangeIsHeldAtItsEnds) {
  const struct {
    QDate today;
    YearMonthDay shown;
  } cases[] = {{QDate(1850, 6, 1), {1900, 3, 1}}, {QDate(2150, 6, 1), {2084, 2, 28}}};
  for (const auto& c : cases) {
    Start(c.today);
    EXPECT_EQ(ShownDate(), c.shown) << c.today.toString().toStdString();
    Stop();
  }
}

TEST_F(MainWindowTest, FileMenuOrderSeparatorsAndShortcuts) {
  Start();
  auto* file = windows_.main->menuBar()->findChild<QMenu*>("MFile");
  ASSERT_NE(file, nullptr);
  QStringList names;
  for (QAction* item : file->actions()) names << (item->isSeparator() ? QString("-") : item->objectName());
  EXPECT_EQ(names.join(' '), "MSelectDate MGoToDate MPreviousDay MNextDay - MSave MSaveAs - MDeleteFile - MPrint "
                             "MPrintRange - MExportCalendar - MExit");
  const struct {
    const char* item;
    QKeySequence shortcut;
  } keys[] = {{"MSelectDate", Qt::Key_F5}, {"MPreviousDay", Qt::Key_F6},
              {"MNextDay", Qt::Key_F7},    {"MSave", Qt::CTRL | Qt::Key_S},
              {"MDeleteFile", Qt::CTRL | Qt::Key_D}, {"MTroparionKontakion", Qt::Key_F8},
              {"MDailyBibleReadings", Qt::Key_F9}, {"MShowVerseNumbers", Qt::Key_F11},
              {"NextIcon", Qt::Key_F12},   {"MFindSaint", Qt::Key_F4}};
  for (const auto& key : keys) EXPECT_EQ(Item(key.item)->shortcut(), key.shortcut) << key.item;
  // Start states.
  EXPECT_FALSE(Item("MUndo")->isEnabled());
  EXPECT_FALSE(Item("MFindNext")->isEnabled());
  EXPECT_FALSE(Item("MEndBibleSearch")->isVisible());
  EXPECT_FALSE(Item("MLivesSaints")->isVisible());
  EXPECT_FALSE(Item("MShowVerseNumbers")->isEnabled());
  EXPECT_EQ(Item("MGoToDate")->property("helpContext").toInt(), 80);
}

TEST_F(MainWindowTest, EveryNamedControlExists) {
  Start();
  TMainForm& main = *windows_.main;
  for (const char* name : {"DateBar", "InfoBar", "CenterPanel", "MainImage", "StatusPanel0", "StatusPanel1"}) {
    EXPECT_NE(main.findChild<QLabel*>(name), nullptr) << name;
  }
  for (const char* name : {"ContainerPanel", "BottomPanel", "MainRichEdit", "ShowNextIcon", "MainToolBar",
                           "EditToolBar", "StatusBar", "ETBFontName", "ETBFontSize", "ETBFontColor",
                           "MainRichEditPopupMenu", "PUBullets"}) {
    EXPECT_NE(main.findChild<QObject*>(name), nullptr) << name;
  }
  for (const char* name : {"MTBSelectDate", "MTBPreviousDay", "MTBNextDay", "MTBSave", "MTBKalendra",
                           "MTBBibleReadings", "MTBLivesSaints", "MTBEndBibleSearch", "MTBFindSaint", "MTBHelpTopics",
                           "ETBUndo", "ETBCut", "ETBCopy", "ETBPaste", "ETBFontButton", "ETBBold", "ETBItalic",
                           "ETBUnderline", "ETBLeftAlign", "ETBCenterAlign", "ETBRightAlign", "ETBBullets"}) {
    EXPECT_NE(main.ToolButton(name), nullptr) << name;
  }
  EXPECT_EQ(main.ToolButton("MTBNextDay")->toolTip(), "Next Day");
  EXPECT_EQ(main.ToolButton("MTBNextDay")->statusTip(), "Selects the readings for the next day");
  EXPECT_EQ(Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(Editor()->font().family(), "Times New Roman");
  EXPECT_EQ(Editor()->font().pixelSize(), 18);
}

TEST_F(MainWindowTest, ViewSwitchByKeysChangesFindAndVerseNumbers) {
  Start();
  TMainForm& main = *windows_.main;
  Press(Qt::Key_F9);
  EXPECT_TRUE(Item("MDailyBibleReadings")->isChecked());
  EXPECT_FALSE(Item("MTroparionKontakion")->isChecked());
  EXPECT_TRUE(main.ToolButton("MTBBibleReadings")->isChecked());
  EXPECT_FALSE(main.ToolButton("MTBKalendra")->isChecked());
  EXPECT_EQ(Item("MFindSaint")->text(), "Find &Bible Verses...");
  EXPECT_EQ(Item("MFindSaint")->statusTip(), "Finds the specified bible verses, and displays them in the editor window");
  EXPECT_EQ(main.ToolButton("MTBFindSaint")->text(), "Find Bible Verses...");
  EXPECT_EQ(main.ToolButton("MTBFindSaint")->toolTip(), "Finds the specified bible verses");
  EXPECT_TRUE(Item("MShowVerseNumbers")->isEnabled());
  EXPECT_EQ(StatusText(), "Viewing bible verses for December 25/January 7");
  EXPECT_TRUE(windows_.main->PersonalFileName.endsWith("/12-25.BBL"));

  Press(Qt::Key_F8);
  EXPECT_TRUE(Item("MTroparionKontakion")->isChecked());
  EXPECT_TRUE(main.ToolButton("MTBKalendra")->isChecked());
  EXPECT_EQ(Item("MFindSaint")->text(), "Find &Saint...");
  EXPECT_EQ(main.ToolButton("MTBFindSaint")->text(), "Find Saint...");
  EXPECT_EQ(main.ToolButton("MTBFindSaint")->statusTip(), "Finds the specified saint, and goes to that page");
  EXPECT_FALSE(Item("MShowVerseNumbers")->isEnabled());
  EXPECT_TRUE(windows_.main->PersonalFileName.endsWith("/12-25.TRP"));
}

TEST_F(MainWindowTest, CancelWhenLeavingAnEditedPageKeepsViewDateAndButtons) {
  Start();
  TMainForm& main = *windows_.main;
  const YearMonthDay before = ShownDate();
  Editor()->moveCursor(QTextCursor::End);
  Editor()->insertPlainText(" My own note.");
  const QString edited = Editor()->toPlainText();
  ASSERT_TRUE(Editor()->document()->isModified());

  // The view button (pressed down by its group before the question).
  prompt_.answers = {PromptAnswer::Cancel};
  main.ToolButton("MTBBibleReadings")->click();
  // A date command and a calendar switch.
  prompt_.answers = {PromptAnswer::Cancel};
  Press(Qt::Key_F7);
  prompt_.answers = {PromptAnswer::Cancel};
  Item("MNewCalendar")->trigger();

  ASSERT_EQ(prompt_.asked.size(), 3u);
  for (const AskedQuestion& question : prompt_.asked) {
    EXPECT_EQ(question.text, "Text has changed. Create new personalized file?");
    EXPECT_EQ(question.buttons, PromptButtons::YesNoCancel);
  }
  EXPECT_TRUE(Item("MTroparionKontakion")->isChecked());
  EXPECT_TRUE(main.ToolButton("MTBKalendra")->isChecked());
  EXPECT_FALSE(main.ToolButton("MTBBibleReadings")->isChecked());
  EXPECT_TRUE(Item("MOldCalendar")->isChecked());
  EXPECT_FALSE(Item("MNewCalendar")->isChecked());
  EXPECT_EQ(ShownDate(), before);
  EXPECT_EQ(Editor()->toPlainText(), edited);
  EXPECT_TRUE(Editor()->document()->isModified());
}

TEST_F(MainWindowTest, CloseIsRefusedOnCancelAndAllowedOnNo) {
  Start();
  Editor()->insertPlainText("changed ");
  prompt_.answers = {PromptAnswer::Cancel};
  EXPECT_FALSE(windows_.main->close());
  EXPECT_TRUE(windows_.main->isVisible());
  prompt_.answers = {PromptAnswer::No};
  EXPECT_TRUE(windows_.main->close());
  EXPECT_FALSE(QFile::exists(CopyPath("12-25.TRP")));
}

TEST_F(MainWindowTest, HintsGoToTheStatusBarAndGiveWayToTheStatusText) {
  Start();
  QStatusTipEvent hint("Selects the readings for the next day");
  QCoreApplication::sendEvent(windows_.main.get(), &hint);
  EXPECT_EQ(StatusText(), "Selects the readings for the next day");
  QStatusTipEvent none{QString()};
  QCoreApplication::sendEvent(windows_.main.get(), &none);
  EXPECT_EQ(StatusText(), windows_.main->StatusText);
}

TEST_F(MainWindowTest, BibleSearchModeDisablesDateCommandsAndComesBack) {
  Start();
  TMainForm& main = *windows_.main;
  const QString info = InfoBarText();
  main.EnterBibleSearchMode();
  EXPECT_EQ(InfoBarText(), "Bible Search");
  EXPECT_FALSE(main.DateBar()->isVisible());
  EXPECT_FALSE(Item("MNextDay")->isEnabled());
  EXPECT_TRUE(Item("MEndBibleSearch")->isVisible());
  EXPECT_EQ(main.Icons()->PanelWidth(), 0);
  EXPECT_EQ(StatusText(), "Viewing bible verses in bible search mode");
  Press(Qt::Key_E, Qt::ControlModifier);  // End Bible Search
  EXPECT_FALSE(main.InBibleSearchMode());
  EXPECT_EQ(InfoBarText(), info);
  EXPECT_TRUE(Item("MNextDay")->isEnabled());
  EXPECT_GT(main.Icons()->PanelWidth(), 0);
}

TEST(SplashScreenTest, ShowsTheDecodedPictureForThreeSeconds) {
  TSplashScreen splash;
  EXPECT_TRUE(splash.TimerEnabled());
  ASSERT_NE(splash.Image(), nullptr);
  const QPixmap picture = splash.Image()->pixmap();
  EXPECT_EQ(picture.size(), QSize(371, 450));
}

}  // namespace
}  // namespace kal
