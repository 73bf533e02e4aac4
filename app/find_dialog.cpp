#include "find_dialog.h"

#include <QScreen>
#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "help_viewer.h"

namespace kal {

FindDialog::FindDialog(Kind kind, int helpContext, QWidget* parent) : QDialog(parent) {
  const bool page = kind == Kind::PageText;
  setObjectName(page ? "FindDialog" : "FindSaintDialog");
  setWindowTitle(page ? "Find" : "Find Saint");
  setProperty("helpContext", helpContext);
  setModal(false);

  auto* grid = new QGridLayout(this);
  auto* label = new QLabel("Fi&nd what:", this);
  text_ = new QLineEdit(this);
  text_->setObjectName("FindText");
  text_->setMinimumWidth(220);
  label->setBuddy(text_);
  grid->addWidget(label, 0, 0);
  grid->addWidget(text_, 0, 1);

  auto* options = new QVBoxLayout;
  matchCase_ = new QCheckBox("Match &case", this);
  matchCase_->setObjectName("MatchCase");
  wholeWord_ = new QCheckBox("Match &whole word only", this);
  wholeWord_->setObjectName("WholeWord");
  options->addWidget(wholeWord_);
  options->addWidget(matchCase_);
  auto* direction = new QGroupBox("Direction", this);
  direction->setObjectName("Direction");
  auto* directionRow = new QHBoxLayout(direction);
  up_ = new QRadioButton("&Up", direction);
  up_->setObjectName("Up");
  down_ = new QRadioButton("&Down", direction);
  down_->setObjectName("Down");
  down_->setChecked(true);
  directionRow->addWidget(up_);
  directionRow->addWidget(down_);
  auto* lower = new QHBoxLayout;
  lower->addLayout(options);
  lower->addWidget(direction);
  grid->addLayout(lower, 1, 0, 1, 2);
  if (!page) {
    // The saint search always runs forward through the year.
    matchCase_->hide();
    wholeWord_->hide();
    direction->hide();
  }

  auto* buttons = new QVBoxLayout;
  findNext_ = new QPushButton("&Find Next", this);
  findNext_->setObjectName("FindNext");
  findNext_->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("Cancel");
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("Help");
  buttons->addWidget(findNext_);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  buttons->addStretch(1);
  grid->addLayout(buttons, 0, 2, 2, 1);

  connect(findNext_, &QPushButton::clicked, this, &FindDialog::FindRequested);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [helpContext] { RequestHelp(helpContext); });
}

QString FindDialog::Text() const { return text_->text(); }

void FindDialog::SetText(const QString& text) { text_->setText(text); }

SearchOptions FindDialog::Options() const {
  return {down_->isChecked(), matchCase_->isChecked(), wholeWord_->isChecked()};
}

void FindDialog::SetOptions(SearchOptions options) {
  (options.down ? down_ : up_)->setChecked(true);
  matchCase_->setChecked(options.matchCase);
  wholeWord_->setChecked(options.wholeWord);
}

QPoint PlaceOffMatch(const QRect& frame, const QRect& match, const QRect& area) {
  if (!frame.intersects(match)) return frame.topLeft();
  const int margin = 8;
  QPoint at = frame.topLeft();
  if (match.top() - margin - frame.height() >= area.top())
    at.setY(match.top() - margin - frame.height());
  else
    at.setY(match.bottom() + 1 + margin);
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
  return at;
}

void FindDialog::MoveOffMatch(const QRect& match) {
  if (!isVisible() || !screen()) return;
  const QRect frame = frameGeometry();
  const QPoint at = PlaceOffMatch(frame, match, screen()->availableGeometry());
  // move() places the frame's corner for a window.
  if (at != frame.topLeft()) move(at);
}

void FindDialog::ShowAt(QPoint at) {
  move(at);
  show();
  raise();
  activateWindow();
  text_->setFocus();
  text_->selectAll();
}

}  // namespace kal
