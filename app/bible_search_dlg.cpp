#include "bible_search_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QVBoxLayout>
#include <filesystem>
#include <stdexcept>

#include "app_context.h"
#include "bible_reader.h"
#include "command_guard.h"
#include "help_viewer.h"
#include "main_form.h"
#include "modal_runner.h"
#include "readings_page.h"
#include "stored_values.h"
#include "window_placement.h"
#include "windows_1252.h"

namespace kal {

namespace {

const char* const kPositionSection = "BibleSearchWindow";
const char* const kSettingsSection = "BibleSearchSettings/";
const char* const kCaption = "Find";
constexpr int kHelpTopic = 262;

QComboBox* MakeBookList(QWidget* parent, const char* name, Testament testament) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(false);
  list->addItems(BookNames(testament));
  list->setCurrentIndex(0);
  list->setGeometry(12, 30, 222, 24);
  return list;
}

QLineEdit* MakeField(QWidget* parent, const char* name, int left, int top) {
  auto* field = new QLineEdit("1", parent);
  field->setObjectName(name);
  field->setGeometry(left, top, 44, 22);
  return field;
}

void MakeLabel(QWidget* parent, const char* text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
}

// A chapter or verse field as a whole number, as the user typed it: an
// optional sign and decimal digits.
int FieldValue(const QLineEdit& field) {
  const QString text = field.text();
  bool number = false;
  const bool digits = !text.isEmpty() && text.size() <= 10 && (text[0].isDigit() || text[0] == '-' || text[0] == '+');
  const int value = digits ? text.toInt(&number) : 0;
  if (!number) throw std::runtime_error(QString("'%1' is not a valid integer value").arg(text).toStdString());
  return value;
}

// A book the open Apocrypha file names but gives no verses for: its marker
// is followed by the next book's before any verse of its own. (Our source
// lacks Additions to Esther, Susanna and Bel and the Dragon.)
bool BookWithoutText(const BibleReader& reader, int book) {
  if (!reader.ApocryphaForm()) return false;
  const std::size_t start = reader.FindMarker(BibleReader::BookMarker(book), 0);
  if (start == BibleReader::kNotFound) return false;
  // The marker's line also holds the book's name ("Book 14 Bel and the Dragon").
  const std::size_t lineEnd = reader.FindMarker("\n", start);
  if (lineEnd == BibleReader::kNotFound) return true;
  const std::size_t next = reader.FindMarker(BibleReader::BookMarker(book + 1), lineEnd);
  const std::size_t verse = reader.FindMarker(BibleReader::ApocryphaPrefix(book), lineEnd);
  return verse == BibleReader::kNotFound || (next != BibleReader::kNotFound && verse > next);
}

}  // namespace

const QStringList& BookNames(Testament testament) {
  static const QStringList oldTestament = {
      "Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy", "Joshua", "Judges", "Ruth",
      "1 Kings (1 Samuel)", "2 Kings (2 Samuel)", "3 Kings (1 Kings)", "4 Kings (2 Kings)", "1 Chronicles",
      "2 Chronicles", "Ezra", "Nehemiah", "Esther", "Job", "Psalms", "Proverbs", "Ecclesiastes",
      "Song of Solomon", "Isaiah", "Jeremiah", "Lamentations", "Ezekiel", "Daniel", "Hosea", "Joel", "Amos",
      "Obadiah", "Jonah", "Micah", "Nahum", "Habakkuk", "Zephaniah", "Haggai", "Zechariah", "Malachi"};
  static const QStringList newTestament = {
      "St Matthew", "St Mark", "St Luke", "St John", "Acts of the Apostles", "Romans", "1 Corinthians",
      "2 Corinthians", "Galatians", "Ephesians", "Philippians", "Colossians", "1 Thessalonians",
      "2 Thessalonians", "1 Timothy", "2 Timothy", "Titus", "Philemon", "Hebrews", "James", "1 Peter",
      "2 Peter", "1 John", "2 John", "3 John", "Jude", "Revelation"};
  static const QStringList apocrypha = {
      "1 Esdras", "2 Esdras", "Additions to Esther", "1 Maccabees", "2 Maccabees", "Tobit", "Judith",
      "The Book of Wisdom", "Ecclesiasticus", "Baruch", "Epistle of Jeremiah", "Susanna", "Prayer of Azariah",
      "Prayer of Manasseh", "Bel and the Dragon"};
  switch (testament) {
    case Testament::Old: return oldTestament;
    case Testament::Apocrypha: return apocrypha;
    default: return newTestament;
  }
}

