#include "arrow_panel.h"

#include <QMouseEvent>

namespace kal {

ArrowPanel::ArrowPanel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAlignment(Qt::AlignCenter);
}

void ArrowPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) setFrameShadow(QFrame::Sunken);
  QLabel::mousePressEvent(event);
}

void ArrowPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
  const bool wasPressed = Pressed();
  setFrameShadow(QFrame::Raised);
  if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace kal
