#include "figures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace icons {
namespace {

// Pigments of the icon painter's palette.
const QColor kCinnabar(178, 42, 30), kCarmine(134, 24, 40), kOchre(196, 138, 52), kUmber(102, 60, 34),
    kMalachite(46, 110, 78), kAzure(44, 86, 150), kLapis(30, 50, 110), kOlive(110, 112, 52),
    kPurple(96, 40, 82), kRose(196, 112, 104), kSlate(84, 96, 104), kIvory(232, 224, 200), kOxblood(100, 30, 26),
    kSankir(98, 82, 46), kGold(212, 168, 72);

const QColor kGarments[] = {kCinnabar, kCarmine, kOchre, kMalachite, kAzure, kLapis, kOlive, kPurple, kRose, kSlate,
                            kIvory, kOxblood, kUmber};
// Phelonion silks of hierarchs.
const QColor kVestments[] = {kIvory, kRose, kOchre.lighter(120), QColor(150, 180, 210), QColor(170, 200, 160),
                             kCinnabar, QColor(150, 90, 130), QColor(220, 190, 110), QColor(200, 200, 206)};
const QColor kHair[] = {QColor(60, 40, 26), QColor(40, 30, 24), QColor(120, 84, 50), QColor(150, 146, 136),
                        QColor(214, 210, 200), QColor(86, 60, 36)};
const QColor kFlesh[] = {QColor(206, 150, 96), QColor(196, 138, 86), QColor(214, 164, 110), QColor(186, 128, 80)};

QColor Darker(const QColor& c, int factor = 145) { return c.darker(factor); }
QColor Lighter(const QColor& c, int factor = 135) { return c.lighter(factor); }

QPen Line(const QColor& c, double width) {
  QPen pen(c, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QPointF P(const Figure& f, double dx, double dy) { return {f.cx + dx * f.s, f.hy + dy * f.s}; }

// A closed panel on the figure's left and its mirror image on the right
// (mantles and cloaks hang the same on both sides).
void AddMirroredPanels(QPainterPath& path, const Figure& f, std::initializer_list<QPointF> left) {
  for (double side : {1.0, -1.0}) {
    bool first = true;
    for (const QPointF& q : left) {
      const QPointF at = P(f, side * q.x(), q.y());
      if (first) path.moveTo(at); else path.lineTo(at);
      first = false;
    }
    path.closeSubpath();
  }
}

QPainterPath Shoulders(const Figure& f) {
  QPainterPath path;
  path.moveTo(f.cx - 46 * f.s, f.bottom);
  path.quadTo(P(f, -48, 34), P(f, -30, 25));
  path.quadTo(P(f, -14, 19), P(f, -7, 16));
  path.lineTo(P(f, 7, 16));
  path.quadTo(P(f, 14, 19), P(f, 30, 25));
  path.quadTo(P(f, 48, 34), QPointF(f.cx + 46 * f.s, f.bottom));
  path.closeSubpath();
  return path;
}

// Folds: darker strokes over a garment, with light strokes beside them.
void Folds(QPainter& p, const Figure& f, const QColor& base, std::initializer_list<std::array<double, 6>> curves) {
  for (const auto& c : curves) {
    QPainterPath fold;
    fold.moveTo(P(f, c[0], c[1]));
    fold.quadTo(P(f, c[2], c[3]), P(f, c[4], c[5]));
    p.strokePath(fold, Line(Darker(base, 160), 1.3 * std::max(0.6, f.s * 0.7)));
    fold.translate(1.6 * f.s, 0);
    p.strokePath(fold, Line(Lighter(base, 130), 0.7 * std::max(0.6, f.s * 0.7)));
  }
}

void DrawHand(QPainter& p, const Figure& f, QPointF at, bool blessing) {
  p.setPen(Line(Darker(f.flesh, 170), 0.8));
  p.setBrush(f.flesh);
  p.drawEllipse(at, 5 * f.s, 6.5 * f.s);
  if (blessing) {
    // Two fingers raised, the others joined: the sign of the name.
    p.setPen(Line(Darker(f.flesh, 150), 2.2 * f.s));
    p.drawLine(at + QPointF(-1.5 * f.s, -4 * f.s), at + QPointF(-2 * f.s, -11 * f.s));
    p.drawLine(at + QPointF(1.2 * f.s, -4 * f.s), at + QPointF(1.4 * f.s, -10 * f.s));
    p.setPen(Line(f.flesh, 1.4 * f.s));
    p.drawLine(at + QPointF(-1.5 * f.s, -4 * f.s), at + QPointF(-2 * f.s, -10.5 * f.s));
    p.drawLine(at + QPointF(1.2 * f.s, -4 * f.s), at + QPointF(1.4 * f.s, -9.5 * f.s));
  }
}

void DrawScroll(QPainter& p, const Figure& f, QPointF at) {
  p.save();
  p.translate(at);
  p.rotate(f.blessRight ? -8 : 8);
  QRectF sheet(-9 * f.s, -30 * f.s, 18 * f.s, 40 * f.s);
  p.setPen(Line(QColor(120, 100, 70), 0.8));
  p.setBrush(QColor(236, 226, 196));
  p.drawRect(sheet);
  p.setBrush(QColor(214, 200, 164));
  p.drawRoundedRect(QRectF(sheet.left() - 1.5 * f.s, sheet.top() - 3 * f.s, sheet.width() + 3 * f.s, 5 * f.s),
                    2, 2);
  p.setPen(Line(QColor(60, 40, 30), 0.7));
  for (double y = sheet.top() + 5 * f.s; y < sheet.bottom() - 2 * f.s; y += 3.4 * f.s)
    p.drawLine(QPointF(sheet.left() + 2.5 * f.s, y), QPointF(sheet.right() - 2.5 * f.s - std::fmod(y, 4.0), y));
  p.restore();
}

void DrawBook(QPainter& p, const Figure& f, QPointF at, const QColor& cover) {
  QRectF book(at.x() - 11 * f.s, at.y() - 16 * f.s, 22 * f.s, 28 * f.s);
  p.setPen(Line(QColor(70, 40, 20), 0.9));
  p.setBrush(QColor(230, 220, 190));
  p.drawRect(book.translated(1.5 * f.s, 1.5 * f.s));
  p.setBrush(cover);
  p.drawRect(book);
  // Gilded cross and corner bosses of a Gospel book.
  p.setPen(Line(kGold.lighter(120), 2.0 * f.s));
  p.drawLine(QPointF(book.center().x(), book.top() + 5 * f.s), QPointF(book.center().x(), book.bottom() - 5 * f.s));
  p.drawLine(QPointF(book.left() + 6 * f.s, book.top() + 11 * f.s),
             QPointF(book.right() - 6 * f.s, book.top() + 11 * f.s));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 30, 40));
  for (QPointF c : {book.topLeft(), book.topRight(), book.bottomLeft(), book.bottomRight()})
    p.drawEllipse(c + QPointF(c.x() < book.center().x() ? 3 * f.s : -3 * f.s,
                              c.y() < book.center().y() ? 3 * f.s : -3 * f.s),
                  1.6 * f.s, 1.6 * f.s);
}

void DrawHandCross(QPainter& p, const Figure& f, QPointF at) {
  p.setPen(Line(QColor(90, 40, 20), 1.0));
  p.setBrush(kGold.lighter(110));
  const double s = f.s;
  QPainterPath cross;
  cross.addRect(QRectF(at.x() - 1.6 * s, at.y() - 26 * s, 3.2 * s, 30 * s));
  cross.addRect(QRectF(at.x() - 7 * s, at.y() - 20 * s, 14 * s, 3.2 * s));
  p.drawPath(cross.simplified());
}

void DrawStaff(QPainter& p, const Figure& f, QPointF at) {
  p.setPen(Line(QColor(120, 60, 30), 1.8 * f.s));
  p.drawLine(at + QPointF(0, 12 * f.s), at + QPointF(4 * f.s, -70 * f.s));
  p.setPen(Line(kGold, 1.2));
  p.setBrush(QColor(170, 40, 40));
  p.drawEllipse(at + QPointF(4.2 * f.s, -72 * f.s), 3.2 * f.s, 3.2 * f.s);
}

void DrawSphere(QPainter& p, const Figure& f, QPointF at) {
  QRadialGradient g(at + QPointF(-3 * f.s, -3 * f.s), 11 * f.s);
  g.setColorAt(0, QColor(240, 236, 220));
  g.setColorAt(1, QColor(170, 180, 196));
  p.setPen(Line(QColor(90, 70, 50), 0.9));
  p.setBrush(g);
  p.drawEllipse(at + QPointF(0, -6 * f.s), 10 * f.s, 10 * f.s);
  QFont font(QStringLiteral("Liberation Serif"));
  font.setBold(true);
  font.setPixelSize(std::max(6, int(8 * f.s)));
  p.setFont(font);
  p.setPen(QColor(150, 30, 30));
  p.drawText(QRectF(at.x() - 10 * f.s, at.y() - 16 * f.s, 20 * f.s, 20 * f.s), Qt::AlignCenter,
             QStringLiteral("XC"));
}

void DrawWings(QPainter& p, const Figure& f) {
  for (int side : {-1, 1}) {
    QPainterPath wing;
    wing.moveTo(P(f, side * 20, 28));
    wing.cubicTo(P(f, side * 52, -10), P(f, side * 70, -40), P(f, side * 56, -58));
    wing.cubicTo(P(f, side * 62, -20), P(f, side * 62, 30), P(f, side * 52, 80));
    wing.closeSubpath();
    QLinearGradient g(P(f, side * 20, 0), P(f, side * 60, 0));
    g.setColorAt(0, Lighter(f.over, 120));
    g.setColorAt(1, Darker(f.over, 120));
    p.setPen(Line(Darker(f.over, 180), 1.0));
    p.setBrush(g);
    p.drawPath(wing);
    p.setPen(Line(kGold.lighter(125), 0.8));
    for (int i = 0; i < 6; ++i) {
      double t = i / 6.0;
      p.drawLine(P(f, side * (26 + 26 * t), 20 - 60 * t), P(f, side * (50 + 8 * t), 60 - 80 * t));
    }
  }
}

void DrawHead(QPainter& p, const Figure& f) {
  const double s = f.s;
  const bool child = f.vestment == Vestment::ChristChild;
  const bool veiled = f.vestment == Vestment::Female || f.vestment == Vestment::Schema;
  // Hair that falls behind the shoulders goes first.
  if (!veiled && (f.hairStyle == 3 || f.vestment == Vestment::Christ || f.vestment == Vestment::Angel)) {
    QPainterPath back;
    back.moveTo(P(f, -13, -4));
    back.quadTo(P(f, -17, 16), P(f, -12, 26));
    back.lineTo(P(f, 12, 26));
    back.quadTo(P(f, 17, 16), P(f, 13, -4));
    back.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Darker(f.hair, 120));
    p.drawPath(back);
  }
  if (veiled) {
    // Veil or hood framing the face and falling over the shoulders.
    QPainterPath veil;
    veil.moveTo(P(f, -34, 30));
    veil.quadTo(P(f, -22, 14), P(f, -17, 0));
    veil.quadTo(P(f, -18, -20), P(f, 0, -21));
    veil.quadTo(P(f, 18, -20), P(f, 17, 0));
    veil.quadTo(P(f, 22, 14), P(f, 34, 30));
    veil.closeSubpath();
    p.setPen(Line(Darker(f.over, 170), 1.0));
    p.setBrush(f.over);
    p.drawPath(veil);
  }
  // Neck.
  p.setPen(Qt::NoPen);
  p.setBrush(Darker(f.flesh, 115));
  p.drawRect(QRectF(P(f, -5, 8), P(f, 5, 19)));
  // Olive underpaint, then the flesh laid over it, lit from the left.
  p.setBrush(kSankir);
  p.drawEllipse(P(f, 0, 0), 11 * s, 14 * s);
  QRadialGradient flesh(P(f, -3, -3), 15 * s);
  flesh.setColorAt(0, Lighter(f.flesh, 112));
  flesh.setColorAt(0.7, f.flesh);
  flesh.setColorAt(1, Darker(f.flesh, 125));
  p.setBrush(flesh);
  p.drawEllipse(P(f, -0.6, -0.4), 10 * s, 13.2 * s);
  if (veiled) {
    // The cap under the veil and its fringe across the forehead.
    p.setBrush(f.vestment == Vestment::Female ? kLapis : QColor(30, 26, 24));
    QPainterPath cap;
    cap.moveTo(P(f, -11, -2));
    cap.quadTo(P(f, 0, -20), P(f, 11, -2));
    cap.quadTo(P(f, 0, -11), P(f, -11, -2));
    p.drawPath(cap);
    p.setPen(Line(kGold, 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath fringe;
    fringe.moveTo(P(f, -17, 2));
    fringe.quadTo(P(f, -17, -20), P(f, 0, -20.5));
    fringe.quadTo(P(f, 17, -20), P(f, 17, 2));
    p.drawPath(fringe);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(f.hair);
    QPainterPath hair;
    switch (f.hairStyle) {
      case 1:  // high forehead
        hair.moveTo(P(f, -11, 0));
        hair.quadTo(P(f, -12, -12), P(f, -6, -12));
        hair.quadTo(P(f, 0, -8), P(f, 6, -12));
        hair.quadTo(P(f, 12, -12), P(f, 11, 0));
        hair.quadTo(P(f, 13, -17), P(f, 0, -16));
        hair.quadTo(P(f, -13, -17), P(f, -11, 0));
        break;
      case 2:  // bald crown with a fringe at the temples
        hair.moveTo(P(f, -11, 2));
        hair.quadTo(P(f, -12, -8), P(f, -8, -10));
        hair.lineTo(P(f, -9, 2));
        hair.closeSubpath();
        hair.moveTo(P(f, 11, 2));
        hair.quadTo(P(f, 12, -8), P(f, 8, -10));
        hair.lineTo(P(f, 9, 2));
        hair.closeSubpath();
        break;
      default:  // full hair, parted in the middle
        hair.moveTo(P(f, -11, 3));
        hair.quadTo(P(f, -13, -16), P(f, 0, -16));
        hair.quadTo(P(f, 13, -16), P(f, 11, 3));
        hair.quadTo(P(f, 9, -8), P(f, 1, -10));
        hair.lineTo(P(f, -1, -10));
        hair.quadTo(P(f, -9, -8), P(f, -11, 3));
        break;
    }
    p.drawPath(hair);
    if (f.vestment == Vestment::Angel) {
      // Ribbons of the angelic diadem.
      p.setPen(Line(kAzure.lighter(120), 1.6 * s));
      p.drawLine(P(f, -11, -6), P(f, -20, 4));
      p.drawLine(P(f, 11, -6), P(f, 20, 4));
      p.setPen(Line(kGold, 1.4 * s));
      p.drawLine(P(f, -10, -9), P(f, 10, -9));
    }
  }
  if (f.beardStyle > 0 && !child) {
    const double len = std::array<double, 5>{0, 19, 22, 27, 34}[f.beardStyle];
    QPainterPath beard;
    beard.moveTo(P(f, -10, 2));
    if (f.beardStyle == 3) {
      beard.quadTo(P(f, -9, len - 6), P(f, 0, len));
      beard.quadTo(P(f, 9, len - 6), P(f, 10, 2));
    } else {
      beard.quadTo(P(f, -12, len), P(f, 0, len));
      beard.quadTo(P(f, 12, len), P(f, 10, 2));
    }
    beard.quadTo(P(f, 6, 10), P(f, 0, 9));
    beard.quadTo(P(f, -6, 10), P(f, -10, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(f.beard);
    p.drawPath(beard);
    p.setPen(Line(Lighter(f.beard, 125), 0.6));
    for (int i = -2; i <= 2; ++i) p.drawLine(P(f, i * 3, 11), P(f, i * 3.4, len - 3));
    // Moustache.
    p.setPen(Line(Darker(f.beard, 120), 1.4 * s));
    p.drawLine(P(f, -1, 6.5), P(f, -6, 9));
    p.drawLine(P(f, 1, 6.5), P(f, 6, 9));
  }
  // Eyes, brows, the long nose and a small mouth.
  p.setPen(Line(QColor(60, 36, 24), 0.9 * s));
  p.drawArc(QRectF(P(f, -8, -6), P(f, -2, -2)), 20 * 16, 140 * 16);
  p.drawArc(QRectF(P(f, 2, -6), P(f, 8, -2)), 20 * 16, 140 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(44, 30, 22));
  p.drawEllipse(P(f, -4.8, -2.6), 1.3 * s, 1.0 * s);
  p.drawEllipse(P(f, 4.8, -2.6), 1.3 * s, 1.0 * s);
  p.setPen(Line(Darker(f.flesh, 180), 0.8 * s));
  p.drawLine(P(f, 0.6, -3), P(f, 1.2, 4.5));
  p.drawLine(P(f, 1.2, 4.5), P(f, -1.4, 5));
  p.setPen(Line(QColor(150, 60, 50), 1.1 * s));
  p.drawLine(P(f, -2, 8.6), P(f, 2, 8.6));
  // White highlights on brow and cheek.
  p.setPen(Line(QColor(250, 236, 210), 0.6));
  p.drawLine(P(f, -5, -8), P(f, -1, -9));
  p.drawLine(P(f, -7, 2), P(f, -6, 4));
}

void DrawVestment(QPainter& p, const Figure& f) {
  const QPainterPath body = Shoulders(f);
  p.setPen(Line(Darker(f.under, 170), 1.0));
  p.setBrush(f.under);
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  switch (f.vestment) {
    case Vestment::Hierarch: {
      // Phelonion strewn with crosses, the white omophorion over it.
      // Strewn crosses, crosses in roundels, or plain silk with gilt seams.
      p.setPen(Line(Darker(f.under, 150), 1.0 * f.s));
      const double step = (f.pattern == 1 ? 13 : 9) * f.s;
      int row = 0;
      for (double y = f.hy + 22 * f.s; f.pattern != 2 && y < f.bottom; y += step, ++row)
        for (double x = f.cx - 50 * f.s + (row % 2) * step / 2; x < f.cx + 50 * f.s; x += step) {
          if (f.pattern == 1) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(x, y), 4.5 * f.s, 4.5 * f.s);
          }
          p.drawLine(QPointF(x - 2 * f.s, y), QPointF(x + 2 * f.s, y));
          p.drawLine(QPointF(x, y - 2 * f.s), QPointF(x, y + 2 * f.s));
        }
      if (f.pattern == 2) {
        p.setPen(Line(kGold, 2.0 * f.s));
        p.drawLine(P(f, -30, 30), P(f, -36, 140));
        p.drawLine(P(f, 30, 30), P(f, 36, 140));
      }
      QPainterPath omophorion;
      omophorion.moveTo(P(f, -34, 30));
      omophorion.quadTo(P(f, 0, 52), P(f, 34, 30));
      omophorion.moveTo(P(f, -10, 42));
      omophorion.lineTo(P(f, -14, 120));
      QPen band(QColor(238, 234, 222), 10 * f.s);
      p.strokePath(omophorion, band);
      p.strokePath(omophorion, Line(QColor(180, 170, 150), 0.6));
      p.setPen(Line(QColor(30, 24, 22), 2.0 * f.s));
      for (QPointF c : {P(f, -24, 38), P(f, 22, 38), P(f, -12, 70), P(f, -13, 98)}) {
        p.drawLine(c + QPointF(-3 * f.s, 0), c + QPointF(3 * f.s, 0));
        p.drawLine(c + QPointF(0, -3 * f.s), c + QPointF(0, 3 * f.s));
      }
      break;
    }
    case Vestment::Monastic:
    case Vestment::Schema: {
      // Mantle gathered at the neck; the schema's cross and letters on the chest.
      QPainterPath mantle;
      AddMirroredPanels(mantle, f, {{-60, 30}, {-4, 18}, {-16, 140}, {-60, 140}});
      p.setPen(Qt::NoPen);
      p.setBrush(f.vestment == Vestment::Schema ? Darker(f.over, 190) : Darker(f.over, 120));
      p.drawPath(mantle);
      Folds(p, f, f.over, {{{-30, 40, -34, 80, -30, 130}}, {{30, 40, 36, 80, 32, 130}}});
      if (f.vestment == Vestment::Schema) {
        p.setPen(Line(QColor(190, 40, 30), 1.6 * f.s));
        p.drawLine(P(f, 0, 44), P(f, 0, 76));
        p.drawLine(P(f, -8, 54), P(f, 8, 54));
        p.drawLine(P(f, -6, 66), P(f, 6, 62));
      }
      break;
    }
    case Vestment::Angel: {
      // The loros, a jewelled band crossing the chest.
      QPainterPath loros;
      loros.moveTo(P(f, -30, 26));
      loros.lineTo(P(f, 30, 70));
      loros.moveTo(P(f, 30, 26));
      loros.lineTo(P(f, -30, 70));
      p.strokePath(loros, QPen(kGold, 8 * f.s));
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 7; ++i) {
        p.setBrush(i % 2 ? QColor(160, 30, 40) : QColor(40, 110, 90));
        p.drawEllipse(P(f, -30 + i * 10, 26 + i * 7.3), 1.8 * f.s, 1.8 * f.s);
        p.drawEllipse(P(f, 30 - i * 10, 26 + i * 7.3), 1.8 * f.s, 1.8 * f.s);
      }
      break;
    }
    default: {
      // Chiton with its stripe, the himation over the left shoulder.
      p.setPen(Qt::NoPen);
      p.setBrush(f.vestment == Vestment::Christ ? kGold : Darker(f.under, 130));
      p.drawRect(QRectF(P(f, 18, 20), P(f, 23, 140)));
      QPainterPath himation;
      himation.moveTo(P(f, -60, 140));
      himation.lineTo(P(f, -48, 30));
      himation.lineTo(P(f, -28, 23));
      himation.lineTo(P(f, -10, 20));
      himation.quadTo(P(f, 6, 50), P(f, 20, 72));
      himation.lineTo(P(f, 34, 140));
      himation.closeSubpath();
      if (f.vestment == Vestment::Martyr) {
        // A cloak clasped at the throat instead.
        himation = QPainterPath();
        AddMirroredPanels(himation, f, {{-60, 140}, {-48, 30}, {-4, 19}, {-16, 140}});
      }
      p.setBrush(f.over);
      p.drawPath(himation);
      if (f.vestment == Vestment::Christ || f.vestment == Vestment::ChristChild) {
        p.setPen(Line(kGold.lighter(115), 0.7));
        for (int i = 0; i < 6; ++i) p.drawLine(P(f, -40 + i * 6, 40 + i * 3), P(f, -30 + i * 8, 130));
      }
      Folds(p, f, f.over, {{{-38, 40, -30, 80, -40, 130}}, {{-20, 30, -8, 60, 4, 130}}, {{-30, 36, -20, 70, -22, 130}}});
      if (f.vestment == Vestment::Martyr) {
        p.setPen(Line(kGold.darker(110), 1.0));
        p.setBrush(kGold);
        p.drawEllipse(P(f, 0, 22), 3 * f.s, 3 * f.s);
      }
      break;
    }
  }
  p.restore();
}

}  // namespace

