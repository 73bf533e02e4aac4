// Bible search: the passages and headings Find shows, its messages, and the
// main window's Bible search mode from entering to End Search.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include "bible_reader.h"
#include "bible_search_dlg.h"
#include "dialog_test_support.h"
#include "main_form.h"
#include "stored_values.h"

namespace kal {
namespace {

struct Request {
  Testament testament;
  const char* book;
  const char* startChapter;
  const char* startVerse;
  const char* endChapter;
  const char* endVerse;
};

class BibleSearchTest : public DialogTest {
 protected:
  // Opens the dialog as Find Bible Verses does, fills it in and presses
  // Find; true when the dialog closed with OK.
  bool Find(const Request& request) {
    bool accepted = false;
    OnModal([&](QDialog& dialog) {
      auto& search = static_cast<TBibleSearchDlg&>(dialog);
      search.SelectTestament(request.testament);
      const char* list = request.testament == Testament::Old ? "OldT" : request.testament == Testament::New ? "NewT" : "Apoc";
      Choose(dialog.findChild<QComboBox*>(list), request.book);
      Field("eStartChapter")->setText(request.startChapter);
      Field("eStartVerse")->setText(request.startVerse);
      Field("eEndChapter")->setText(request.endChapter);
      Field("eEndVerse")->setText(request.endVerse);
      dialog.findChild<QPushButton*>("FindButton")->click();
      accepted = dialog.result() == QDialog::Accepted && !dialog.isVisible();
      if (dialog.isVisible()) dialog.reject();
      return dialog.result();
    });
    Search().ShowForFind(Item("MFindSaint"));
    return accepted;
  }
  QLineEdit* Field(const char* name) const { return Search().findChild<QLineEdit*>(name); }
  QString Page() const { return Editor()->toPlainText(); }
  bool InMode() const { return windows_.main->InBibleSearchMode(); }
};

TEST_F(BibleSearchTest, PassagesAndTheirHeadings) {
  Start();
  struct Case {
    Request request;
    QString begins;
    QString ends;
  };
  const Case cases[] = {
      {{Testament::Old, "Genesis", "1", "1", "1", "1"},
       "Genesis 1:1\n\n     1 In the beginning God created the heaven and the earth.",
       "In the beginning God created the heaven and the earth."},
      {{Testament::New, "St John", "21", "15", "21", "25"}, "St John 21:15-25\n\n     15 So when they had dined",
       "the world itself could not contain the books that should be written. Amen."},
      {{Testament::New, "St Matthew", "1", "1", "2", "3"},
       "St Matthew 1:1-2:3\n\nChapter 1\n\n     1 The book of the generation of Jesus Christ",
       "he was troubled, and all Jerusalem with him."},
      // A chapter typed with a leading zero is the same chapter in the
      // Testaments, and the heading shows it as typed.
      {{Testament::Old, "Genesis", "01", "1", "1", "2"}, "Genesis 01:1-2\n\n     1 In the beginning",
       "moved upon the face of the waters."},
      {{Testament::New, "St Matthew", "01", "1", "1", "1"}, "St Matthew 01:1\n\n     1 The book of the generation",
       "the son of Abraham."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.begins.toStdString());
    EXPECT_TRUE(Find(c.request));
    EXPECT_TRUE(Page().startsWith(c.begins)) << Page().left(200).toStdString();
    EXPECT_TRUE(Page().endsWith(c.ends)) << Page().right(200).toStdString();
    EXPECT_TRUE(InMode());
    EXPECT_FALSE(Editor()->document()->isModified());
  }
  // The chapters of a range over two chapters, each with its heading.
  Find({Testament::New, "St Matthew", "1", "1", "2", "3"});
  const QStringList paragraphs = Page().split("\n\n");
  ASSERT_EQ(paragraphs.size(), 5);
  EXPECT_EQ(paragraphs[1], "Chapter 1");
  EXPECT_TRUE(paragraphs[2].startsWith("     1 The book"));
  EXPECT_TRUE(paragraphs[2].endsWith("25 And knew her not till she had brought forth her firstborn son: and he called his name JESUS."));
  EXPECT_EQ(paragraphs[3], "Chapter 2");
  EXPECT_TRUE(paragraphs[4].startsWith("     1 Now when Jesus was born")) << paragraphs[4].left(40).toStdString();
  EXPECT_FALSE(paragraphs[4].contains(" 4 "));
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(BibleSearchTest, RefusedSearchesKeepTheDialogOpenAndThePageAsItWas) {
  Start();
  const QString day = Page();
  const QString parameters =
      "The search parameters have been set incorrectly. You may have \n"
      "searched for a verse that is larger than the last verse in a chapter, \n"
      "or you may have searched for a chapter that is beyond the end of \n"
      "the book. Please re-enter your search parameters and try again.";
  struct Case {
    Request request;
    QString message;
  };
  const Case cases[] = {
      {{Testament::New, "St John", "", "1", "1", "1"}, "Please select all Chapters and Verses."},
      {{Testament::New, "St John", "1", "1", "1", ""}, "Please select all Chapters and Verses."},
      {{Testament::New, "St John", "-1", "1", "1", "1"},
       "Please correct the Chapter and Verse entries. None \nof the Chapter entries should be less than 0, and \n"
       "none of the Verse entries should be less than 1."},
      {{Testament::New, "St John", "1", "1", "1", "0"},
       "Please correct the Chapter and Verse entries. None \nof the Chapter entries should be less than 0, and \n"
       "none of the Verse entries should be less than 1."},
      {{Testament::New, "St John", "2", "1", "1", "5"},
       "Please correct the Chapter and Verse entries.\n\"Ends With\" Chapter and Verse must be equal to\n"
       " or larger than \"Starts With\" Chapter and Verse."},
      {{Testament::New, "St John", "3", "16", "3", "15"},
       "Please correct the Chapter and Verse entries.\n\"Ends With\" Chapter and Verse must be equal to\n"
       " or larger than \"Starts With\" Chapter and Verse."},
      {{Testament::New, "St John", "1x", "1", "1", "1"}, "'1x' is not a valid integer value"},
      // Philemon has 25 verses.
      {{Testament::New, "Philemon", "1", "20", "1", "99"}, parameters},
      {{Testament::New, "Jude", "2", "1", "2", "1"}, parameters},
      // The Apocrypha's markers are the numbers as written.
      {{Testament::Apocrypha, "Tobit", "01", "1", "1", "1"}, parameters},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.toStdString());
    boxes_.boxes.clear();
    EXPECT_FALSE(Find(c.request));
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].text, c.message);
    const bool conversion = c.message.endsWith("integer value");
    EXPECT_EQ(boxes_.boxes[0].title, conversion ? QString() : QString("Find"));
    EXPECT_EQ(Page(), day);
    EXPECT_FALSE(InMode());
  }
  // The three books our Apocrypha source lacks are named as such, not as a
  // fault of the fields.
  for (const char* book : {"Additions to Esther", "Susanna", "Bel and the Dragon"}) {
    boxes_.boxes.clear();
    EXPECT_FALSE(Find({Testament::Apocrypha, book, "1", "1", "1", "1"})) << book;
    ASSERT_EQ(boxes_.boxes.size(), 1u) << book;
    EXPECT_EQ(boxes_.boxes[0].text, QString(book) + " has no text in this Bible file, <Apoc.dat>.");
    EXPECT_EQ(Page(), day);
  }
  // The Apocrypha without the leading zero is there.
  EXPECT_TRUE(Find({Testament::Apocrypha, "Tobit", "1", "1", "1", "1"}));
  EXPECT_TRUE(Page().startsWith("Tobit 1:1\n\n     1 ")) << Page().left(60).toStdString();
}