const char* TestamentFileName(Testament testament) {
  switch (testament) {
    case Testament::Old: return "OldTstmt.dat";
    case Testament::Apocrypha: return "Apoc.dat";
    default: return "NewTstmt.dat";
  }
}

TBibleSearchDlg::TBibleSearchDlg(TMainForm* main, BibleReader* reader)
    : QDialog(main, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint),
      main_(main),
      reader_(reader) {
  setObjectName("TBibleSearchDlg");
  setWindowTitle("Find Bible Verses");
  setProperty("helpContext", kHelpTopic);
  setFixedSize(482, 206);

  // Created in tab order.
  MakeLabel(this, "Find the passage in the Book:", 12, 10);
  oldT_ = MakeBookList(this, "OldT", Testament::Old);
  newT_ = MakeBookList(this, "NewT", Testament::New);
  apoc_ = MakeBookList(this, "Apoc", Testament::Apocrypha);
  MakeLabel(this, "That Starts With:", 12, 64);
  MakeLabel(this, "Chapter:", 12, 88);
  startChapter_ = MakeField(this, "eStartChapter", 68, 85);
  MakeLabel(this, "Verse:", 124, 88);
  startVerse_ = MakeField(this, "eStartVerse", 170, 85);
  MakeLabel(this, "And Ends With:", 12, 118);
  MakeLabel(this, "Chapter:", 12, 142);
  endChapter_ = MakeField(this, "eEndChapter", 68, 139);
  MakeLabel(this, "Verse:", 124, 142);
  endVerse_ = MakeField(this, "eEndVerse", 170, 139);

  auto* find = new QPushButton(" Find", this);
  find->setObjectName("FindButton");
  find->setGeometry(392, 10, 80, 26);
  find->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");
  cancel->setGeometry(392, 42, 80, 26);
  auto* end = new QPushButton("End Search", this);
  end->setObjectName("EndSearchButton");
  end->setGeometry(392, 74, 80, 26);

  chapterHeadings_ = new QCheckBox("Include Chapter Headings", this);
  chapterHeadings_->setObjectName("ChapterHeadings");
  chapterHeadings_->setGeometry(12, 172, 200, 22);
  chapterHeadings_->setChecked(true);
  verseNumbers_ = new QCheckBox("Include Verse Numbers", this);
  verseNumbers_->setObjectName("VerseNumbers");
  verseNumbers_->setGeometry(220, 172, 170, 22);
  verseNumbers_->setChecked(true);

  auto* group = new QGroupBox("Search in the:", this);
  group->setObjectName("SearchGroup");
  group->setGeometry(248, 8, 134, 104);
  auto* choices = new QVBoxLayout(group);
  oldButton_ = new QRadioButton("Old Testament", group);
  oldButton_->setObjectName("SearchGroupOld");
  newButton_ = new QRadioButton("NewTestament", group);
  newButton_->setObjectName("SearchGroupNew");
  apocButton_ = new QRadioButton("Apocrypha", group);
  apocButton_->setObjectName("SearchGroupApocrypha");
  for (QRadioButton* choice : {oldButton_, newButton_, apocButton_}) choices->addWidget(choice);
  newButton_->setChecked(true);

  auto* help = new QPushButton("Help", this);
  help->setObjectName("HelpButton");
  help->setGeometry(392, 106, 80, 26);

  connect(find, &QPushButton::clicked, this, [this] { RunCommand([this] { Find(); }); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);  // Esc too, by QDialog
  connect(end, &QPushButton::clicked, this, [this] {
    RunCommand([this] { EndSearch(); });
    accept();
  });
  connect(help, &QPushButton::clicked, this, &TBibleSearchDlg::HelpClicked);
  for (QRadioButton* choice : {oldButton_, newButton_, apocButton_}) {
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) TestamentChanged();
    });
  }

  // The New Testament is the reader's file at start.
  oldT_->hide();
  apoc_->hide();
  OpenSelectedFile();
  RestoreWindowPosition(*this, kPositionSection);
  const QSettings store(kSettingsCompany, kSettingsProgram);
  chapterHeadings_->setChecked(ReadStoredBool(store, QString(kSettingsSection) + "IncludeChapterHeadings", true));
  verseNumbers_->setChecked(ReadStoredBool(store, QString(kSettingsSection) + "IncludeVerseNumbers", true));
}