Figure MakeFigure(Variation& v, Vestment vestment, double cx, double hy, double s, double bottom) {
  Figure f;
  f.cx = cx;
  f.hy = hy;
  f.s = s;
  f.bottom = bottom;
  f.vestment = vestment;
  f.under = Vary(v, v.Pick(kGarments));
  do {
    f.over = Vary(v, v.Pick(kGarments));
  } while (std::abs(f.over.hslHue() - f.under.hslHue()) < 20 && std::abs(f.over.lightness() - f.under.lightness()) < 40);
  f.flesh = Vary(v, v.Pick(kFlesh), 4, 8);
  f.hair = v.Pick(kHair);
  f.beard = v.Chance(0.7) ? f.hair : kHair[3 + v.Below(2)];
  f.halo = Vary(v, QColor(232, 196, 100), 4, 8);
  f.haloRing = Vary(v, QColor(150, 50, 30), 10, 16);
  f.hairStyle = v.Below(4);
  f.beardStyle = v.Below(5);
  f.blessRight = v.Chance(0.5);
  f.punchedHalo = v.Chance(0.5);
  switch (vestment) {
    case Vestment::Hierarch:
      f.under = Vary(v, v.Pick(kVestments));
      f.pattern = v.Below(3);
      f.attribute = Attribute::Book;
      f.hairStyle = 1 + v.Below(2);
      f.beardStyle = 1 + v.Below(4);
      break;
    case Vestment::Monastic:
    case Vestment::Schema:
    {
      // Undyed wool in its many shades: brown, grey, olive, near black.
      const QColor robes[] = {kUmber, QColor(70, 56, 44), kOlive.darker(140), kSlate, QColor(110, 84, 60)};
      const QColor mantles[] = {QColor(80, 60, 44), kSlate, QColor(60, 50, 70), QColor(40, 56, 50),
                                QColor(96, 70, 50), QColor(50, 44, 40)};
      f.under = Vary(v, v.Pick(robes), 6, 12);
      f.over = Vary(v, v.Pick(mantles), 8, 12);
    }
      f.attribute = v.Chance(0.6) ? Attribute::Scroll : Attribute::Cross;
      f.beardStyle = 2 + v.Below(3);
      f.beard = kHair[3 + v.Below(3) % 2];
      break;
    case Vestment::Martyr:
      f.over = Vary(v, v.Chance(0.6) ? kCinnabar : kCarmine);
      if (f.under.hslHue() == f.over.hslHue()) f.under = Vary(v, kMalachite);
      f.attribute = Attribute::Cross;
      f.beardStyle = v.Below(3);
      break;
    case Vestment::Female:
      f.over = Vary(v, v.Pick(kGarments));
      if (f.over.lightness() > 180) f.over = Vary(v, kCarmine);
      f.attribute = v.Chance(0.7) ? Attribute::Cross : Attribute::Scroll;
      f.beardStyle = 0;
      break;
    case Vestment::Angel:
      f.over = Vary(v, v.Chance(0.5) ? kOchre : kMalachite);
      f.under = Vary(v, v.Chance(0.5) ? kCinnabar : kAzure);
      f.attribute = v.Chance(0.5) ? Attribute::Staff : Attribute::Sphere;
      f.beardStyle = 0;
      f.hairStyle = 0;
      f.hair = kHair[2];
      break;
    case Vestment::Christ:
      f.under = Vary(v, kOxblood, 4, 8);
      f.over = Vary(v, kLapis, 6, 10);
      f.hair = kHair[0];
      f.beard = kHair[0];
      f.hairStyle = 3;
      f.beardStyle = 2;
      f.crossHalo = true;
      f.attribute = Attribute::Book;
      f.leftLetters = QStringLiteral("IC");
      f.rightLetters = QStringLiteral("XC");
      break;
    case Vestment::ChristChild:
      f.under = Vary(v, kOchre, 4, 8);
      f.over = Vary(v, kOchre.darker(115), 4, 8);
      f.hair = kHair[2];
      f.beardStyle = 0;
      f.hairStyle = 0;
      f.crossHalo = true;
      f.attribute = Attribute::Scroll;
      break;
    case Vestment::Chiton:
      f.attribute = v.Chance(0.5) ? Attribute::Scroll : Attribute::Book;
      break;
  }
  return f;
}

