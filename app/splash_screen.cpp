#include "splash_screen.h"

#include <QBuffer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "jpeg_decoder.h"
#include "program_resources.h"

namespace kal {

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TSplashScreen");
  // 371 x 450 at 120 pixels per inch.
  const QSize size(371 * 96 / 120, 450 * 96 / 120);
  setFixedSize(size);
  image_ = new QLabel(this);
  image_->setObjectName("SplashImage");
  image_->setScaledContents(true);
  image_->setGeometry(rect());

  // The picture: resource 5001, decoded by our own JPEG decoder.
  const ProgramResource resource = FindProgramResource(kSplashResource);
  QByteArray bytes(reinterpret_cast<const char*>(resource.data), static_cast<qsizetype>(resource.size));
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  TJPEGStreamDecompressor decoder;
  UseSplashSettings(decoder);
  QImage picture;
  try {
    decoder.Decode(stream, &picture);
  } catch (const EJPEGError&) {
    // A splash without its picture still shows the window's background.
  }
  image_->setPixmap(QPixmap::fromImage(picture));

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
  timer_.setObjectName("Timer");
  timer_.setInterval(kShowMilliseconds);
  timer_.setSingleShot(true);
  timer_.start();
}

void TSplashScreen::WaitForTimer() {
  if (!timer_.isActive()) return;
  QEventLoop wait;
  connect(&timer_, &QTimer::timeout, &wait, &QEventLoop::quit);
  wait.exec();
}

}  // namespace kal
