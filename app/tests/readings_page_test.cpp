// The Bible readings view day after day: the page in the editor is the
// day's readings text, letter for letter, in the page font; a long page can
// be read to its end as soon as it is shown, though the editor lays out its
// lower part only between events; and a page that fails to load leaves
// the editor usable.
#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTest>

#include "app_context.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "readings_page.h"

namespace kal {
namespace {

class ReadingsPageTest : public KalviewTest {};

// Where the page leaves the font every readings page has: Times New Roman
// 12 point, black, left-aligned; empty when it has it throughout.
std::string FormatFault(const QTextDocument& page) {
  const auto fault = [](const QTextCharFormat& format) {
    return format.font().family() != "Times New Roman" || format.font().pointSize() != 12 ||
           format.foreground().color() != Qt::black || format.font().bold() || format.font().italic() ||
           format.font().underline();
  };
  for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
    const std::string where = "paragraph " + std::to_string(block.blockNumber()) + " \"" +
                              block.text().left(40).toStdString() + "\"";
    if (block.blockFormat().alignment() != Qt::AlignLeft) return where + ": not left-aligned";
    if (fault(block.charFormat())) return where + ": paragraph font";
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (fault(it.fragment().charFormat())) return where + ": text font";
  }
  return {};
}

TEST_F(ReadingsPageTest, EveryDayOfAYearShowsItsReadingsTextInThePageFont) {
  Store("Options/OldCalendar", "0");
  Store("Options/DailyBibleReadings", "1");
  Store("Options/TroparionKontakion", "0");
  Start(QDate(2025, 12, 31));
  ASSERT_EQ(Mode(), CalendarMode::New);
  ASSERT_TRUE(windows_.main->ReadingsView());
  ASSERT_NE(App().bibleReader, nullptr);
  int faults = 0;
  for (int day = 0; day < 365 && faults < 5; ++day) {
    Press(Qt::Key_F7);
    const QString expected = DailyReadingsText(*App().bibleReader, Day(), CalendarMode::New, false);
    const YearMonthDay ymd = DecodeDate(Day().NewDate);
    const std::string date = std::to_string(ymd.month) + "/" + std::to_string(ymd.day);
    std::string fault;
    if (expected.size() < 200) fault = "no readings (" + expected.toStdString() + ")";
    else if (Editor()->toPlainText() != expected) fault = "the page is not the readings text";
    else fault = FormatFault(*Editor()->document());
    if (Editor()->document()->isModified()) fault = "the page is marked as changed";
    if (Editor()->document()->isUndoAvailable()) fault = "the page can be undone";
    if (!fault.empty()) {
      ADD_FAILURE() << date << ": " << fault;
      ++faults;
    }
  }
  EXPECT_EQ(DecodeDate(Day().NewDate), (YearMonthDay{2026, 12, 31}));
}

TEST_F(ReadingsPageTest, ALongPageCanBeReadToItsEndAtOnce) {
  Store("Options/OldCalendar", "0");
  Store("Options/DailyBibleReadings", "1");
  Store("Options/TroparionKontakion", "0");
  // Great Friday: the Passion Gospels, the Royal Hours and Vespers, pages
  // longer than any screen.
  Start(QDate(2026, 4, 10));
  QTextEdit& editor = *Editor();
  const QString last = editor.document()->lastBlock().text();
  ASSERT_GT(editor.document()->characterCount(), 20000);
  EXPECT_EQ(editor.textCursor().position(), 0);
  EXPECT_EQ(editor.verticalScrollBar()->value(), 0);

  // At once, before any event: the end of the page is laid out and shown.
  editor.moveCursor(QTextCursor::End);
  EXPECT_GT(editor.document()->lastBlock().layout()->lineCount(), 0);
  EXPECT_GT(editor.verticalScrollBar()->value(), 0);
  EXPECT_TRUE(editor.viewport()->rect().intersects(editor.cursorRect()));
  EXPECT_EQ(editor.textCursor().block().text(), last);

  // Once events have run, every paragraph is laid out, and the page's
  // height is that of all of them.
  const auto allLaidOut = [&] {
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
      if (block.layout()->lineCount() == 0) return false;
    return true;
  };
  QElapsedTimer patience;
  patience.start();
  while (!allLaidOut() && patience.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  qreal height = 0;
  for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
    EXPECT_GT(block.layout()->lineCount(), 0) << block.blockNumber();
    height += editor.document()->documentLayout()->blockBoundingRect(block).height();
  }
  EXPECT_GE(editor.document()->documentLayout()->documentSize().height(), height);
}

TEST_F(ReadingsPageTest, APageThatFailsToLoadLeavesTheEditorWithACursor) {
  Store("Options/OldCalendar", "0");
  Start(QDate(2021, 1, 7));
  // A folder where the copy of 8 January would be: it exists but cannot be
  // read, and the load stops with an error.
  ASSERT_TRUE(QDir(Folder()).mkdir("1-8.TRP"));
  Press(Qt::Key_F7);
  ASSERT_FALSE(prompt_.asked.empty());
  EXPECT_EQ(prompt_.asked.back().kind, PromptKind::Error);
  QTextEdit& editor = *Editor();
  ASSERT_FALSE(editor.textCursor().isNull());
  EXPECT_EQ(editor.textCursor().document(), editor.document());
  // The editor still takes typing at its cursor.
  editor.setFocus();
  QTest::keyClicks(&editor, "note");
  EXPECT_TRUE(editor.toPlainText().contains("note"));
}

}  // namespace
}  // namespace kal
