// Printing: the page with its day heading, one job per page, the page
// rectangle and pagination, Print Range over up to 31 days, and what the
// commands refuse. Jobs are PDF files read back with pdftotext.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "bible_search_dlg.h"
#include "date_box.h"
#include "date_lists.h"
#include "dialog_test_support.h"
#include "main_form.h"
#include "print_range_dlg.h"

namespace kal {
namespace {

QString FirstLine(const QString& text) {
  for (const QString& line : text.split('\n')) {
    if (!line.trimmed().isEmpty()) return line.trimmed();
  }
  return {};
}

QString PdfFonts(const QString& file) {
  QProcess tool;
  tool.start("pdffonts", {file});
  tool.waitForFinished(30000);
  return QString::fromUtf8(tool.readAllStandardOutput());
}

int PdfPages(const QString& file) {
  QProcess tool;
  tool.start("pdfinfo", {file});
  tool.waitForFinished(30000);
  for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  }
  return 0;
}

class PrintingTest : public DialogTest {
 protected:
  // The edit toolbar's font box, as the selection left it before printing.
  void SetHeadingFont(const QString& family) {
    auto* box = windows_.main->findChild<QComboBox*>("ETBFontName");
    const QSignalBlocker quiet(box);
    box->setEditText(family);
  }
};

TEST_F(PrintingTest, EditedPageIsPrintedUnderItsHeadingAndStaysEdited) {
  Start(QDate(2021, 1, 24));  // Old Calendar: January 11
  QTextCursor cursor(Editor()->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(" A note kept with the page.");
  const QString edited = Editor()->toHtml();
  ASSERT_TRUE(Editor()->document()->isModified());
  SetHeadingFont("DejaVu Sans Mono");
  PrintActiveDocument(*windows_.main);

  ASSERT_EQ(printer_.files.size(), 1);
  const QString text = PdfText(printer_.files[0]);
  EXPECT_EQ(FirstLine(text), "JANUARY 11/24");
  EXPECT_TRUE(text.simplified().contains("Kontakion of St Theodosius"));
  EXPECT_TRUE(text.simplified().contains("A note kept with the page."));
  EXPECT_EQ(PdfTitle(printer_.files[0]), "Kalendra January 11/24");
  // The heading is in the edit toolbar's font, and only the heading.
  EXPECT_TRUE(PdfFonts(printer_.files[0]).contains("DejaVuSansMono"));
  // Nothing of the heading is left in the editor, and the page is still
  // offered for saving.
  EXPECT_TRUE(Editor()->document()->isModified());
  EXPECT_TRUE(Editor()->toHtml() == edited);
  EXPECT_FALSE(Editor()->toPlainText().contains("JANUARY 11/24"));
  EXPECT_TRUE(boxes_.boxes.empty());

  // Print first offers to keep the edits; Cancel there prints nothing and
  // leaves the page as it is.
  boxes_.answers = {PromptAnswer::Cancel};
  Run("MPrint");
  EXPECT_EQ(printer_.files.size(), 1);
  EXPECT_EQ(printer_.dialogsShown, 0);
  EXPECT_TRUE(Editor()->document()->isModified());
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "Text has changed. Create new personalized file?");

  // Cancel in the print dialog prints nothing either.
  Editor()->document()->setModified(false);
  printer_.dialogAnswer = false;
  Run("MPrint");
  EXPECT_EQ(printer_.dialogsShown, 1);
  EXPECT_EQ(printer_.files.size(), 1);
}

TEST_F(PrintingTest, BibleSearchResultHasNoDateHeading) {
  Start(QDate(2021, 1, 24));
  TBibleSearchDlg& search = Search();
  search.SelectTestament(Testament::Old);
  Choose(search.findChild<QComboBox*>("OldT"), "Psalms");
  search.findChild<QLineEdit*>("eStartChapter")->setText("23");
  search.findChild<QLineEdit*>("eEndChapter")->setText("23");
  search.findChild<QLineEdit*>("eEndVerse")->setText("6");
  search.Find();
  ASSERT_TRUE(windows_.main->InBibleSearchMode());
  SetHeadingFont("DejaVu Sans Mono");
  // In Bible search mode nothing asks to keep the edits, and an edited
  // result stays edited.
  QTextCursor cursor(Editor()->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(" (read at the ninth hour)");
  Run("MPrint");
  EXPECT_EQ(printer_.dialogsShown, 1);
  EXPECT_TRUE(Editor()->document()->isModified());
  EXPECT_TRUE(boxes_.boxes.empty());
  ASSERT_EQ(printer_.files.size(), 1);
  const QString text = PdfText(printer_.files[0]);
  EXPECT_EQ(FirstLine(text), "Psalms 23:1-6");
  EXPECT_FALSE(text.contains("JANUARY"));
  EXPECT_TRUE(text.simplified().contains("The LORD is my shepherd; I shall not want."));
  EXPECT_TRUE(text.simplified().contains("(read at the ninth hour)"));
  EXPECT_FALSE(PdfFonts(printer_.files[0]).contains("DejaVuSansMono"));
}

TEST_F(PrintingTest, EmptyPageIsNotPrinted) {
  Start();
  Editor()->clear();
  PrintActiveDocument(*windows_.main);
  EXPECT_TRUE(printer_.files.isEmpty());
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].title, "Print");
  EXPECT_EQ(boxes_.boxes[0].text, "There is no text to print.");
}

