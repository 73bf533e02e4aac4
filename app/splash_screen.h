// TSplashScreen: the picture shown while the program starts.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace kal {

class TSplashScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 3000;
  explicit TSplashScreen(QWidget* parent = nullptr);
  // Keeps the splash painted and responsive until its timer's first tick.
  void WaitForTimer();
  bool TimerEnabled() const { return timer_.isActive(); }
  QLabel* Image() const { return image_; }

 private:
  QLabel* image_ = nullptr;
  QTimer timer_;
};

}  // namespace kal