TBibleSearchDlg::~TBibleSearchDlg() {
  if (reader_) reader_->CloseBibleFile();
  SaveWindowPosition(*this, kPositionSection);
  QSettings store(kSettingsCompany, kSettingsProgram);
  WriteStoredBool(store, QString(kSettingsSection) + "IncludeChapterHeadings", chapterHeadings_->isChecked());
  WriteStoredBool(store, QString(kSettingsSection) + "IncludeVerseNumbers", verseNumbers_->isChecked());
}

TBibleSearchDlg* TBibleSearchDlg::Of(const TMainForm& main) {
  return main.findChild<TBibleSearchDlg*>("TBibleSearchDlg", Qt::FindDirectChildrenOnly);
}

Testament TBibleSearchDlg::SelectedTestament() const {
  if (oldButton_->isChecked()) return Testament::Old;
  if (apocButton_->isChecked()) return Testament::Apocrypha;
  return Testament::New;
}

void TBibleSearchDlg::SelectTestament(Testament testament) {
  switch (testament) {
    case Testament::Old: oldButton_->setChecked(true); break;
    case Testament::New: newButton_->setChecked(true); break;
    case Testament::Apocrypha: apocButton_->setChecked(true); break;
  }
}

QComboBox* TBibleSearchDlg::VisibleList() const {
  switch (SelectedTestament()) {
    case Testament::Old: return oldT_;
    case Testament::Apocrypha: return apoc_;
    default: return newT_;
  }
}

void TBibleSearchDlg::OpenSelectedFile() {
  if (!reader_) return;
  const Testament testament = SelectedTestament();
  reader_->OpenBibleFile(TestamentFileName(testament));
  reader_->SetApocryphaForm(testament == Testament::Apocrypha);
}

void TBibleSearchDlg::TestamentChanged() {
  OpenSelectedFile();
  QComboBox* visible = VisibleList();
  for (QComboBox* list : {oldT_, newT_, apoc_}) list->setVisible(list == visible);
  visible->setFocus();
}

void TBibleSearchDlg::HelpClicked() {
  RequestHelp(kHelpTopic);  // the help's secondary window shows this topic
  VisibleList()->setFocus();
}

void TBibleSearchDlg::done(int result) {
  QDialog::done(result);
  // Outside the mode the lectionary reads on, and it expects the New
  // Testament whatever testament was picked here.
  if (reader_ && !main_->InBibleSearchMode() && SelectedTestament() != Testament::New) {
    reader_->OpenBibleFile(TestamentFileName(Testament::New));
  }
  VisibleList()->setFocus();
}

void TBibleSearchDlg::ShowForFind(QObject* sender) {
  if (!main_->InBibleSearchMode()) main_->CheckSaveOnLeave(sender);
  KeepOnWorkArea(*this);
  // The reader may have been moved by the lectionary since the last search.
  OpenSelectedFile();
  RunModal(*this);
  main_->ShowStatusText();
}

QString TBibleSearchDlg::PassageText() const {
  if (!reader_) return {};
  const std::string text =
      reader_->ReadPassage(VisibleList()->currentIndex(), startChapter_->text().toStdString(),
                           startVerse_->text().toStdString(), endChapter_->text().toStdString(),
                           endVerse_->text().toStdString(), verseNumbers_->isChecked(), chapterHeadings_->isChecked());
  if (text.empty()) return {};
  // The numbers of the heading are the fields as typed.
  QString heading = VisibleList()->currentText() + " " + startChapter_->text() + ":" + startVerse_->text();
  const bool oneChapter = startChapter_->text().toInt() == endChapter_->text().toInt();
  const bool oneVerse = startVerse_->text().toInt() == endVerse_->text().toInt();
  if (oneChapter && !oneVerse) heading += "-" + endVerse_->text();
  if (!oneChapter) heading += "-" + endChapter_->text() + ":" + endVerse_->text();
  return heading + "\r\n\r\n" + QString::fromStdString(Utf8FromWindows1252(text));
}

