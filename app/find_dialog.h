// FindDialog: the modeless find box. The page search shows its text box,
// Match Case, Whole Word and the direction; the saint search only the text
// box (direction fixed down). Both have Find Next, Cancel and Help.
#pragma once

#include <QDialog>

#include "text_search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QRect;

namespace kal {

// Where a dialog of the given frame goes so that it leaves `match` free:
// unchanged when it does not cover it, else just above the match, else just
// below it, kept within `area` (the screen's).
QPoint PlaceOffMatch(const QRect& frame, const QRect& match, const QRect& area);

class FindDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { PageText, Saint };
  FindDialog(Kind kind, int helpContext, QWidget* parent);

  QString Text() const;
  void SetText(const QString& text);
  SearchOptions Options() const;
  void SetOptions(SearchOptions options);
  // Shows the dialog with its top-left corner at `at`, without waiting.
  void ShowAt(QPoint at);
  // Moves the open dialog off the match it has just selected (global
  // coordinates), above it or else below it, within the screen.
  void MoveOffMatch(const QRect& match);

 signals:
  // Find Next was pressed.
  void FindRequested();

 private:
  QLineEdit* text_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QCheckBox* wholeWord_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QPushButton* findNext_ = nullptr;
};

}  // namespace kal
