#include "icon_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_context.h"

namespace kal {

IconPanel::IconPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("ContainerPanel");
  setAutoFillBackground(true);
  // The page's own colours: white with black captions in a light palette,
  // and following a dark or high-contrast one.
  setBackgroundRole(QPalette::Base);
  libraries_ = std::make_unique<IconLibraries>(App().programFolder.toStdString());
  decoder_ = std::make_unique<TJPEGStreamDecompressor>();
  UseMainWindowSettings(*decoder_);
  display_ = std::make_unique<IconDisplay>(*libraries_, *decoder_);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  image_ = new QLabel(this);
  image_->setObjectName("MainImage");
  image_->setScaledContents(true);
  column->addWidget(image_);

  caption_ = new QLabel(this);
  caption_->setObjectName("CenterPanel");
  caption_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  caption_->setWordWrap(true);
  caption_->setMargin(8);
  QFont arial("Arial");
  arial.setPixelSize(12);
  caption_->setFont(arial);
  caption_->setForegroundRole(QPalette::Text);
  column->addWidget(caption_, 1);

  bottom_ = new QFrame(this);
  bottom_->setObjectName("BottomPanel");
  auto* bottomLayout = new QVBoxLayout(bottom_);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  nextButton_ = new QPushButton("Show Next Icon      F12", bottom_);
  nextButton_->setObjectName("ShowNextIcon");
  nextButton_->setToolTip("Display the next Icon image");
  nextButton_->setFocusPolicy(Qt::NoFocus);
  bottomLayout->addWidget(nextButton_);
  column->addWidget(bottom_);
  connect(nextButton_, &QPushButton::clicked, this, &IconPanel::NextIconRequested);
  ShowNextIconControls(false);
  SetPanelWidth(0);
}

IconPanel::~IconPanel() = default;

bool IconPanel::ShowDayIcon(uint16_t& key, bool next, bool force, const IconDay& day) {
  const bool loaded = display_->ShowDayIcon(key, next, force, day);
  if (!next) ShowNextIconControls(display_->NextIconShown());
  if (loaded) {
    caption_->setText(QString::fromLatin1(display_->Caption()));
    image_->setPixmap(QPixmap::fromImage(display_->Picture()));
    Rescale();
  }
  return loaded;
}

void IconPanel::Rescale() {
  const ScreenInfo fallback;
  screenHeight_ = (App().screen ? App().screen->Size() : fallback.Size()).height();
  const QSize shown = ScaleIcon(display_->Picture().size(), screenHeight_);
  image_->setFixedHeight(shown.height());
  SetPanelWidth(shown.width());
  FitNextButton();
}

int IconPanel::PictureWidth() const {
  return ScaleIcon(display_->Picture().size(), screenHeight_).width();
}

void IconPanel::SetPanelWidth(int width) {
  width_ = width;
  setFixedWidth(width);
  FitNextButton();
}

QString IconPanel::Caption() const { return caption_->text(); }

void IconPanel::ShowNextIconControls(bool shown) {
  nextShown_ = shown;
  nextButton_->setVisible(shown);
  bottom_->setFixedHeight(shown ? nextButton_->sizeHint().height() : 0);
  emit NextIconAvailable(shown);
}

void IconPanel::FitNextButton() {
  // The button spans the whole panel.
  nextButton_->setFixedWidth(width_);
}

void IconPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  FitNextButton();
}

}  // namespace kal
