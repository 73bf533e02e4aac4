// Find on This Page, Find Next and Find Saint, with the optional verse
// library of the program's folder.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QCoreApplication>
#include <QToolButton>
#include <QFile>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>

#include "find_commands.h"
#include "find_dialog.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "modal_runner.h"

namespace kal {
namespace {

class FindTest : public KalviewTest {
 protected:
  FindCommands& Find() const { return *FindCommands::Of(*windows_.main); }
  void Page(const QString& text, int caret) {
    Editor()->setPlainText(text);
    Editor()->document()->setModified(false);
    QTextCursor cursor = Editor()->textCursor();
    cursor.setPosition(caret);
    Editor()->setTextCursor(cursor);
  }
  std::pair<int, int> Selection() const {
    const QTextCursor cursor = Editor()->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
  }
  void SaintSearch(const QString& text) {
    Find().SaintDialog()->SetText(text);
    emit Find().SaintDialog()->FindRequested();
  }
  void UseNewCalendar() { Store("Options/OldCalendar", "0"); }
};

TEST_F(FindTest, TheFindDialogOpensMidScreenAndKeepsItsText) {
  screen_.size = QSize(1024, 768);
  Start();
  EXPECT_FALSE(Item("MFindNext")->isEnabled());
  Item("MFind")->trigger();
  FindDialog* dialog = Find().PageDialog();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->pos(), QPoint(1024 / 2 - 250, 768 / 2 - 50));
  EXPECT_FALSE(Item("MFindNext")->isEnabled());  // nothing to repeat yet
  EXPECT_EQ(dialog->property("helpContext").toInt(), 270);
  EXPECT_TRUE(dialog->findChild<QRadioButton*>("Down")->isChecked());
  dialog->SetText("Glory");
  dialog->close();
  Item("MFind")->trigger();
  EXPECT_EQ(dialog->Text(), "Glory");
  EXPECT_TRUE(Item("MFindNext")->isEnabled());
}

TEST_F(FindTest, DirectionWholeWordAndCaseOnThePage) {
  Start();
  const QString page = "Holy Basil, pray for us. Basil the Great. basilica";
  const struct {
    const char* what;
    int caret;
    SearchOptions options;
    const char* text;
    std::optional<std::pair<int, int>> selected;
  } cases[] = {
      {"down from the start", 0, {true, false, false}, "basil", std::pair{5, 5}},
      {"down from the end finds nothing earlier", 50, {true, false, false}, "Basil", std::nullopt},
      {"up from the end", 50, {false, false, false}, "Basil", std::pair{42, 5}},
      {"up, match case", 50, {false, true, false}, "Basil", std::pair{25, 5}},
      {"whole word skips basilica going up", 50, {false, false, true}, "basil", std::pair{25, 5}},
      {"whole word does not find the word at the caret", 25, {true, false, true}, "Basil", std::nullopt},
      {"without whole word it does", 25, {true, false, false}, "Basil", std::pair{25, 5}},
  };
  for (const auto& c : cases) {
    Page(page, c.caret);
    prompt_.asked.clear();
    Find().PageDialog()->SetText(c.text);
    Find().PageDialog()->SetOptions(c.options);
    emit Find().PageDialog()->FindRequested();
    if (c.selected) {
      EXPECT_EQ(Selection(), *c.selected) << c.what;
      EXPECT_TRUE(prompt_.asked.empty()) << c.what;
    } else {
      ASSERT_EQ(prompt_.asked.size(), 1u) << c.what;
      EXPECT_EQ(prompt_.asked[0].text, QString("Cannot find \"%1\".").arg(c.text)) << c.what;
      EXPECT_EQ(Selection(), std::pair(c.caret, 0)) << c.what;
    }
  }
}

TEST_F(FindTest, FindNextRepeatsTheSearchWithoutTheDialog) {
  Start();
  Page("Basil, Basil and Basil", 0);
  Find().PageDialog()->SetText("basil");
  Find().PageDialog()->SetOptions({true, false, false});
  emit Find().PageDialog()->FindRequested();
  EXPECT_TRUE(Item("MFindNext")->isEnabled());
  Press(Qt::Key_F3);
  EXPECT_EQ(Selection(), std::pair(7, 5));
  Item("MFindNext")->trigger();
  EXPECT_EQ(Selection(), std::pair(17, 5));
  EXPECT_FALSE(Find().PageDialog()->isVisible());
  Item("MFindNext")->trigger();
  EXPECT_EQ(prompt_.Texts(), QStringList{"Cannot find \"basil\"."});
}

TEST(PlaceOffMatch, MovesAboveOrElseBelowWithinTheScreen) {
  const QRect area(0, 0, 1000, 700);
  const QRect frame(300, 300, 400, 150);
  // Clear of the match: it stays.
  EXPECT_EQ(PlaceOffMatch(frame, QRect(100, 100, 50, 20), area), QPoint(300, 300));
  // Over the match with room above: just above it.
  EXPECT_EQ(PlaceOffMatch(frame, QRect(350, 350, 60, 20), area), QPoint(300, 350 - 8 - 150));
  // No room above: just below it.
  EXPECT_EQ(PlaceOffMatch(QRect(300, 50, 400, 150), QRect(350, 100, 60, 20), area), QPoint(300, 100 + 20 + 8));
  // Never off the screen's right edge.
  EXPECT_EQ(PlaceOffMatch(QRect(800, 300, 400, 150), QRect(850, 350, 60, 20), area).x(), 600);
}

// The Find dialog that covered its match moves aside, as word processors do.
TEST_F(FindTest, TheFindDialogLeavesTheMatchInSight) {
  Start();
  Page("Basil the Great, archbishop of Caesarea", 0);
  FindDialog& dialog = *Find().PageDialog();
  const QRect word = Editor()->cursorRect(Editor()->textCursor());
  dialog.ShowAt(Editor()->viewport()->mapToGlobal(word.topLeft()) - QPoint(20, 20));
  QCoreApplication::processEvents();
  dialog.SetText("basil");
  emit dialog.FindRequested();
  ASSERT_EQ(Selection(), std::pair(0, 5));
  QTextCursor start = Editor()->textCursor();
  start.setPosition(0);
  QTextCursor end = start;
  end.setPosition(5);
  const QRect match = Editor()->cursorRect(start).united(Editor()->cursorRect(end));
  const QRect global(Editor()->viewport()->mapToGlobal(match.topLeft()), match.size());
  EXPECT_FALSE(dialog.frameGeometry().intersects(global))
      << "dialog at " << dialog.frameGeometry().y() << ", match at " << global.y();
}

TEST_F(FindTest, FindSaintOpensAnEmptyDialogMidScreen) {
  Start();
  Find().SaintDialog()->SetText("Nicholas");
  Press(Qt::Key_F4);
  FindDialog* dialog = Find().SaintDialog();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->Text(), "");
  EXPECT_EQ(dialog->pos(), QPoint(1280 / 2 - 250, 800 / 2 - 50));
  EXPECT_FALSE(dialog->findChild<QCheckBox*>("MatchCase")->isVisible());
  EXPECT_FALSE(dialog->findChild<QCheckBox*>("WholeWord")->isVisible());
  EXPECT_EQ(dialog->property("helpContext").toInt(), 275);
}