TEST_F(PrintingTest, PageRectangleLeavesAnInchOnEveryEdge) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  for (const qreal margin : {0.0, 6.35, 12.7}) {
    SCOPED_TRACE(margin);
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    const int dpi = printer.logicalDpiX();
    const int offset = qRound(margin / 25.4 * dpi);
    const QRect rect = PageRectangle(printer);
    EXPECT_NEAR(rect.left() + offset, dpi, 1);
    EXPECT_NEAR(rect.top() + offset, dpi, 1);
    EXPECT_NEAR(rect.width(), 6.5 * dpi, 1);
    EXPECT_NEAR(rect.height(), 9 * dpi, 1);
  }
}

TEST_F(PrintingTest, LongDocumentRunsOverPagesWithoutLosingALine) {
  QTextDocument document;
  QStringList lines;
  for (int n = 1; n <= 160; ++n) lines << QString("Line %1 of the long page").arg(n);
  // A paragraph of many lines runs over a page break as well.
  QStringList words;
  for (int n = 1; n <= 1500; ++n) words << QString("w%1").arg(n);
  document.setPlainText(lines.mid(0, 80).join('\n') + '\n' + words.join(' ') + '\n' + lines.mid(80).join('\n'));
  QFont font("Times New Roman");
  font.setPointSize(14);
  document.setDefaultFont(font);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  const QString file = Folder() + "/long.pdf";
  printer.setOutputFileName(file);
  PrintRichText("Kalendra long", document, printer, PageRectangle(printer), 96);
  const int pages = PdfPages(file);
  EXPECT_GE(pages, 4);
  EXPECT_LE(pages, 8);
  const QStringList printed = PdfText(file).split('\n', Qt::SkipEmptyParts);
  QStringList found;
  for (const QString& line : printed) {
    if (line.trimmed().startsWith("Line ")) found << line.trimmed();
  }
  EXPECT_EQ(found.join('|').toStdString(), lines.join('|').toStdString());
  QStringList printedWords;
  for (const QString& word : PdfText(file).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
    if (word.startsWith('w')) printedWords << word;
  }
  // Within a paragraph the text layout also draws the line before a page
  // break on the next page, clipped away; only its text is there twice.
  printedWords.removeDuplicates();
  EXPECT_EQ(printedWords.join(' ').toStdString(), words.join(' ').toStdString());
}

TEST_F(PrintingTest, RangeOfThirtyOneOldCalendarDaysPrintsOneJobPerDay) {
  Start(QDate(2021, 1, 24));  // January 11, Old Calendar
  ASSERT_EQ(Mode(), CalendarMode::Old);
  OnModal([](QDialog& dialog) {
    Choose(dialog.findChild<QComboBox*>("ToMonth"), "February");
    Choose(dialog.findChild<QComboBox*>("ToDay"), "10");
    return int(QDialog::Accepted);
  });
  Run("MPrintRange");
  EXPECT_EQ(DialogsOpened(), QStringList{"TPrintRangeDlg"});
  ASSERT_EQ(printer_.files.size(), 31);
  EXPECT_EQ(printer_.dialogsShown, 0);
  QStringList headings;
  for (const QString& file : printer_.files) headings << FirstLine(PdfText(file));
  EXPECT_EQ(headings.front(), "JANUARY 11/24");
  EXPECT_EQ(headings[18], "JANUARY 29/FEBRUARY 11");
  EXPECT_EQ(headings.back(), "FEBRUARY 10/23");
  EXPECT_EQ(PdfTitle(printer_.files[20]), "Kalendra January 31/February 13");
  headings.removeDuplicates();
  EXPECT_EQ(headings.size(), 31);
  // The day on display comes back, with nothing left of the range.
  EXPECT_EQ(ShownDate(), (YearMonthDay{2021, 1, 11}));
  EXPECT_FALSE(windows_.main->PrintingRange);
  EXPECT_FALSE(Editor()->toPlainText().contains("JANUARY"));
  EXPECT_TRUE(boxes_.boxes.empty());
}