void TBibleSearchDlg::Find() {
  WaitCursor wait;
  RedrawFreeze freeze(main_);
  Prompt& prompt = *App().prompt;
  for (const QLineEdit* field : {startChapter_, startVerse_, endChapter_, endVerse_}) {
    if (field->text().isEmpty()) {
      prompt.Ask(PromptKind::Information, kCaption, "Please select all Chapters and Verses.", PromptButtons::Ok);
      return;
    }
  }
  const int startChapter = FieldValue(*startChapter_);
  const int startVerse = FieldValue(*startVerse_);
  const int endChapter = FieldValue(*endChapter_);
  const int endVerse = FieldValue(*endVerse_);
  if (startChapter < 0 || endChapter < 0 || startVerse < 1 || endVerse < 1) {
    prompt.Ask(PromptKind::Information, kCaption,
               "Please correct the Chapter and Verse entries. None \n"
               "of the Chapter entries should be less than 0, and \n"
               "none of the Verse entries should be less than 1.",
               PromptButtons::Ok);
    return;
  }
  if (startChapter > endChapter || (startChapter == endChapter && startVerse > endVerse)) {
    prompt.Ask(PromptKind::Information, kCaption,
               "Please correct the Chapter and Verse entries.\n"
               "\"Ends With\" Chapter and Verse must be equal to\n"
               " or larger than \"Starts With\" Chapter and Verse.",
               PromptButtons::Ok);
    return;
  }

  const Testament testament = SelectedTestament();
  const QString fileName = TestamentFileName(testament);
  const QString folder = reader_ ? QString::fromStdString(reader_->ProgramDirectory().string()) : App().programFolder;
  QString result;
  if (QFile::exists(folder + "/" + fileName)) OpenSelectedFile();
  // An empty or unreadable file is as good as none.
  if (!QFile::exists(folder + "/" + fileName) || (reader_ && !reader_->IsOpen())) {
    result = "Unable to search for the bible passage. The file <" + fileName +
             "> is damaged or missing from the application directory. Please replace the file or reinstall the "
             "Kalendra program.";
  } else {
    result = PassageText();
    if (result.isEmpty() && reader_ && BookWithoutText(*reader_, VisibleList()->currentIndex())) {
      prompt.Ask(PromptKind::Information, kCaption,
                 VisibleList()->currentText() + " has no text in this Bible file, <" + fileName + ">.",
                 PromptButtons::Ok);
      return;
    }
    if (result.isEmpty()) {
      prompt.Ask(PromptKind::Information, kCaption,
                 "The search parameters have been set incorrectly. You may have \n"
                 "searched for a verse that is larger than the last verse in a chapter, \n"
                 "or you may have searched for a chapter that is beyond the end of \n"
                 "the book. Please re-enter your search parameters and try again.",
                 PromptButtons::Ok);
      return;
    }
  }
  setResult(QDialog::Accepted);
  if (!main_->InBibleSearchMode()) EnterSearchMode();
  ShowResult(result);
  main_->FollowSelection();
  accept();
}

void TBibleSearchDlg::EnterSearchMode() {
  QTextEdit* editor = main_->Editor();
  savedCharFormat_ = editor->currentCharFormat();
  const QTextCursor cursor = editor->textCursor();
  savedBlockFormat_ = cursor.blockFormat();
  savedBullets_ = cursor.currentList() != nullptr;
  main_->EnterBibleSearchMode();
}

void TBibleSearchDlg::ShowResult(const QString& text) {
  QTextEdit* editor = main_->Editor();
  editor->clear();
  main_->SetPersonalBackground(false);
  LoadPlainPage(editor, QString(text).replace("\r\n", "\n"));
  editor->moveCursor(QTextCursor::Start);
  editor->document()->setModified(false);
}

void TBibleSearchDlg::EndSearch() {
  if (!main_->InBibleSearchMode()) return;
  RedrawFreeze freeze(main_);
  // The lectionary reads from the New Testament.
  if (reader_) {
    reader_->SetApocryphaForm(false);
    reader_->OpenBibleFile(TestamentFileName(Testament::New));
  }
  QTextEdit* editor = main_->Editor();
  editor->setCurrentCharFormat(savedCharFormat_);
  QTextCursor cursor = editor->textCursor();
  QTextBlockFormat paragraph = cursor.blockFormat();
  paragraph.setAlignment(savedBlockFormat_.alignment());
  cursor.setBlockFormat(paragraph);
  if (!savedBullets_ && cursor.currentList()) cursor.currentList()->remove(cursor.block());
  // The bars, commands and panels come back and the day is reloaded with
  // its icons.
  main_->LeaveBibleSearchMode();
  main_->FollowSelection();
}

}  // namespace kal