TEST_F(FindTest, FindSaintAcrossTheYearsEndStaysInTheYear) {
  // New Calendar from 31 December 2021; Old Calendar from Julian 31
  // December 2021 (civil 13 January 2022).
  const struct {
    bool old;
    QDate today;
    YearMonthDay shown;
  } cases[] = {{false, QDate(2021, 12, 31), {2021, 1, 1}}, {true, QDate(2022, 1, 13), {2021, 1, 1}}};
  for (const auto& c : cases) {
    Store("Options/OldCalendar", c.old ? "1" : "0");
    Start(c.today);
    ASSERT_EQ(ShownDate(), (YearMonthDay{2021, 12, 31}));
    SaintSearch("Circumcision");
    EXPECT_EQ(ShownDate(), c.shown) << c.old;
    EXPECT_TRUE(Editor()->toPlainText().contains("BASIL", Qt::CaseInsensitive)) << c.old;
    EXPECT_TRUE(prompt_.asked.empty());
    // Each press walks on to the next day of the name, round the year.
    SaintSearch("Circumcision");
    EXPECT_EQ(ShownDate(), c.shown) << "the only day of the feast";
    Stop();
  }
}

TEST_F(FindTest, FindSaintFallsBackToThePage) {
  UseNewCalendar();
  Start(QDate(2021, 6, 1));
  const YearMonthDay day = ShownDate();
  Page("A note of my own: zqxwvy is written here.", 0);
  SaintSearch("ZQXWVY");
  EXPECT_EQ(ShownDate(), day);
  EXPECT_EQ(Selection(), std::pair(18, 6));
  EXPECT_TRUE(prompt_.asked.empty());

  // An empty text: the table gives nothing, nor does the page.
  SaintSearch("");
  EXPECT_EQ(ShownDate(), day);
  EXPECT_EQ(prompt_.Texts(), QStringList{"Cannot find \"\"."});
}

