// Personalised copies on disk: Save in both of its behaviours, the
// questions when leaving an edited page, Save As and Delete File, in a
// temporary program folder.
#include <QAction>
#include <QDir>
#include <QScopeGuard>
#include <QFile>
#include <QStandardPaths>
#include <QTextEdit>
#include <QToolButton>

#include "date_box.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "richtext/rtf_reader.h"
#include "personal_copies.h"

#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

namespace kal {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

QColor PageColour(QTextEdit* editor) { return editor->palette().color(QPalette::Base); }

const QColor kPersonal(255, 255, 239);

class PersonalCopiesTest : public KalviewTest {
 protected:
  void Edit(const QString& text) {
    Editor()->moveCursor(QTextCursor::Start);
    Editor()->insertPlainText(text);
  }
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
  // The copy's name is upper case; its folder is shown as it really is.
  EXPECT_EQ(StatusText(), "Saved as " + CopyPath("12-25.TRP"));
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
    if (c.copyWritten) {
      EXPECT_TRUE(richtext::rtfToPlainText(Contents(CopyPath("12-25.TRP"))).startsWith("Edited. "));
    }
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
    EXPECT_EQ(StatusText(), "Saved as " + c.written);
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
               // UTF-16 as some editors save it, told by its byte-order mark.
               {QByteArray("\xFF\xFE" "A\0m\0\x14 e\0n\0", 12), QString::fromUtf8("Am\u2014en")},
               {QByteArray("\xFE\xFF" "\0A\0m\x20\x14\0e\0n", 12), QString::fromUtf8("Am\u2014en")},
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
  EXPECT_EQ(StatusText(), copy + " Deleted.");
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

TEST_F(PersonalCopiesTest, ACopyInEitherFolderIsShownWhicheverIsWritable) {
  bool writable = false;
  App().folderWritable = [&writable](const QString&) { return writable; };
  const QString userCopy = UserCopyFolder() + "/12-25.TRP";
  const auto cleanUp = qScopeGuard([&] { QFile::remove(userCopy); });
  // A copy left in the program's folder, which is now read-only.
  Put(CopyPath("12-25.TRP"), "{\\rtf1\\ansi From the program folder.\\par}");
  Start();
  EXPECT_EQ(Editor()->toPlainText().toStdString(), "From the program folder.");
  EXPECT_EQ(PageColour(Editor()), kPersonal);
  // An edit is saved to the per-user folder, whose copy is shown from then
  // on; the one it came from stays as it was.
  Edit("Edited. ");
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(prompt_.Texts(), QStringList{"Save changes/additions to personalized file?"});
  EXPECT_EQ(richtext::rtfToPlainText(Contents(userCopy)).toStdString(), "Edited. From the program folder.");
  EXPECT_EQ(richtext::rtfToPlainText(Contents(CopyPath("12-25.TRP"))).toStdString(), "From the program folder.");
  EXPECT_EQ(StatusText().toStdString(), ("Saved as " + userCopy).toStdString());
  EXPECT_EQ(windows_.main->PersonalFileName, userCopy);
  // With the folder writable again the per-user copy is still the one shown
  // and the one saved.
  writable = true;
  Press(Qt::Key_F7);
  Press(Qt::Key_F6);
  EXPECT_EQ(Editor()->toPlainText().toStdString(), "Edited. From the program folder.");
  Edit("Again. ");
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(richtext::rtfToPlainText(Contents(userCopy)).startsWith("Again. Edited. "));
  EXPECT_EQ(richtext::rtfToPlainText(Contents(CopyPath("12-25.TRP"))).toStdString(), "From the program folder.");
  // A day without a copy anywhere gets its new one in the program's folder.
  Press(Qt::Key_F7);
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(QFile::exists(CopyPath("12-26.TRP")));
  EXPECT_FALSE(QFile::exists(UserCopyFolder() + "/12-26.TRP"));
}

TEST_F(PersonalCopiesTest, ADamagedCopyShowsItsTextWarnsAndIsReplacedOnlyWithABackup) {
  Start();
  Edit("My own words. ");
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  const QString copy = CopyPath("12-25.TRP");
  const QByteArray intact = Contents(copy);
  ASSERT_TRUE(intact.contains("{\\colortbl"));
  // One byte changed: the font table's closing brace, the colour table's,
  // and the colour table's opening brace (the document then closes early).
  const qsizetype fontTableEnd = intact.indexOf("}}") + 1, colours = intact.indexOf("{\\colortbl");
  const qsizetype coloursEnd = intact.indexOf('}', colours);
  const QString damagedNote = " - the file is damaged: only the text that could be read is shown";
  for (qsizetype at : {fontTableEnd, coloursEnd, colours}) {
    QByteArray damaged = intact;
    damaged[at] = 'x';
    Put(copy, damaged);
    Press(Qt::Key_F7);
    Press(Qt::Key_F6);
    EXPECT_TRUE(Editor()->toPlainText().startsWith("My own words. ")) << at << Editor()->toPlainText().toStdString();
    EXPECT_TRUE(Editor()->toPlainText().contains("Nativity", Qt::CaseInsensitive)) << at << Editor()->toPlainText().toStdString();
    EXPECT_EQ(StatusText().toStdString(),
              ("Viewing personalized troparia and kontakia for December 25/January 7" + damagedNote).toStdString());
    EXPECT_EQ(PageColour(Editor()), kPersonal);
    EXPECT_FALSE(Editor()->document()->isModified());
  }
  const QByteArray damaged = Contents(copy);
  const QString question = "The personalized file\r\n" + copy +
                           "\r\nis damaged: only the text that could be read is shown.\r\n\r\n"
                           "Replace it with the page as it is now? The damaged file is kept as\r\n" + copy + ".bak";
  // Leaving the edited page: Yes, then Cancel on the damage question keeps
  // the file and the day.
  Edit("Added. ");
  prompt_.asked.clear();
  prompt_.answers = {PromptAnswer::Yes, PromptAnswer::Cancel};
  Press(Qt::Key_F7);
  EXPECT_EQ(prompt_.Texts(), (QStringList{"Text has changed. Save changes/additions to personalized file?", question}));
  EXPECT_EQ(Contents(copy), damaged);
  EXPECT_EQ(ShownDate(), (YearMonthDay{2020, 12, 25}));
  EXPECT_FALSE(QFile::exists(copy + ".bak"));
  // Saving with OK keeps the damaged bytes beside the new copy.
  prompt_.asked.clear();
  prompt_.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(prompt_.Texts(), (QStringList{"Save changes/additions to personalized file?", question}));
  EXPECT_EQ(Contents(copy + ".bak"), damaged);
  EXPECT_TRUE(richtext::rtfToPlainText(Contents(copy)).startsWith("Added. My own words. ")) << richtext::rtfToPlainText(Contents(copy)).toStdString();
  EXPECT_EQ(StatusText().toStdString(), ("Saved as " + copy).toStdString());
  // The copy is whole again: the next save asks nothing more.
  Press(Qt::Key_F7);
  Press(Qt::Key_F6);
  EXPECT_FALSE(StatusText().contains("damaged"));
  Edit("Whole. ");
  prompt_.asked.clear();
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(prompt_.Texts(), QStringList{"Save changes/additions to personalized file?"});
}

// A program folder on a small file system that is full, where one can be
// mounted; elsewhere this process's file-size limit, which the system
// enforces the same way, refuses the write.
class FullDisk {
 public:
  explicit FullDisk(const QString& under) : mount_(under + "/full") {
    QDir().mkpath(mount_);
    if (::mount("tmpfs", QFile::encodeName(mount_).constData(), "tmpfs", 0, "size=64k") == 0) {
      mounted_ = true;
      QFile filler(mount_ + "/filler");
      if (filler.open(QIODevice::WriteOnly)) {
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
      }
      reason_ = std::strerror(ENOSPC);
    } else {
      reason_ = std::strerror(EFBIG);
    }
  }
  ~FullDisk() {
    if (mounted_) ::umount2(QFile::encodeName(mount_).constData(), MNT_DETACH);
  }
  QString Folder() const { return mount_; }
  std::string Reason() const { return reason_; }
  // Runs a write under the file-size limit when no small disk was mounted.
  void Write(const std::function<void()>& write) const {
    if (mounted_) return write();
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &before); });
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const auto restoreSignal = qScopeGuard([&] { std::signal(SIGXFSZ, oldHandler); });
    rlimit small = before;
    small.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &small);
    write();
  }

 private:
  QString mount_;
  bool mounted_ = false;
  std::string reason_;
};

