// A panel used as a button: raised at rest, lowered while the mouse is held
// on it, and clicked on release over it. No repeat while held.
#pragma once

#include <QLabel>

namespace kal {

class ArrowPanel : public QLabel {
  Q_OBJECT

 public:
  ArrowPanel(const QString& name, const QString& caption, QWidget* parent);
  bool Pressed() const { return frameShadow() == QFrame::Sunken; }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kal