void DrawHalo(QPainter& p, QPointF centre, double radius, const QColor& fill, const QColor& ring, bool punched,
              bool cross) {
  QRadialGradient g(centre, radius);
  g.setColorAt(0, fill.lighter(112));
  g.setColorAt(1, fill);
  p.setPen(Line(ring, 1.6));
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.setPen(Line(ring.lighter(130), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius - 3, radius - 3);
  if (punched) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill.darker(125));
    const int dots = std::max(12, int(radius * 1.2));
    for (int i = 0; i < dots; ++i) {
      double a = 2 * M_PI * i / dots;
      p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * (radius - 6), 1.0, 1.0);
    }
  }
  if (cross) {
    p.setPen(Line(QColor(150, 30, 30), std::max(1.5, radius / 9)));
    for (double a : {-90.0, 0.0, 180.0}) {
      double r = a * M_PI / 180;
      p.drawLine(centre + QPointF(std::cos(r), std::sin(r)) * radius * 0.55,
                 centre + QPointF(std::cos(r), std::sin(r)) * (radius - 2));
    }
  }
}

void DrawFigure(QPainter& p, const Figure& f) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (f.vestment == Vestment::Angel) DrawWings(p, f);
  DrawHalo(p, P(f, 0, -2), 24 * f.s, f.halo, f.haloRing, f.punchedHalo, f.crossHalo);
  if (!f.leftLetters.isEmpty()) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(std::max(7, int(11 * f.s)));
    p.setFont(font);
    p.setPen(QColor(150, 32, 28));
    p.drawText(QRectF(P(f, -52, -24), P(f, -26, -8)), Qt::AlignCenter, f.leftLetters);
    p.drawText(QRectF(P(f, 26, -24), P(f, 52, -8)), Qt::AlignCenter, f.rightLetters);
  }
  DrawVestment(p, f);
  DrawHead(p, f);
  const double side = f.blessRight ? 1 : -1;
  const QPointF blessAt = P(f, side * 16, 56);
  const QPointF holdAt = P(f, -side * 16, 62);
  switch (f.attribute) {
    case Attribute::Scroll: DrawScroll(p, f, holdAt); break;
    case Attribute::Book: DrawBook(p, f, holdAt, f.vestment == Vestment::Hierarch ? QColor(160, 40, 36) : kGold); break;
    case Attribute::Cross: DrawHandCross(p, f, holdAt); break;
    case Attribute::Staff: DrawStaff(p, f, holdAt); break;
    case Attribute::Sphere: DrawSphere(p, f, holdAt); break;
    case Attribute::None: break;
  }
  if (f.attribute != Attribute::None) DrawHand(p, f, holdAt + QPointF(0, 6 * f.s), false);
  if (f.vestment != Vestment::ChristChild) DrawHand(p, f, blessAt, true);
  p.restore();
}

