// The toolbars in their docks, the bars on small screens, and help by
// context number.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QWindow>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "edit_toolbar.h"
#include "find_commands.h"
#include "find_dialog.h"
#include "help_topics.h"
#include "help_viewer.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "toolbar_docking.h"

namespace kal {
namespace {

class ToolbarHelpTest : public KalviewTest {
 protected:
  TMainForm& Main() const { return *windows_.main; }
  QToolButton* Button(const char* name) const { return Main().ToolButton(name); }
  void Dock(QToolBar* bar, Qt::ToolBarArea area) {
    Main().addToolBar(area, bar);
    bar->show();
    QCoreApplication::processEvents();
  }
  // Whether the toolbar offers the control (a narrow window may still fold
  // it into the toolbar's overflow menu).
  bool Shown(const char* name) const {
    QToolBar* bar = Main().EditToolBar();
    for (QAction* holder : bar->actions()) {
      if (bar->widgetForAction(holder) == bar->findChild<QWidget*>(name)) return holder->isVisible();
    }
    return false;
  }
};

TEST_F(ToolbarHelpTest, HintsNeedAVisibleToolbar) {
  Start();
  const struct {
    const char* item;
    bool hintsEnabled;
  } steps[] = {{"MShowMainToolBar", true}, {"MShowEditToolBar", false}, {"MShowEditToolBar", true},
               {"MShowMainToolBar", true}};
  for (const auto& step : steps) {
    Item(step.item)->trigger();
    EXPECT_EQ(Item("MShowHints")->isEnabled(), step.hintsEnabled) << step.item;
  }
  EXPECT_TRUE(Main().MainToolBar()->isVisible());
  EXPECT_TRUE(Main().EditToolBar()->isVisible());
  Item("MShowHints")->trigger();
  EXPECT_FALSE(Item("MShowHints")->isChecked());
}

TEST_F(ToolbarHelpTest, TheMainToolbarTurnsNarrowInASideDock) {
  Start();
  QToolBar* bar = Main().MainToolBar();
  EXPECT_EQ(Button("MTBFindSaint")->width(), 152);  // as built, until the toolbar first moves
  for (Qt::ToolBarArea side : {Qt::LeftToolBarArea, Qt::RightToolBarArea}) {
    Dock(bar, side);
    EXPECT_EQ(Button("MTBKalendra")->text(), "M");
    EXPECT_EQ(Button("MTBBibleReadings")->text(), "B");
    EXPECT_EQ(Button("MTBLivesSaints")->text(), "L");
    EXPECT_EQ(Button("MTBEndBibleSearch")->text(), "E");
    for (const char* name : {"MTBKalendra", "MTBBibleReadings", "MTBEndBibleSearch", "MTBFindSaint"}) {
      EXPECT_EQ(Button(name)->width(), 28) << name;
    }
    EXPECT_EQ(Button("MTBFindSaint")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_FALSE(Button("MTBFindSaint")->icon().isNull());

    Dock(bar, Qt::BottomToolBarArea);
    EXPECT_EQ(Button("MTBKalendra")->text(), "Kalendra");
    EXPECT_EQ(Button("MTBBibleReadings")->text(), "Bible Readings");
    EXPECT_EQ(Button("MTBEndBibleSearch")->text(), "End Bible Search");
    EXPECT_EQ(Button("MTBKalendra")->width(), 120);
    EXPECT_EQ(Button("MTBFindSaint")->width(), 150);
    EXPECT_EQ(Button("MTBEndBibleSearch")->maximumWidth(), 150);
    EXPECT_EQ(Button("MTBFindSaint")->toolButtonStyle(), Qt::ToolButtonTextOnly);
  }
  // The view buttons keep working narrow.
  Dock(bar, Qt::LeftToolBarArea);
  Button("MTBBibleReadings")->click();
  EXPECT_TRUE(Item("MDailyBibleReadings")->isChecked());
  EXPECT_EQ(Button("MTBFindSaint")->text(), "Find Bible Verses...");
}

TEST_F(ToolbarHelpTest, TheEditToolbarSwapsItsBoxesForTheFontButtonAtTheSides) {
  Start();
  QToolBar* bar = Main().EditToolBar();
  EXPECT_FALSE(Shown("ETBFontButton"));
  const struct {
    Qt::ToolBarArea area;
    bool side;
  } docks[] = {{Qt::RightToolBarArea, true}, {Qt::TopToolBarArea, false}, {Qt::LeftToolBarArea, true},
               {Qt::BottomToolBarArea, false}};
  for (const auto& dock : docks) {
    // The page's modified flag comes through the change either way.
    const bool modified = dock.side;
    Editor()->document()->setModified(modified);
    Dock(bar, dock.area);
    for (const char* box : {"ETBFontName", "ETBFontSize", "ETBFontColor"}) {
      EXPECT_EQ(Shown(box), !dock.side) << box << " " << dock.area;
    }
    EXPECT_EQ(Shown("ETBFontButton"), dock.side) << dock.area;
    EXPECT_EQ(Editor()->document()->isModified(), modified);
    if (dock.side) {
      // The button opens the font dialog.
      int asked = 0;
      EditCommands::Of(Main())->chooseFont = [&](const FontChoice&) {
        ++asked;
        return std::optional<FontChoice>();
      };
      Button("ETBFontButton")->click();
      EXPECT_EQ(asked, 1);
    }
  }
}

TEST_F(ToolbarHelpTest, ADockedToolbarGoesToTheStartOfItsRow) {
  Start();
  QToolBar* main = Main().MainToolBar();
  QToolBar* edit = Main().EditToolBar();
  // Dropped at the end of the edit toolbar's row (the toolbar says it is
  // docked again, as after a drag)...
  Main().addToolBar(Qt::TopToolBarArea, main);
  main->show();
  emit main->topLevelChanged(false);
  QTest::qWait(50);
  // ...it stands first in that row.
  EXPECT_EQ(main->y(), edit->y());
  EXPECT_LT(main->x(), edit->x());
  Dock(edit, Qt::LeftToolBarArea);
  for (QToolBar* bar : {main, edit}) {
    Dock(bar, Qt::LeftToolBarArea);
    emit bar->topLevelChanged(false);
    QTest::qWait(50);
    EXPECT_EQ(main->x(), edit->x());
    EXPECT_LT(bar->y(), (bar == main ? edit : main)->y()) << bar->objectName().toStdString();
  }
}

TEST_F(ToolbarHelpTest, ToolbarsRestoredInSideDocksStartInTheirSideShape) {
  for (const char* bar : {"MainToolBar", "EditToolBar"}) {
    const QString group = QString("Toolbars/") + bar + "/";
    Store(group + "DockedTo", bar[0] == 'M' ? "DockLeft" : "DockRight");
    Store(group + "DockRow", "0");
    Store(group + "DockPos", "0");
    Store(group + "Visible", "1");
  }
  Start();
  ASSERT_EQ(Main().toolBarArea(Main().MainToolBar()), Qt::LeftToolBarArea);
  EXPECT_EQ(Button("MTBKalendra")->text(), "M");
  EXPECT_EQ(Button("MTBFindSaint")->toolButtonStyle(), Qt::ToolButtonIconOnly);
  EXPECT_TRUE(Shown("ETBFontButton"));
  EXPECT_FALSE(Shown("ETBFontSize"));
}

TEST_F(ToolbarHelpTest, BarsShrinkOnceBelow540PixelsAndGrowBackAbove) {
  screen_.size = QSize(640, 480);
  Start();
  ToolbarDocking* docking = ToolbarDocking::Of(Main());
  QLabel* dateBar = Main().DateBar();
  QLabel* infoBar = Main().InfoBar();
  EXPECT_TRUE(docking->BarsScaled());
  EXPECT_EQ(dateBar->height(), 25);  // 28 * 36 / 40
  EXPECT_EQ(dateBar->font().pixelSize(), 21);
  EXPECT_EQ(infoBar->height(), 22);
  EXPECT_EQ(Main().EditToolBar()->findChild<QComboBox*>("ETBFontName")->width(), 181);
  const struct {
    int height;
    int dateBarHeight;
  } changes[] = {{500, 25}, {479, 25}, {540, 28}, {800, 28}, {539, 25}, {1024, 28}};
  for (const auto& change : changes) {
    screen_.size = QSize(1280, change.height);
    docking->ScreenSizeChanged();
    EXPECT_EQ(dateBar->height(), change.dateBarHeight) << change.height;
  }
  EXPECT_EQ(dateBar->font().pixelSize(), 23);
  EXPECT_EQ(infoBar->height(), 24);
  EXPECT_EQ(Main().EditToolBar()->findChild<QComboBox*>("ETBFontName")->width(), 201);
  EXPECT_EQ(Button("MTBKalendra")->width(), 120);
}

TEST_F(ToolbarHelpTest, ALargeScreenLeavesTheBarsAlone) {
  Start();
  EXPECT_FALSE(ToolbarDocking::Of(Main())->BarsScaled());
  EXPECT_EQ(Main().DateBar()->height(), 28);
}

TEST_F(ToolbarHelpTest, HelpRequestsAreRoutedByContext) {
  const struct {
    int context, topic;
    bool ref;
  } cases[] = {{0, 240, true},    {113, 113, false}, {73, 73, false},   {143, 143, false}, {183, 183, false},
               {198, 198, false}, {223, 223, false}, {75, 75, true},    {262, 262, true},  {240, 240, true}};
  for (const auto& c : cases) {
    const HelpRoute route = RouteHelp(c.context);
    EXPECT_EQ(route.topic, c.topic) << c.context;
    EXPECT_EQ(route.refWindow, c.ref) << c.context;
    EXPECT_EQ(route.file, c.ref ? QDir::current().absoluteFilePath("KALVIEW.HLP") + ">REF" : "KALVIEW.HLP");
  }
}

TEST_F(ToolbarHelpTest, TheHelpWindowsShowTopicsAndCloseWithTheProgram) {
  Start();
  HelpSystem* help = HelpSystem::Current();
  ASSERT_NE(help, nullptr);
  help->ShowContext(0);
  ASSERT_NE(help->RefWindow(), nullptr);
  EXPECT_TRUE(help->RefWindow()->isVisible());
  EXPECT_EQ(help->ShownTopic(true), "240");
  EXPECT_EQ(help->MainWindow(), nullptr);

  help->ShowContext(113);
  ASSERT_NE(help->MainWindow(), nullptr);
  EXPECT_EQ(help->ShownTopic(false), "113");
  EXPECT_TRUE(help->MainWindow()->findChild<QTextBrowser*>("HelpText")->toPlainText().contains("Edit"));

  Item("MHelpTopics")->trigger();
  EXPECT_EQ(help->ShownTopic(false), "contents");
  Item("MHowtoUseHelp")->trigger();
  EXPECT_EQ(help->ShownTopic(false), "help-on-help");
  Button("MTBHelpTopics")->click();
  EXPECT_EQ(help->ShownTopic(false), "contents");

  // F1 asks about what has the focus: a font box, the page.
  QComboBox* size = Main().EditToolBar()->findChild<QComboBox*>("ETBFontSize");
  Main().activateWindow();
  size->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_EQ(help->ShownTopic(true), "70");
  Editor()->setFocus();
  QTest::keyClick(Editor(), Qt::Key_F1);
  EXPECT_EQ(help->ShownTopic(true), "240");
  // In an open menu: the highlighted item, or the menu itself.
  QMenu* file = Main().menuBar()->findChild<QMenu*>("MFile");
  ASSERT_NE(file, nullptr);
  file->popup(QPoint(10, 10));
  file->setActiveAction(Item("MNextDay"));
  QTest::keyClick(file, Qt::Key_F1);
  EXPECT_EQ(help->ShownTopic(true), "90");
  file->setActiveAction(nullptr);
  QTest::keyClick(file, Qt::Key_F1);
  EXPECT_EQ(help->ShownTopic(false), "73");
  file->hide();
  // A dialog's Help button.
  FindCommands::Of(Main())->PageDialog()->findChild<QWidget*>("Help")->setFocus();
  static_cast<QAbstractButton*>(FindCommands::Of(Main())->PageDialog()->findChild<QWidget*>("Help"))->click();
  EXPECT_EQ(help->ShownTopic(true), "270");

  Stop();
  EXPECT_EQ(HelpSystem::Current(), nullptr);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    EXPECT_NE(window->objectName(), "HelpWindow");
    EXPECT_NE(window->objectName(), "HelpRefWindow");
  }
}

// The first link of a help window's page, clicked as a person would.
bool ClickFirstLink(QTextBrowser& browser) {
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().isAnchor()) {
        QTextCursor cursor(browser.document());
        cursor.setPosition(it.fragment().position() + 1);
        const QPoint at = browser.cursorRect(cursor).center();
        QTest::mouseClick(browser.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return true;
      }
  return false;
}

// The small help window opens beside the window that asked, never over
// the main window's menus; from a modal dialog its links still answer.
TEST_F(ToolbarHelpTest, TheSmallHelpWindowOpensBesideItsDialogAndAnswersThere) {
  Start();
  HelpSystem* help = HelpSystem::Current();
  ASSERT_NE(help, nullptr);
  Main().setGeometry(QRect(QPoint(0, 0), Main().screen()->availableGeometry().size() - QSize(40, 40)));
  QDialog dialog(&Main());
  dialog.setObjectName("AskingDialog");
  dialog.resize(300, 200);
  dialog.move(60, 80);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  RequestHelp(262);  // as the Bible search's Help button asks
  QWidget* ref = help->RefWindow();
  ASSERT_NE(ref, nullptr);
  ASSERT_TRUE(ref->isVisible());
  EXPECT_EQ(help->ShownTopic(true), "262");
  const QRect menus(Main().menuBar()->mapToGlobal(QPoint(0, 0)), Main().menuBar()->size());
  EXPECT_FALSE(ref->frameGeometry().intersects(menus)) << "over the menus";
  EXPECT_FALSE(ref->frameGeometry().intersects(dialog.frameGeometry())) << "over the dialog";
  EXPECT_NE(ref->frameGeometry().topLeft(), QPoint(0, 0));

  // A modal dialog blocks every window that is not its own (or its
  // transient); the help window must be one of its windows.
  ASSERT_NE(ref->windowHandle(), nullptr);
  EXPECT_TRUE(dialog.windowHandle()->isAncestorOf(ref->windowHandle(), QWindow::IncludeTransients));
  auto* text = ref->findChild<QTextBrowser*>("HelpRefText");
  ASSERT_NE(text, nullptr);
  ASSERT_TRUE(ClickFirstLink(*text));
  EXPECT_NE(help->ShownTopic(true), "262") << "the link did not answer while the dialog ran";

  // When the dialog ends, the help window stays and outlives it.
  dialog.hide();
  EXPECT_TRUE(ref->isVisible());
  EXPECT_EQ(ref->parentWidget(), nullptr);
}

TEST_F(ToolbarHelpTest, EveryContextTheProgramUsesHasATopic) {
  Start();
  QSet<int> contexts;
  for (QObject* object : Main().findChildren<QObject*>()) {
    if (const int context = object->property("helpContext").toInt()) contexts << context;
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (const int context = window->property("helpContext").toInt()) contexts << context;
  }
  // Dialogs made only when their command runs, and the routing's own.
  for (int context : {60, 235, 240, 245, 250, 255, 260, 262, 265, 270, 275}) contexts << context;
  EXPECT_GE(contexts.size(), 60);
  const HelpTopics& topics = HelpTopics::Program();
  for (int context : contexts) {
    const HelpTopic* topic = topics.Find(context);
    ASSERT_NE(topic, nullptr) << context;
    EXPECT_GT(topic->plain.size(), topic->title.size() + 80) << context << " is too short to help";
  }
  for (const char* page : {"contents", "help-on-help"}) EXPECT_NE(topics.Find(QString(page)), nullptr) << page;
  EXPECT_EQ(topics.BrokenLinks(), QStringList());
  EXPECT_FALSE(topics.FindWords("old calendar").isEmpty());
  EXPECT_TRUE(topics.ContentsHtml().contains("href=\"topic:75\""));
}

// Each help file opens with a comment for its writers; it belongs to no
// page, least of all to the last page of the file before.
TEST(HelpTopicsTest, AFilesOpeningCommentEndsNoTopic) {
  HelpTopics topics;
  topics.Parse("@file a.txt\nAbout a.\n@book A\n== 1 One\nThe end of one.\n"
               "@file b.txt\nAbout b, for writers.\n\n@book B\n== 2 Two\nText of two.\n");
  ASSERT_EQ(topics.All().size(), 2);
  EXPECT_FALSE(topics.Find(1)->plain.contains("About b")) << topics.Find(1)->plain.toStdString();
  EXPECT_FALSE(topics.Find(1)->html.contains("About b"));
  EXPECT_FALSE(topics.Find(2)->plain.contains("About"));
  // The program's own files: no page carries another file's opening words.
  for (const HelpTopic& topic : HelpTopics::Program().All()) {
    EXPECT_FALSE(topic.plain.contains("Topics of the")) << topic.id.toStdString();
    EXPECT_FALSE(topic.plain.contains("Topics about the")) << topic.id.toStdString();
  }
}

TEST(HelpTopicsTest, SourcesBecomePages) {
  HelpTopics topics;
  topics.Parse("A comment before the first book.\n@book Menus\n== 7 The *File* menu\nFirst line\njoined.\n\n"
               "- one [[8]]\n- two [[9|the dialog]]\n\n== 8 Open & close\nText <here>.\n");
  ASSERT_EQ(topics.All().size(), 2);
  const HelpTopic* file = topics.Find(7);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->book, "Menus");
  EXPECT_EQ(file->title, "The *File* menu");
  EXPECT_TRUE(file->html.contains("<p>First line joined.</p>"));
  EXPECT_TRUE(file->html.contains("<li>one <a href=\"topic:8\">Open &amp; close</a></li>"));
  EXPECT_TRUE(file->html.contains("<a href=\"topic:9\">the dialog</a>"));
  EXPECT_TRUE(topics.Find(8)->html.contains("Text &lt;here&gt;."));
  EXPECT_EQ(topics.BrokenLinks(), QStringList{"7 -> 9"});
  EXPECT_EQ(topics.FindWords("joined ONE").size(), 1);
}

}  // namespace
}  // namespace kal

namespace kal {
namespace {

TEST_F(ToolbarHelpTest, ToolbarGlyphsHaveTwiceThePixelsOnAHighDensityScreen) {
  Start();
  for (const char* name : {"MTBSelectDate", "MTBSave", "MTBFindSaint", "ETBUndo"}) {
    SCOPED_TRACE(name);
    const QIcon glyph = windows_.main->ToolButton(name)->icon();
    ASSERT_FALSE(glyph.isNull());
    const QPixmap normal = glyph.pixmap(QSize(16, 16), 1.0);
    const QPixmap dense = glyph.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(normal.size(), QSize(16, 16));
    EXPECT_EQ(dense.size(), QSize(32, 32)) << "drawn at twice the size, not stretched from 16 pixels";
    EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(16, 16));
  }
}

}  // namespace
}  // namespace kal
