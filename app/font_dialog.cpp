#include "font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "help_viewer.h"

namespace kal {

namespace {
constexpr int kFontDialogHelp = 265;
}

FontDialog::FontDialog(const QVector<std::pair<QString, QColor>>& colours, QWidget* parent) : QFontDialog(parent) {
  setObjectName("FontDialog");
  setOption(QFontDialog::DontUseNativeDialog);
  setProperty("helpContext", kFontDialogHelp);
  QFont start("Arial");
  start.setPixelSize(17);
  setCurrentFont(start);

  // The colour joins the dialog's effects, below its own controls.
  colour_ = new QComboBox(this);
  colour_->setObjectName("FontDialogColor");
  for (const auto& [name, colour] : colours) {
    QPixmap swatch(12, 12);
    swatch.fill(colour);
    colour_->addItem(QIcon(swatch), name, colour);
  }
  if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel("&Color:", this), row, 0);
    grid->addWidget(colour_, row + 1, 0);
    static_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget())->setBuddy(colour_);
  }
  if (auto* buttons = findChild<QDialogButtonBox*>()) {
    QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
    apply->setObjectName("FontDialogApply");
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setObjectName("FontDialogHelp");
    connect(help, &QPushButton::clicked, this, [] { RequestHelp(kFontDialogHelp); });
  }
}

void FontDialog::SetChoice(const FontChoice& choice) {
  // The dialog lists the faces installed; a name the system stands in for
  // (Times New Roman shown in a metric twin) is offered as the face really
  // used, and given back under its own name unless the user picks another.
  QFont shown = choice.font;
  givenFamily_ = choice.font.family();
  shownFamily_ = QFontInfo(choice.font).family();
  shown.setFamily(shownFamily_);
  setCurrentFont(shown);
  int row = colour_->findData(choice.colour);
  if (row < 0) {
    // A colour the list does not name is kept as a row of its own.
    QPixmap swatch(12, 12);
    swatch.fill(choice.colour);
    colour_->addItem(QIcon(swatch), choice.colour.name(), choice.colour);
    row = colour_->count() - 1;
  }
  colour_->setCurrentIndex(row);
}

FontChoice FontDialog::Choice() const {
  QFont font = currentFont();
  if (!givenFamily_.isEmpty() && font.family() == shownFamily_) font.setFamily(givenFamily_);
  return {font, colour_->currentData().value<QColor>()};
}

}  // namespace kal