void DrawGround(QPainter& p, QRectF area, const QColor& earth) {
  QLinearGradient g(area.topLeft(), area.bottomLeft());
  g.setColorAt(0, earth.lighter(115));
  g.setColorAt(1, earth.darker(125));
  p.fillRect(area, g);
  p.setPen(Line(earth.lighter(140), 0.8));
  for (double y = area.top() + 4; y < area.bottom(); y += 5)
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y + 1));
}

void DrawHills(QPainter& p, Variation& v, QRectF field, double groundTop, const QColor& rock) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (int side : {-1, 1}) {
    const double base = side < 0 ? field.left() : field.right();
    const double peak = groundTop - v.Range(60, 120);
    QPainterPath hill;
    hill.moveTo(base, groundTop);
    hill.lineTo(base, peak + 20);
    // Stepped ledges of an icon's mountains.
    double x = base, y = peak + 20;
    for (int i = 0; i < 4; ++i) {
      x -= side * v.Range(6, 14);
      y -= v.Range(4, 12);
      hill.lineTo(x, y);
      hill.lineTo(x - side * v.Range(4, 8), y + v.Range(8, 16));
    }
    hill.lineTo(base - side * field.width() * 0.34, groundTop);
    hill.closeSubpath();
    QLinearGradient g(QPointF(base, peak), QPointF(base, groundTop));
    g.setColorAt(0, rock.lighter(150));
    g.setColorAt(1, rock);
    p.setPen(Line(rock.darker(150), 1.0));
    p.setBrush(g);
    p.drawPath(hill);
    p.setPen(Line(rock.lighter(170), 0.8));
    for (int i = 0; i < 5; ++i) {
      double yy = groundTop - 8 - i * 12;
      p.drawLine(QPointF(base - side * 4, yy), QPointF(base - side * (12 + v.Range(0, 14)), yy - 4));
    }
  }
  p.restore();
}

