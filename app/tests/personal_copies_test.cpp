// Personalised copies on disk: Save in both of its behaviours, the
// questions when leaving an edited page, Save As and Delete File, in a
// temporary program folder.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextEdit>
#include <QToolButton>

#include "date_box.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "richtext/rtf_reader.h"

namespace kal {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor PageColour(QTextEdit* editor) { return editor->palette().color(QPalette::Base); }

const QColor kPersonal(255, 255, 239);

class PersonalCopiesTest : public KalviewTest {
 protected:
  void Edit(const QString& text) {
    Editor()->moveCursor(QTextCursor::Start);
    Editor()->insertPlainText(text);
  }
  QString Upper(const char* name) const { return CopyPath(name).toUpper(); }
};

TEST_F(PersonalCopiesTest, SaveOnAnUnchangedLibraryPageCreatesTheCopy) {
  Start();  // Old Calendar, 25 December (Julian)
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(prompt_.Texts(), QStringList{"Create new personalized file?"});
  EXPECT_EQ(prompt_.asked[0].buttons, PromptButtons::OkCancel);
  const QString copy = CopyPath("12-25.TRP");
  ASSERT_TRUE(QFile::exists(copy));
  EXPECT_TRUE(Contents(copy).startsWith("{\\rtf1"));
  EXPECT_EQ(PageColour(Editor()), kPersonal);
  EXPECT_EQ(StatusText(), "Saved as " + Upper("12-25.TRP"));
  EXPECT_FALSE(Editor()->document()->isModified());

  // Saving again without a change only informs.
  prompt_.asked.clear();
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(prompt_.Texts(), QStringList{"No changes have been made."});
  // After a change it asks to save the changes and writes them.
  prompt_.asked.clear();
  Edit("Kept by me. ");
  prompt_.answers = {PromptAnswer::Ok};
  windows_.main->ToolButton("MTBSave")->click();
  EXPECT_EQ(prompt_.Texts(), QStringList{"Save changes/additions to personalized file?"});
  EXPECT_TRUE(richtext::rtfToPlainText(Contents(copy)).startsWith("Kept by me. "));
  // Cancel changes nothing.
  Edit("Not kept. ");
  prompt_.answers = {PromptAnswer::Cancel};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(Editor()->document()->isModified());
  EXPECT_FALSE(richtext::rtfToPlainText(Contents(copy)).startsWith("Not kept. "));
}

TEST_F(PersonalCopiesTest, TheSameCopyIsSeenFromBothCalendarsAndEveryYear) {
  Start(QDate(2021, 1, 20));  // Julian 7 January 2021
  Edit("Nativity note. ");
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(QFile::exists(CopyPath("1-7.TRP")));

  Item("MNewCalendar")->trigger();
  windows_.dateBox->SetGrid(EncodeDate(2030, 1, 7), nullptr);  // New Calendar 7 January, another year
  EXPECT_TRUE(Editor()->toPlainText().startsWith("Nativity note. "));
  EXPECT_EQ(PageColour(Editor()), kPersonal);
  EXPECT_EQ(StatusText(), "Viewing personalized troparia and kontakia for January 7");
  // The Bible readings view of the same day has no copy.
  Press(Qt::Key_F9);
  EXPECT_NE(PageColour(Editor()), kPersonal);
  EXPECT_EQ(StatusText(), "Viewing bible verses for January 7");
}

TEST_F(PersonalCopiesTest, LeavingAnEditedPageYesNoCancel) {
  const struct {
    PromptAnswer answer;
    bool copyWritten;
    bool dayChanged;
  } cases[] = {{PromptAnswer::Yes, true, true}, {PromptAnswer::No, false, true}, {PromptAnswer::Cancel, false, false}};
  for (const auto& c : cases) {
    Start();
    Edit("Edited. ");
    prompt_.asked.clear();
    prompt_.answers = {c.answer};
    Press(Qt::Key_F7);
    EXPECT_EQ(prompt_.Texts(), QStringList{"Text has changed. Create new personalized file?"});
    EXPECT_EQ(QFile::exists(CopyPath("12-25.TRP")), c.copyWritten);
    EXPECT_EQ(ShownDate() == (YearMonthDay{2020, 12, 26}), c.dayChanged);
    if (c.copyWritten) EXPECT_TRUE(richtext::rtfToPlainText(Contents(CopyPath("12-25.TRP"))).startsWith("Edited. "));
    EXPECT_EQ(Editor()->document()->isModified(), !c.dayChanged);
    Stop();
    QFile::remove(CopyPath("12-25.TRP"));
  }
}

TEST_F(PersonalCopiesTest, NoBeforeACommandThatKeepsThePageBringsTheLibraryPageBack) {
  Start();
  const QString library = Editor()->toPlainText();
  Edit("Scribble. ");
  // An existing copy changes the question's wording.
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  Edit("More. ");
  prompt_.asked.clear();
  prompt_.answers = {PromptAnswer::No};
  windows_.main->CheckSaveOnLeave(Item("MPrint"));
  EXPECT_EQ(prompt_.Texts(), QStringList{"Text has changed. Save changes/additions to personalized file?"});
  EXPECT_TRUE(Editor()->toPlainText().startsWith("Scribble. "));  // the copy, without "More. "
  EXPECT_FALSE(Editor()->document()->isModified());
  (void)library;
}

TEST_F(PersonalCopiesTest, SaveAsWritesRtfOrPlainTextByExtension) {
  Start();
  Edit("Exported. ");
  const struct {
    QString chosen;
    QString written;
    bool rtf;
  } cases[] = {{Folder() + "/page.rtf", Folder() + "/page.rtf", true},
               {Folder() + "/page", Folder() + "/page.RTF", true},
               {Folder() + "/page.txt", Folder() + "/page.txt", false},
               {Folder() + "/page.doc", Folder() + "/page.doc", false}};
  for (const auto& c : cases) {
    Edit("x");
    prompt_.saveFiles = {c.chosen};
    Item("MSaveAs")->trigger();
    const QByteArray bytes = Contents(c.written);
    EXPECT_EQ(bytes.startsWith("{\\rtf1"), c.rtf) << c.chosen.toStdString();
    EXPECT_TRUE((c.rtf ? richtext::rtfToPlainText(bytes) : QString::fromUtf8(bytes)).contains("Exported. "));
    EXPECT_EQ(StatusText(), "Saved as " + c.written.toUpper());
    EXPECT_FALSE(Editor()->document()->isModified());
  }
  // An export is not a personalised copy; a cancelled dialog writes nothing.
  EXPECT_FALSE(QFile::exists(CopyPath("12-25.TRP")));
  prompt_.saveFiles.clear();
  Item("MSaveAs")->trigger();
  EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(PersonalCopiesTest, ACopyInPlainTextIsShownAsText) {
  // Exported as text under the copy's own name, or written by another
  // editor in UTF-8 or Windows-1252: the page shows the words, so a later
  // save cannot replace them with an empty page.
  Start();  // Old Calendar, 25 December (Julian)
  Edit("Exported as text. ");
  prompt_.saveFiles = {CopyPath("12-25.TRP")};
  Item("MSaveAs")->trigger();
  ASSERT_FALSE(Contents(CopyPath("12-25.TRP")).startsWith("{\\rtf"));
  const struct {
    QByteArray bytes;  // nothing: the export above
    QString shown;
  } cases[] = {{{}, Editor()->toPlainText()},
               {"Glory to God \xe2\x80\x94 for all things.\nAmen.", QString::fromUtf8("Glory to God \u2014 for all things.\nAmen.")},
               {"Na\xefve \x93quotes\x94.", QString::fromUtf8("Na\u00efve \u201cquotes\u201d.")},
               {"", ""}};
  for (const auto& c : cases) {
    if (!c.bytes.isNull()) {
      QFile file(CopyPath("12-25.TRP"));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.bytes);
    }
    Press(Qt::Key_F7);
    Press(Qt::Key_F6);
    EXPECT_EQ(Editor()->toPlainText(), c.shown);
    EXPECT_EQ(PageColour(Editor()), kPersonal);
    EXPECT_FALSE(Editor()->document()->isModified());
  }
  EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(PersonalCopiesTest, DeleteFileOnEveryPath) {
  Start(QDate(2021, 1, 24));  // Julian 11 January
  prompt_.answers = {};
  Press(Qt::Key_D, Qt::ControlModifier);
  ASSERT_EQ(prompt_.Texts(),
            QStringList{"No personalized troparia and kontakia\r\nfile exists for January 11/24."});

  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  const QString copy = CopyPath("1-11.TRP");
  ASSERT_TRUE(QFile::exists(copy));
  const QString confirm = "This will remove the file\r\n" + copy + "\r\nfrom your hard disk.\r\n\r\nAre you sure?";
  const struct {
    std::deque<PromptAnswer> answers;
    QStringList asked;
    bool deleted;
  } cases[] = {{{PromptAnswer::Cancel}, {"Delete personalized troparia and kontakia file?"}, false},
               {{PromptAnswer::Ok, PromptAnswer::No}, {"Delete personalized troparia and kontakia file?", confirm}, false},
               {{PromptAnswer::Ok, PromptAnswer::Yes}, {"Delete personalized troparia and kontakia file?", confirm}, true}};
  for (const auto& c : cases) {
    prompt_.asked.clear();
    prompt_.answers = c.answers;
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(prompt_.Texts(), c.asked);
    EXPECT_EQ(QFile::exists(copy), !c.deleted);
  }
  EXPECT_EQ(StatusText(), copy.toUpper() + " Deleted.");
  EXPECT_NE(PageColour(Editor()), kPersonal);

  Press(Qt::Key_F9);
  prompt_.asked.clear();
  Press(Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(prompt_.Texts(), QStringList{"No personalized bible readings\r\nfile exists for January 11/24."});
}

TEST_F(PersonalCopiesTest, AFailedWriteReportsTheSystemErrorAndKeepsTheEdits) {
  Start();
  // A folder standing where the copy should go: the write cannot replace it.
  ASSERT_TRUE(QDir(Folder()).mkpath("12-25.TRP/blocked"));
  Edit("Unsaved. ");
  prompt_.answers = {PromptAnswer::Ok};
  const QString statusBefore = windows_.main->StatusText;
  Press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(prompt_.asked.size(), 2u);
  EXPECT_EQ(prompt_.asked[1].kind, PromptKind::Error);
  EXPECT_FALSE(prompt_.asked[1].text.isEmpty());
  EXPECT_TRUE(Editor()->document()->isModified());
  EXPECT_EQ(windows_.main->StatusText, statusBefore);
  // Inside the leave-page check the failure stops the day change.
  prompt_.asked.clear();
  prompt_.answers = {PromptAnswer::Yes};
  Press(Qt::Key_F7);
  EXPECT_EQ(ShownDate(), (YearMonthDay{2020, 12, 25}));
  EXPECT_TRUE(Editor()->document()->isModified());
  // No temporary file is left behind.
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden).filter("12-25").size(), 0);
}

TEST_F(PersonalCopiesTest, AReadOnlyProgramFolderKeepsCopiesInTheUserDataFolder) {
  // Root may write anywhere, so the folder's answer is given here.
  App().folderWritable = [](const QString&) { return false; };
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QFile::remove(dataFolder + "/12-25.TRP");
  Start();
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(QFile::exists(CopyPath("12-25.TRP")));
  EXPECT_TRUE(QFile::exists(dataFolder + "/12-25.TRP"));
  // The same rule finds it again.
  Press(Qt::Key_F7);
  Press(Qt::Key_F6);
  EXPECT_EQ(PageColour(Editor()), kPersonal);
  EXPECT_TRUE(windows_.main->PersonalFileName.startsWith(dataFolder));
  QFile::remove(dataFolder + "/12-25.TRP");
}

}  // namespace
}  // namespace kal
