#include "app_icon.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace icons {

namespace {

const QColor kCrimson(120, 20, 20);

// The cross in a 48-unit square: upright, title board, arms and the slanted
// footrest, higher on the left as on the icons.
QPainterPath Cross() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.addRect(QRectF(21.5, 6, 5, 37));   // upright
  path.addRect(QRectF(16.5, 10, 15, 3));  // title board
  path.addRect(QRectF(9, 17, 30, 5));     // arms
  QPainterPath footrest;
  footrest.moveTo(14, 31);
  footrest.lineTo(34, 35.5);
  footrest.lineTo(34, 38.5);
  footrest.lineTo(14, 34);
  footrest.closeSubpath();
  return path.united(footrest);
}

}  // namespace

QImage PaintAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 48.0, size / 48.0);

  // Gold ground with a dark border, slightly rounded like a panel icon.
  const QRectF panel(2, 2, 44, 44);
  QLinearGradient gold(panel.topLeft(), panel.bottomRight());
  gold.setColorAt(0, QColor(236, 203, 96));
  gold.setColorAt(0.55, QColor(212, 175, 55));
  gold.setColorAt(1, QColor(170, 130, 35));
  p.setPen(QPen(kCrimson, size <= 24 ? 2.4 : 1.6));
  p.setBrush(gold);
  p.drawRoundedRect(panel, 5, 5);

  // A soft light behind the cross, the halo of the feast icons.
  QRadialGradient glow(QPointF(24, 20), 17);
  glow.setColorAt(0, QColor(255, 246, 200, 200));
  glow.setColorAt(1, QColor(255, 246, 200, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(24, 20), 17, 17);

  p.setBrush(kCrimson);
  p.drawPath(Cross());
  return image;
}

bool WriteAppIcons(const QString& outDir, const QString& name, const QStringList& sizes, QString* error) {
  for (const QString& text : sizes) {
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!ok || size < 16 || size > 1024) {
      *error = QStringLiteral("icon size %1 is not a number from 16 to 1024").arg(text);
      return false;
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
    const QString file = folder + "/" + name + ".png";
    if (!QDir().mkpath(folder) || !PaintAppIcon(size).save(file, "PNG")) {
      *error = "cannot write " + file;
      return false;
    }
  }
  return true;
}

}  // namespace icons