TEST_F(FindTest, TheVerseLibraryIsUsedOnlyWhenItIsThere) {
  UseNewCalendar();
  Start(QDate(2021, 6, 1));
  Item("MDailyBibleReadings")->trigger();
  ASSERT_TRUE(windows_.main->ReadingsView());

  // No library: the page of the day is loaded again, and nothing is said.
  Page("changed", 0);
  SaintSearch("Nativity");
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 6, 1}));
  EXPECT_NE(Editor()->toPlainText(), "changed");
  EXPECT_TRUE(prompt_.asked.empty());

  // A working library answers with a day of this year.
  const QString library = CopyPath(FindCommands::kVersePakFileName);
  ASSERT_TRUE(QFile::copy(QString::fromLocal8Bit(KAL_VERSEPAK_FIXTURE), library));
  SaintSearch("Nativity");
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 12, 25}));
  SaintSearch("nothing it knows");  // 0: then the page
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 12, 25}));
  EXPECT_EQ(prompt_.Texts(), QStringList{"Cannot find \"nothing it knows\"."});

  // A file of that name that is no library.
  prompt_.asked.clear();
  ASSERT_TRUE(QFile::remove(library));
  QFile broken(library);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a library");
  broken.close();
  SaintSearch("Nativity");
  EXPECT_EQ(prompt_.Texts(), QStringList{"Unable to Load DLL"});
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 12, 25}));
}

TEST_F(FindTest, InTheReadingsViewTheCommandOpensTheBibleSearch) {
  Start();
  Item("MDailyBibleReadings")->trigger();
  QStringList shown;
  SetModalRunner([&](QDialog& dialog) {
    shown << dialog.objectName();
    return int(QDialog::Rejected);
  });
  Press(Qt::Key_F4);
  windows_.main->ToolButton("MTBFindSaint")->click();
  SetModalRunner({});
  EXPECT_EQ(shown, (QStringList{"TBibleSearchDlg", "TBibleSearchDlg"}));
  EXPECT_FALSE(Find().SaintDialog()->isVisible());
}

TEST_F(FindTest, TextForTheHymnTableIsWindows1252) {
  EXPECT_EQ(ToWindows1252(QString::fromUtf8("Sava \xE2\x80\x93 Serbian")), QByteArray("Sava \x96 Serbian"));
  EXPECT_EQ(ToWindows1252(QString::fromUtf8("Th\xC3\xA9ophane")), QByteArray("Th\xE9ophane"));
  EXPECT_EQ(ToWindows1252(QString::fromUtf8("\xD0\x9D")), QByteArray("?"));
}

}  // namespace
}  // namespace kal