TEST_F(PersonalCopiesTest, AFullDiskNamesTheSystemsReasonAndTheFile) {
  FullDisk disk(Folder());
  App().programFolder = disk.Folder();
  Start();
  Edit(QString(2000, 'w') + " ");
  prompt_.answers = {PromptAnswer::Ok};
  disk.Write([this] { Press(Qt::Key_S, Qt::ControlModifier); });
  ASSERT_EQ(prompt_.asked.size(), 2u);
  EXPECT_EQ(prompt_.asked[1].kind, PromptKind::Error);
  EXPECT_EQ(prompt_.asked[1].text.toStdString(), ("Cannot write " + disk.Folder() + "/12-25.TRP: ").toStdString() + disk.Reason());
  EXPECT_TRUE(Editor()->document()->isModified());
  EXPECT_EQ(QDir(disk.Folder()).entryList(QDir::Files | QDir::Hidden).filter("12-25").size(), 0);
}

TEST_F(PersonalCopiesTest, TemporariesLeftByAnInterruptedSaveGoAtTheDaysNextSave) {
  for (const char* name : {"12-25.TRP.a1B2c3", "12-25.TRP.Qz09Xy", "12-25.TRP.backup", "12-26.TRP.x9Y8z7", "12-25.TRP.bak"})
    Put(CopyPath(name), "{\\rtf1 partial");
  Start();
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(QFile::exists(CopyPath("12-25.TRP")));
  QStringList left = QDir(Folder()).entryList({"12-2*"}, QDir::Files);
  left.sort();
  EXPECT_EQ(left, (QStringList{"12-25.TRP", "12-25.TRP.backup", "12-25.TRP.bak", "12-26.TRP.x9Y8z7"}));
}

}  // namespace
}  // namespace kal