TEST_F(BibleSearchTest, ModeHidesTheDateCommandsAndEndSearchRestoresThem) {
  Store("Options/OldCalendar", "1");
  Start(QDate(2021, 1, 24));
  const QString dayPage = Page();
  const QString infoBar = InfoBarText();
  const QString status = StatusText();
  ASSERT_TRUE(status.startsWith("Viewing troparia and kontakia for January 11/24"));

  // End Search while the mode is off changes nothing.
  Search().EndSearch();
  EXPECT_EQ(Page(), dayPage);
  EXPECT_FALSE(Item("MEndBibleSearch")->isVisible());

  ASSERT_TRUE(Find({Testament::Apocrypha, "Tobit", "1", "1", "1", "2"}));
  EXPECT_TRUE(InMode());
  EXPECT_EQ(InfoBarText(), "Bible Search");
  EXPECT_FALSE(windows_.main->DateBar()->isVisibleTo(windows_.main.get()));
  EXPECT_EQ(StatusText(), "Viewing bible verses in bible search mode");
  for (const char* name : {"MSelectDate", "MGoToDate", "MPreviousDay", "MNextDay", "MSave", "MDeleteFile",
                           "MPrintRange", "MOldCalendar", "MNewCalendar", "MTroparionKontakion",
                           "MDailyBibleReadings", "MShowVerseNumbers", "MShowIcons"}) {
    EXPECT_FALSE(Item(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Item("MEndBibleSearch")->isVisible());
  EXPECT_TRUE(Item("MEndBibleSearch")->isEnabled());

  // A second Find replaces the text and keeps what the first one saved.
  ASSERT_TRUE(Find({Testament::New, "St John", "3", "16", "3", "16"}));
  EXPECT_TRUE(Page().startsWith("St John 3:16\n\n     16 For God so loved the world"));
  EXPECT_EQ(InfoBarText(), "Bible Search");

  Run("MEndBibleSearch");
  EXPECT_FALSE(InMode());
  EXPECT_EQ(Page(), dayPage);
  EXPECT_EQ(InfoBarText(), infoBar);
  EXPECT_EQ(StatusText(), status);
  EXPECT_TRUE(windows_.main->DateBar()->isVisibleTo(windows_.main.get()));
  EXPECT_TRUE(Item("MNextDay")->isEnabled());
  EXPECT_FALSE(Item("MEndBibleSearch")->isVisible());
  // The reader is on the New Testament for the lectionary.
  BibleReader& reader = *App().bibleReader;
  EXPECT_FALSE(reader.ApocryphaForm());
  EXPECT_NE(reader.ReadPassage(3, "3", "16", "3", "16", false, false).find("For God so loved"), std::string::npos);
}

TEST_F(BibleSearchTest, ReaderGoesBackToTheNewTestamentWhateverWasSearched) {
  Start();
  ASSERT_TRUE(Find({Testament::Old, "Psalms", "23", "1", "23", "6"}));
  Search().EndSearch();
  BibleReader& reader = *App().bibleReader;
  EXPECT_NE(reader.ReadPassage(0, "1", "1", "1", "1", false, false).find("The book of the generation"),
            std::string::npos);
  // Picking another testament and cancelling leaves the New Testament open
  // too.
  OnModal([](QDialog& dialog) {
    static_cast<TBibleSearchDlg&>(dialog).SelectTestament(Testament::Apocrypha);
    dialog.reject();
    return dialog.result();
  });
  Search().ShowForFind(Item("MFindSaint"));
  EXPECT_FALSE(reader.ApocryphaForm());
  EXPECT_NE(reader.ReadPassage(0, "1", "1", "1", "1", false, false).find("The book of the generation"),
            std::string::npos);
}

TEST_F(BibleSearchTest, MissingBibleFileBecomesThePageText) {
  Start();
  ASSERT_TRUE(QFile::remove(CopyPath("OldTstmt.dat")));
  ASSERT_TRUE(Find({Testament::Old, "Genesis", "1", "1", "1", "1"}));
  EXPECT_EQ(Page(),
            "Unable to search for the bible passage. The file <OldTstmt.dat> is damaged or missing from the "
            "application directory. Please replace the file or reinstall the Kalendra program.");
  EXPECT_TRUE(InMode());
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(BibleSearchTest, CheckBoxesShapeThePassageAndAreKept) {
  Start();
  auto* headings = Search().findChild<QCheckBox*>("ChapterHeadings");
  auto* numbers = Search().findChild<QCheckBox*>("VerseNumbers");
  ASSERT_TRUE(headings->isChecked());
  ASSERT_TRUE(numbers->isChecked());
  headings->setChecked(false);
  numbers->setChecked(false);
  ASSERT_TRUE(Find({Testament::New, "St Mark", "1", "45", "2", "1"}));
  EXPECT_FALSE(Page().contains("Chapter"));
  EXPECT_TRUE(Page().startsWith("St Mark 1:45-2:1\n\n     But he went out")) << Page().left(60).toStdString();
  EXPECT_TRUE(Page().contains("\n\n     And again he entered into Capernaum"));
  Stop();

  QSettings store(kSettingsCompany, kSettingsProgram);
  EXPECT_EQ(store.value("BibleSearchSettings/IncludeChapterHeadings").toString(), "0");
  EXPECT_EQ(store.value("BibleSearchSettings/IncludeVerseNumbers").toString(), "0");
  EXPECT_TRUE(store.contains("BibleSearchWindow/Left"));
  Start();
  EXPECT_FALSE(Search().findChild<QCheckBox*>("ChapterHeadings")->isChecked());
  EXPECT_FALSE(Search().findChild<QCheckBox*>("VerseNumbers")->isChecked());
  // Testament and fields start afresh.
  EXPECT_EQ(Search().SelectedTestament(), Testament::New);
  EXPECT_TRUE(Search().findChild<QComboBox*>("NewT")->isVisibleTo(&Search()));
  EXPECT_FALSE(Search().findChild<QComboBox*>("OldT")->isVisibleTo(&Search()));
  EXPECT_EQ(Field("eEndVerse")->text(), "1");
}

}  // namespace
}  // namespace kal