void DrawBuildings(QPainter& p, Variation& v, QRectF field, double groundTop) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QColor walls[] = {QColor(214, 170, 150), QColor(190, 196, 160), QColor(220, 200, 160), QColor(176, 170, 190)};
  double tops[2];
  for (int side : {-1, 1}) {
    const double w = field.width() * v.Range(0.2, 0.26);
    const double h = v.Range(90, 140);
    const double x = side < 0 ? field.left() : field.right() - w;
    const QColor wall = Vary(v, v.Pick(walls), 6, 10);
    QRectF tower(x, groundTop - h, w, h);
    tops[side < 0 ? 0 : 1] = tower.top();
    p.setPen(Line(wall.darker(170), 1.0));
    p.setBrush(wall);
    p.drawRect(tower);
    p.setBrush(wall.darker(125));
    p.drawRect(QRectF(tower.left(), tower.top() - 8, tower.width(), 8));
    // Roof: a dome or a gable.
    QPainterPath roof;
    if (v.Chance(0.5)) {
      roof.moveTo(tower.left() + 2, tower.top() - 8);
      roof.quadTo(tower.center().x(), tower.top() - 8 - w * 0.9, tower.right() - 2, tower.top() - 8);
    } else {
      roof.moveTo(tower.left() - 2, tower.top() - 8);
      roof.lineTo(tower.center().x(), tower.top() - 8 - w * 0.5);
      roof.lineTo(tower.right() + 2, tower.top() - 8);
    }
    roof.closeSubpath();
    p.setBrush(Vary(v, QColor(70, 110, 100)));
    p.drawPath(roof);
    p.setBrush(QColor(40, 30, 30));
    for (double wy = tower.top() + 10; wy < groundTop - 20; wy += 26)
      p.drawRoundedRect(QRectF(tower.center().x() - 3, wy, 6, 12), 3, 3);
  }
  // The red cloth hung between buildings: the scene is indoors.
  if (v.Chance(0.6)) {
    QPainterPath velum;
    const double y = std::min(tops[0], tops[1]) + 4;
    velum.moveTo(field.left() + field.width() * 0.2, y);
    velum.quadTo(field.center().x(), y + 18, field.right() - field.width() * 0.2, y);
    p.strokePath(velum, QPen(Vary(v, kCinnabar), 4));
  }
  p.restore();
}

