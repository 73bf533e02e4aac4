// FontDialog: the font selection dialog of the Format menu and the edit
// toolbar, with the colour among its effects, a Help button and an Apply
// button that does nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontDialog>
#include <QString>
#include <QVector>
#include <utility>

class QComboBox;

namespace kal {

// What the dialog edits: a font and the colour of its text.
struct FontChoice {
  QFont font;
  QColor colour;
};

class FontDialog : public QFontDialog {
  Q_OBJECT

 public:
  // `colours` are the named colours the dialog offers, as the edit
  // toolbar's colour box lists them.
  FontDialog(const QVector<std::pair<QString, QColor>>& colours, QWidget* parent = nullptr);

  void SetChoice(const FontChoice& choice);
  FontChoice Choice() const;

 private:
  QComboBox* colour_ = nullptr;
  QString givenFamily_, shownFamily_;
};

}  // namespace kal