// A Print to File chosen for one page is that job's: a range printed after
// it goes day by day to the default printer, and the file stays as written.
TEST_F(PrintingTest, RangeAfterAPrintToFileGoesToTheDefaultPrinter) {
  Start(QDate(2021, 1, 24));  // Old Calendar: January 11
  printer_.printToFile = Folder() + "/chosen.pdf";
  Run("MPrint");
  ASSERT_EQ(printer_.fileJobs, QStringList{printer_.printToFile});
  // The dialog's suggestion for a file is the page's title without its "/".
  ASSERT_EQ(printer_.suggestedNames.size(), 1);
  EXPECT_EQ(printer_.suggestedNames[0], "Kalendra January 11-24");
  EXPECT_FALSE(printer_.suggestedNames[0].contains('/'));
  QFile chosen(printer_.printToFile);
  ASSERT_TRUE(chosen.open(QIODevice::ReadOnly));
  const QByteArray written = chosen.readAll();
  chosen.close();
  EXPECT_EQ(FirstLine(PdfText(printer_.printToFile)), "JANUARY 11/24");

  OnModal([](QDialog& dialog) {
    Choose(dialog.findChild<QComboBox*>("ToDay"), "13");
    return int(QDialog::Accepted);
  });
  Run("MPrintRange");
  EXPECT_EQ(printer_.fileJobs.size(), 1);
  ASSERT_EQ(printer_.files.size(), 3);
  EXPECT_EQ(FirstLine(PdfText(printer_.files[0])), "JANUARY 11/24");
  EXPECT_EQ(FirstLine(PdfText(printer_.files[2])), "JANUARY 13/26");
  ASSERT_TRUE(chosen.open(QIODevice::ReadOnly));
  EXPECT_EQ(chosen.readAll(), written);
}

TEST_F(PrintingTest, RangeOnTheNewCalendarPrintsTheReadingsView) {
  Store("Options/OldCalendar", "0");
  Store("Options/TroparionKontakion", "0");
  Store("Options/DailyBibleReadings", "1");
  Start(QDate(2021, 3, 5));
  OnModal([](QDialog&) { return int(QDialog::Accepted); });  // March 5 and 6
  Run("MPrintRange");
  ASSERT_EQ(printer_.files.size(), 2);
  EXPECT_EQ(FirstLine(PdfText(printer_.files[0])), "MARCH 5");
  EXPECT_EQ(FirstLine(PdfText(printer_.files[1])), "MARCH 6");
  EXPECT_EQ(PdfTitle(printer_.files[1]), "Kalendra March 6");
  // The readings page back on display is the one printed first.
  const QString page = Editor()->toPlainText().simplified();
  ASSERT_GT(page.size(), 200);
  EXPECT_TRUE(PdfText(printer_.files[0]).simplified().contains(page.left(200)));
}

TEST_F(PrintingTest, PrintRangeRefusals) {
  struct Case {
    QDate today;
    bool oldCalendar;
    bool hasPrinter;
    QString message;
    QString title;
  };
  const QString noPrinter = "There is no default printer currently selected.";
  const QString outside = "Date must be between Jan 1, 1901 and Dec 30, 2083.";
  const Case cases[] = {
      {QDate(2021, 3, 5), false, false, noPrinter, "Kalendra - New Calendar"},  // the application's title
      {QDate(2083, 12, 31), false, true, outside, "Print Range"},
      {QDate(1900, 12, 31), false, true, outside, "Print Range"},
      {QDate(2084, 1, 13), true, true, outside, "Print Range"},  // Julian December 31, 2083
      {QDate(1901, 1, 13), true, true, outside, "Print Range"},  // Julian December 31, 1900
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.today.toString().toStdString());
    Store("Options/OldCalendar", c.oldCalendar ? "1" : "0");
    printer_.hasDefaultPrinter = c.hasPrinter;
    boxes_.boxes.clear();
    opened_.clear();
    Start(c.today);
    Run("MPrintRange");
    EXPECT_TRUE(DialogsOpened().isEmpty());
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].text, c.message);
    EXPECT_EQ(boxes_.boxes[0].title.toStdString(), c.title.toStdString());
    Stop();
  }
  EXPECT_TRUE(printer_.files.isEmpty());
}

}  // namespace
}  // namespace kal