void DrawHeavenSegment(QPainter& p, Variation& v, QPointF centre, double radius, bool rays) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(centre, radius);
  g.setColorAt(0, QColor(20, 30, 70));
  g.setColorAt(0.6, Vary(v, kAzure, 6, 8));
  g.setColorAt(1, QColor(120, 150, 190));
  p.setPen(Line(QColor(240, 230, 200), 1.0));
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  if (rays) {
    p.setPen(Line(QColor(240, 232, 210, 200), 1.2));
    for (int i = 0; i < 3; ++i) {
      double a = (70 + i * 20) * M_PI / 180;
      p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * radius,
                 centre + QPointF(std::cos(a), std::sin(a)) * radius * 3.2);
    }
  }
  p.restore();
}

void DrawCrossScene(QPainter& p, Variation& v, QRectF field, double groundTop) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double cx = field.center().x();
  // Golgotha with the cave of Adam beneath the cross.
  QPainterPath hill;
  hill.moveTo(cx - 50, groundTop);
  hill.quadTo(cx, groundTop - 40, cx + 50, groundTop);
  hill.closeSubpath();
  p.setPen(Line(QColor(80, 60, 40), 1));
  p.setBrush(Vary(v, QColor(150, 120, 80)));
  p.drawPath(hill);
  p.setBrush(QColor(30, 24, 20));
  p.drawEllipse(QPointF(cx, groundTop - 10), 10, 7);
  p.setBrush(QColor(226, 216, 190));
  p.drawEllipse(QPointF(cx, groundTop - 10), 4, 3.5);
  // Rays behind the cross.
  const QPointF heart(cx, field.top() + (groundTop - field.top()) * 0.36);
  p.setPen(Line(QColor(250, 236, 190), 1.0));
  for (int i = 0; i < 24; ++i) {
    double a = 2 * M_PI * i / 24;
    p.drawLine(heart + QPointF(std::cos(a), std::sin(a)) * 20, heart + QPointF(std::cos(a), std::sin(a)) * 70);
  }
  const QColor wood = Vary(v, QColor(120, 60, 30), 6, 10);
  p.setPen(Line(wood.darker(160), 1.2));
  p.setBrush(wood);
  QPainterPath cross;
  const double top = field.top() + 16, bottom = groundTop - 26;
  cross.addRect(QRectF(cx - 5, top, 10, bottom - top));
  cross.addRect(QRectF(cx - 12, top + 14, 24, 6));                     // title board
  cross.addRect(QRectF(cx - 44, heart.y() - 5, 88, 10));              // arms
  p.drawPath(cross.simplified());
  QPainterPath foot;
  foot.addRect(QRectF(-18, -3, 36, 6));
  p.save();
  p.translate(cx, bottom - 34);
  p.rotate(-20);
  p.drawPath(foot);
  p.restore();
  // Flowering plants at the foot: the tree of life.
  p.setPen(Line(QColor(50, 100, 60), 1.4));
  for (int side : {-1, 1})
    for (int i = 0; i < 3; ++i)
      p.drawLine(QPointF(cx + side * (18 + i * 10), groundTop - 4),
                 QPointF(cx + side * (22 + i * 12), groundTop - 22 - i * 6));
  p.restore();
}

