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

namespace kal {

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
