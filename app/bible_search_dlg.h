// TBibleSearchDlg: finds a range of chapters and verses in a book of the Old
// Testament, the New Testament or the Apocrypha and shows it in the main
// window's editor, which then stays in Bible search mode until End Search.
// It owns the use of the program's one Bible reader: the file of the chosen
// testament while it searches, NewTstmt.dat for the lectionary otherwise.
#pragma once

#include <QDialog>
#include <QTextBlockFormat>
#include <QTextCharFormat>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kal {

class BibleReader;
class TMainForm;

enum class Testament { Old, New, Apocrypha };

class TBibleSearchDlg : public QDialog {
  Q_OBJECT

 public:
  // Created once at start-up, a child of the main window: opens the New
  // Testament and restores its position and check boxes.
  TBibleSearchDlg(TMainForm* main, BibleReader* reader);
  // Releases the open file and saves the position and check boxes.
  ~TBibleSearchDlg() override;

  // The dialog of a main window, or nullptr.
  static TBibleSearchDlg* Of(const TMainForm& main);

  // Find Bible Verses (the Find Saint command in the Bible readings view):
  // the leave-page check unless the mode is already on, then the dialog
  // wholly on the screen, shown modally.
  void ShowForFind(QObject* sender);

  // The Find button: checks the four fields and shows the passage.
  void Find();
  // Ends Bible search mode (the End Search button and the main window's End
  // Bible Search commands); nothing happens while the mode is off.
  void EndSearch();

  Testament SelectedTestament() const;
  void SelectTestament(Testament testament);

  // The book heading and passage for the fields and check boxes, empty when
  // the files do not hold the range (as Find shows it, CR LF line breaks).
  QString PassageText() const;

 protected:
  void done(int result) override;

 private:
  void TestamentChanged();
  void OpenSelectedFile();
  void EnterSearchMode();
  void ShowResult(const QString& text);
  QComboBox* VisibleList() const;
  void HelpClicked();

  TMainForm* main_;
  BibleReader* reader_;
  QComboBox* oldT_ = nullptr;
  QComboBox* newT_ = nullptr;
  QComboBox* apoc_ = nullptr;
  QLineEdit* startChapter_ = nullptr;
  QLineEdit* startVerse_ = nullptr;
  QLineEdit* endChapter_ = nullptr;
  QLineEdit* endVerse_ = nullptr;
  QCheckBox* chapterHeadings_ = nullptr;
  QCheckBox* verseNumbers_ = nullptr;
  QRadioButton* oldButton_ = nullptr;
  QRadioButton* newButton_ = nullptr;
  QRadioButton* apocButton_ = nullptr;

  // The editor's formats from before the mode, put back when it ends.
  QTextCharFormat savedCharFormat_;
  QTextBlockFormat savedBlockFormat_;
  bool savedBullets_ = false;
};

// The books of each file in index order, as the lists show them.
const QStringList& BookNames(Testament testament);
const char* TestamentFileName(Testament testament);

}  // namespace kal