void DrawNativityScene(QPainter& p, Variation& v, QRectF field, double groundTop) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double cx = field.center().x() + v.Range(-10, 10);
  const QColor rock = Vary(v, QColor(200, 170, 120), 10, 16);
  // The mountain with stepped peaks, different on every day.
  QPainterPath mountain;
  mountain.moveTo(field.left(), groundTop);
  mountain.lineTo(field.left() + v.Range(4, 16), field.top() + v.Range(70, 110));
  mountain.lineTo(cx - v.Range(16, 30), field.top() + v.Range(34, 52));
  mountain.lineTo(cx, field.top() + v.Range(22, 36));
  mountain.lineTo(cx + v.Range(16, 30), field.top() + v.Range(34, 56));
  mountain.lineTo(field.right() - v.Range(4, 16), field.top() + v.Range(70, 116));
  mountain.lineTo(field.right(), groundTop);
  mountain.closeSubpath();
  QLinearGradient g(QPointF(cx, field.top()), QPointF(cx, groundTop));
  g.setColorAt(0, rock.lighter(125));
  g.setColorAt(1, rock.darker(110));
  p.setPen(Line(rock.darker(160), 1));
  p.setBrush(g);
  p.drawPath(mountain);
  p.setPen(Line(rock.lighter(150), 0.8));
  for (int i = 0; i < 6; ++i) {
    const double y = field.top() + 60 + i * 18;
    p.drawLine(QPointF(field.left() + 8 + v.Range(0, 10), y), QPointF(field.left() + 24 + v.Range(0, 14), y - 6));
    p.drawLine(QPointF(field.right() - 8 - v.Range(0, 10), y), QPointF(field.right() - 24 - v.Range(0, 14), y - 6));
  }
  // The dark cave with the manger and the Child.
  const double caveY = field.top() + v.Range(100, 120);
  p.setPen(Line(rock.darker(160), 1));
  p.setBrush(QColor(26, 22, 20));
  p.drawEllipse(QPointF(cx, caveY), 36, 32);
  p.setBrush(QColor(210, 200, 170));
  p.drawRect(QRectF(cx - 22, caveY - 4, 44, 16));
  p.setBrush(QColor(240, 236, 226));
  p.drawRoundedRect(QRectF(cx - 17, caveY - 12, 34, 10), 5, 5);
  p.setBrush(QColor(206, 150, 96));
  p.drawEllipse(QPointF(cx - 18, caveY - 7), 5, 5);
  // Ox and ass looking on.
  p.setBrush(QColor(120, 80, 50));
  p.drawEllipse(QPointF(cx - 4, caveY - 22), 7, 5);
  p.setBrush(QColor(110, 110, 110));
  p.drawEllipse(QPointF(cx + 12, caveY - 20), 6, 4);
  // The Mother of God resting beside the cave, on one side or the other.
  const double side = v.Chance(0.5) ? -1 : 1;
  Figure mother = MakeFigure(v, Vestment::Female, cx + side * 34, caveY + 40, 0.55, groundTop);
  mother.over = Vary(v, kOxblood);
  mother.attribute = Attribute::None;
  DrawFigure(p, mother);
  // Star and ray from heaven.
  const double starX = cx + v.Range(-6, 6);
  DrawHeavenSegment(p, v, QPointF(starX, field.top() - 6), 26, true);
  p.setPen(Line(QColor(250, 240, 200), 1.4));
  p.drawLine(QPointF(starX, field.top() + 18), QPointF(cx, caveY - 14));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 244, 210));
  p.drawEllipse(QPointF(starX, field.top() + 22), 3.5, 3.5);
  p.restore();
}

void DrawTheophanyScene(QPainter& p, Variation& v, QRectF field, double groundTop) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double cx = field.center().x();
  DrawHills(p, v, field, groundTop, Vary(v, QColor(170, 140, 100)));
  Figure christ = MakeFigure(v, Vestment::Christ, cx, field.top() + 78, 0.85, groundTop);
  christ.attribute = Attribute::None;
  christ.over = QColor(0, 0, 0, 0);
  christ.under = christ.flesh;
  DrawFigure(p, christ);
  // The Jordan rising about him, deep green-blue between the banks.
  QPainterPath river;
  river.moveTo(cx - 34, field.top() + 120);
  river.quadTo(cx, field.top() + 112, cx + 34, field.top() + 120);
  river.quadTo(cx + 44, groundTop - 30, cx + 54, groundTop);
  river.lineTo(cx - 54, groundTop);
  river.quadTo(cx - 44, groundTop - 30, cx - 34, field.top() + 120);
  river.closeSubpath();
  QLinearGradient water(QPointF(cx, field.top() + 112), QPointF(cx, groundTop));
  water.setColorAt(0, QColor(90, 140, 160, 215));
  water.setColorAt(1, QColor(24, 60, 90, 240));
  p.setPen(Qt::NoPen);
  p.setBrush(water);
  p.drawPath(river);
  p.setPen(Line(QColor(200, 226, 236), 0.8));
  for (double y = field.top() + 126; y < groundTop - 2; y += 6)
    p.drawLine(QPointF(cx - 24 + std::fmod(y * 3, 20), y), QPointF(cx - 12 + std::fmod(y * 3, 20), y + 2));
  DrawHeavenSegment(p, v, QPointF(cx, field.top() - 8), 28, true);
  // The Spirit descending as a dove.
  p.setPen(Line(QColor(90, 90, 90), 0.8));
  p.setBrush(QColor(250, 250, 246));
  p.drawEllipse(QPointF(cx, field.top() + 30), 6, 4);
  p.drawEllipse(QPointF(cx - 7, field.top() + 28), 5, 2);
  p.drawEllipse(QPointF(cx + 7, field.top() + 28), 5, 2);
  p.restore();
}

void DrawMandorlaScene(QPainter& p, Variation& v, QRectF field, double groundTop, bool whiteGarments) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double cx = field.center().x();
  DrawHills(p, v, field, groundTop, Vary(v, QColor(150, 160, 120)));
  const QPointF c(cx, field.top() + (groundTop - field.top()) * 0.48);
  const double rx = field.width() * 0.42, ry = (groundTop - field.top()) * 0.47;
  const QColor blues[] = {QColor(150, 180, 210), QColor(90, 120, 170), QColor(40, 60, 110)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(Line(QColor(240, 230, 200), 0.8));
    p.setBrush(Vary(v, blues[i], 4, 6));
    p.drawEllipse(c, rx * (1 - 0.16 * i), ry * (1 - 0.12 * i));
  }
  // Rays from the centre: the uncreated light.
  p.setPen(Line(QColor(240, 232, 200), 1.0));
  for (int i = 0; i < 8; ++i) {
    double a = 2 * M_PI * (i + 0.5) / 8;
    p.drawLine(c + QPointF(std::cos(a) * rx * 0.3, std::sin(a) * ry * 0.3),
               c + QPointF(std::cos(a) * rx * 0.98, std::sin(a) * ry * 0.98));
  }
  Figure christ = MakeFigure(v, Vestment::Christ, cx, c.y() - ry * 0.38, 1.0, c.y() + ry * 0.8);
  if (whiteGarments) {
    christ.under = QColor(246, 244, 236);
    christ.over = QColor(226, 226, 220);
  }
  p.save();
  QPainterPath inner;
  inner.addEllipse(c, rx * 0.68, ry * 0.76);
  p.setClipPath(inner);
  DrawFigure(p, christ);
  p.restore();
  p.restore();
}

void DrawThrone(QPainter& p, Variation& v, QPointF c, double s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The prepared throne with the Gospel on it and the cross behind.
  p.setPen(Line(QColor(90, 50, 30), 1));
  p.setBrush(Vary(v, QColor(150, 40, 40)));
  p.drawRect(QRectF(c.x() - 20 * s, c.y(), 40 * s, 22 * s));
  p.setBrush(kGold);
  p.drawRect(QRectF(c.x() - 24 * s, c.y() - 4 * s, 48 * s, 5 * s));
  p.setPen(Line(QColor(110, 60, 30), 3 * s));
  p.drawLine(QPointF(c.x(), c.y() - 4 * s), QPointF(c.x(), c.y() - 40 * s));
  p.drawLine(QPointF(c.x() - 12 * s, c.y() - 30 * s), QPointF(c.x() + 12 * s, c.y() - 30 * s));
  p.setPen(Line(QColor(70, 50, 30), 0.8));
  p.setBrush(QColor(238, 230, 206));
  p.drawRect(QRectF(c.x() - 13 * s, c.y() - 12 * s, 12 * s, 9 * s));
  p.drawRect(QRectF(c.x() + 1 * s, c.y() - 12 * s, 12 * s, 9 * s));
  p.restore();
}

void DrawChurch(QPainter& p, Variation& v, QRectF a) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QColor wall(236, 226, 204), roof(40, 90, 80), dome = Vary(v, QColor(60, 80, 150));
  const double cx = a.center().x();
  p.setPen(Line(QColor(110, 90, 70), 1.2));
  p.setBrush(wall);
  p.drawRect(QRectF(a.left(), a.top() + a.height() * 0.45, a.width(), a.height() * 0.55));
  p.drawRect(QRectF(cx - a.width() * 0.18, a.top() + a.height() * 0.22, a.width() * 0.36, a.height() * 0.3));
  auto onion = [&](double x, double baseY, double w) {
    QPainterPath d;
    d.moveTo(x - w / 2, baseY);
    d.cubicTo(x - w * 0.8, baseY - w * 0.7, x - w * 0.1, baseY - w * 0.9, x, baseY - w * 1.4);
    d.cubicTo(x + w * 0.1, baseY - w * 0.9, x + w * 0.8, baseY - w * 0.7, x + w / 2, baseY);
    d.closeSubpath();
    p.setBrush(dome);
    p.drawPath(d);
    p.setPen(Line(kGold, 1.6));
    p.drawLine(QPointF(x, baseY - w * 1.4), QPointF(x, baseY - w * 1.4 - 14));
    p.drawLine(QPointF(x - 5, baseY - w * 1.4 - 9), QPointF(x + 5, baseY - w * 1.4 - 9));
    p.setPen(Line(QColor(110, 90, 70), 1.2));
  };
  onion(cx, a.top() + a.height() * 0.22, a.width() * 0.3);
  onion(a.left() + a.width() * 0.16, a.top() + a.height() * 0.45, a.width() * 0.18);
  onion(a.right() - a.width() * 0.16, a.top() + a.height() * 0.45, a.width() * 0.18);
  p.setBrush(roof);
  p.setBrush(QColor(60, 40, 30));
  for (int i = 0; i < 5; ++i)
    p.drawRoundedRect(QRectF(a.left() + a.width() * (0.1 + i * 0.18), a.top() + a.height() * 0.6,
                             a.width() * 0.06, a.height() * 0.2), 4, 4);
  p.drawRoundedRect(QRectF(cx - a.width() * 0.06, a.top() + a.height() * 0.3, a.width() * 0.12, a.height() * 0.16),
                    5, 5);
  p.restore();
}

}  // namespace icons
