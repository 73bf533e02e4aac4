#include "icon_painter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>

#include "figures.h"
#include "variation.h"

namespace icons {
namespace {

const QColor kBorders[] = {QColor(150, 34, 28), QColor(40, 80, 60),  QColor(36, 52, 100), QColor(110, 30, 60),
                           QColor(120, 80, 30), QColor(70, 40, 30),  QColor(20, 70, 90),  QColor(90, 90, 40)};
const QColor kBands[] = {QColor(60, 20, 18), QColor(20, 40, 34), QColor(22, 28, 60), QColor(50, 22, 40),
                         QColor(44, 34, 24)};
const QColor kEarths[] = {QColor(70, 110, 60), QColor(110, 120, 60), QColor(60, 90, 80), QColor(130, 110, 70)};

QString DisplayFamily() { return QStringLiteral("Liberation Serif"); }

// A painted frame with a light inner line; returns the field inside it.
QRectF PaintBorder(QPainter& p, Variation& v, int w, int h, int key) {
  // Neighbouring days never share a frame colour.
  const QColor border = Vary(v, kBorders[(key * 3) % 8], 6, 12);
  p.fillRect(QRect(0, 0, w, h), border);
  p.setPen(QPen(border.lighter(150), 1));
  p.drawRect(QRectF(2.5, 2.5, w - 5, h - 5));
  const QRectF field(7, 7, w - 14, h - 14);
  p.setPen(QPen(QColor(246, 232, 190), 1.2));
  p.drawRect(field.adjusted(-0.6, -0.6, 0.6, 0.6));
  return field;
}

void PaintGold(QPainter& p, Variation& v, QRectF field) {
  QLinearGradient g(field.topLeft(), field.bottomRight());
  const QColor gold = Vary(v, QColor(214, 172, 78), 4, 8);
  g.setColorAt(0, gold.lighter(118));
  g.setColorAt(0.5, gold);
  g.setColorAt(1, gold.darker(112));
  p.fillRect(field, g);
  // Seams of the gold leaf squares.
  p.setPen(QPen(gold.darker(108), 0.6));
  const double leaf = v.Range(22, 30);
  for (double x = field.left() + leaf; x < field.right(); x += leaf) p.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
  for (double y = field.top() + leaf; y < field.bottom(); y += leaf) p.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
}

// The caption in the band at the foot of the icon, in as many lines as it
// needs; returns the band's top.
double PaintInscription(QPainter& p, Variation& v, QRectF field, const QString& caption) {
  const double width = field.width() - 8;
  QFont font(DisplayFamily());
  font.setBold(true);
  QStringList lines;
  double lineHeight = 0;
  for (int px = 13; px >= 7; --px) {
    font.setPixelSize(px);
    QFontMetricsF fm(font);
    lines.clear();
    QString line;
    for (const QString& word : caption.simplified().split(' ')) {
      QString candidate = line.isEmpty() ? word : line + ' ' + word;
      if (fm.horizontalAdvance(candidate) <= width || line.isEmpty()) {
        line = candidate;
      } else {
        lines << line;
        line = word;
      }
    }
    if (!line.isEmpty()) lines << line;
    lineHeight = fm.height() * 0.92;
    bool fits = lines.size() * lineHeight <= 62;
    for (const QString& l : lines) fits = fits && fm.horizontalAdvance(l) <= width;
    if (fits) break;
  }
  const double bandHeight = std::max(30.0, lines.size() * lineHeight + 10);
  QRectF band(field.left(), field.bottom() - bandHeight, field.width(), bandHeight);
  const QColor bandColour = Vary(v, v.Pick(kBands), 6, 6);
  p.fillRect(band, bandColour);
  p.setPen(QPen(QColor(230, 200, 120), 1));
  p.drawLine(band.topLeft(), band.topRight());
  p.setFont(font);
  p.setPen(QColor(240, 214, 140));
  double y = band.top() + (bandHeight - lines.size() * lineHeight) / 2;
  for (const QString& l : lines) {
    p.drawText(QRectF(band.left() + 2, y, band.width() - 4, lineHeight), Qt::AlignCenter, l);
    y += lineHeight;
  }
  return band.top();
}

// Whether the first saint named is a woman: words before the first name
// that say so ("VIRGIN-MARTYR", "NUN"), women's names, or the usual endings
// of women's names.
bool IsWoman(const QString& caption) {
  static const QStringList womenWords = {"VIRGIN", "VIRGIN-MARTYR", "NUN", "ABBESS", "EMPRESS", "QUEEN",
                                         "PRINCESS", "MYRRHBEARER", "MYRRH-BEARING", "WOMEN", "PROPHETESS",
                                         "MOTHER", "GRAND-DUCHESS", "MARTYRESS"};
  static const QStringList titles = {"ST", "SAINT", "HOLY", "GREAT", "MARTYR", "VENERABLE", "RIGHTEOUS",
                                     "BLESSED", "THE", "NEW", "HIEROMARTYR", "PASSION-BEARER", "MARTYRS",
                                     "SAINTS", "AND", "OF", "GLORIOUS", "ALL-PRAISED", "FIRST", "PROTOMARTYR"};
  static const QStringList women = {"MARY", "ELIZABETH", "IRENE", "AGNES", "EUPHROSYNE", "CATHERINE",
                                    "KATHERINE", "MARGARET", "HELEN", "SALOME", "RUTH", "ESTHER", "JUDITH",
                                    "OLGA", "THEODORA", "SOPHIA", "XENIA", "MELANIA", "PELAGIA", "EUDOKIA"};
  static const QStringList men = {"NIKITA", "SAVVA", "ZOSIMA", "LUKA", "JONA", "ILYA", "JOSHUA", "ELIA",
                                  "BARNABA", "ANANIA", "ZACHARIA", "JEREMIA", "MICHA", "SABBA", "JUDA",
                                  "AQUILA", "AGABA", "ANDREA", "THOMA", "BARSANUPHIA", "NIKOLA", "MINA",
                                  "LEVKA", "PHOCA", "TROPHIMA"};
  const QStringList tokens = caption.toUpper().split(QRegularExpression(QStringLiteral("[^A-Z-]+")),
                                                     Qt::SkipEmptyParts);
  for (const QString& t : tokens) {
    if (womenWords.contains(t)) return true;
    if (titles.contains(t)) continue;
    if (women.contains(t)) return true;
    if (men.contains(t)) return false;
    return t.endsWith('A') || t.endsWith(QLatin1String("INE"));
  }
  return false;
}

Vestment VestmentFor(Kind kind, bool woman, Variation& v) {
  if (woman) return Vestment::Female;
  switch (kind) {
    case Kind::Hierarch:
    case Kind::Council: return Vestment::Hierarch;
    case Kind::Monastic: return v.Chance(0.35) ? Vestment::Schema : Vestment::Monastic;
    case Kind::Martyr: return Vestment::Martyr;
    case Kind::Angel: return Vestment::Angel;
    default: return Vestment::Chiton;
  }
}

void PaintSingleSaint(QPainter& p, Variation& v, const Subject& s, QRectF field, double bandTop) {
  const double groundTop = bandTop - v.Range(16, 26);
  // Alternate days stand before buildings and in the hills.
  if (s.key % 2 == 0)
    DrawBuildings(p, v, field, groundTop);
  else
    DrawHills(p, v, field, groundTop, Vary(v, QColor(160, 150, 110), 20, 20));
  DrawGround(p, QRectF(field.left(), groundTop, field.width(), bandTop - groundTop), Vary(v, v.Pick(kEarths)));
  if (v.Chance(0.4)) DrawHeavenSegment(p, v, QPointF(v.Chance(0.5) ? field.left() : field.right(), field.top()), 22, true);
  const bool woman = IsWoman(s.caption);
  const double scale = s.kind == Kind::Angel ? v.Range(1.25, 1.4) : v.Range(1.38, 1.6);
  Figure f = MakeFigure(v, VestmentFor(s.kind, woman, v), field.center().x() + v.Range(-3, 3),
                        field.top() + 26 * scale + v.Range(6, 14), scale, bandTop);
  if (s.kind == Kind::Prophet) {
    f.attribute = Attribute::Scroll;
    f.beardStyle = 3 + v.Below(2);
    f.hair = f.beard = QColor(160, 150, 140).darker(100 + v.Below(60));
  } else if (s.kind == Kind::Apostle && !woman) {
    f.attribute = v.Chance(0.6) ? Attribute::Book : Attribute::Scroll;
  }
  if (woman && s.kind == Kind::Monastic) f.over = Vary(v, QColor(60, 44, 36));
  DrawFigure(p, f);
}

void PaintTheotokos(QPainter& p, Variation& v, const Subject& s, QRectF field, double bandTop) {
  const double groundTop = bandTop - 18;
  if (s.caption.contains(QLatin1String("ENTRY")) || s.caption.contains(QLatin1String("PROTECTION")) ||
      v.Chance(0.3))
    DrawBuildings(p, v, field, groundTop);
  DrawGround(p, QRectF(field.left(), groundTop, field.width(), bandTop - groundTop), Vary(v, v.Pick(kEarths)));
  const double scale = v.Range(1.4, 1.55);
  Figure mother = MakeFigure(v, Vestment::Female, field.center().x() - 8, field.top() + 26 * scale + 10, scale, bandTop);
  mother.over = Vary(v, QColor(110, 36, 30), 6, 10);
  mother.under = Vary(v, QColor(40, 60, 120), 6, 10);
  mother.attribute = Attribute::None;
  mother.blessRight = false;
  mother.leftLetters = QStringLiteral("MP");
  mother.rightLetters = QString::fromUtf8("\u0398Y");
  DrawFigure(p, mother);
  // The three stars of her virginity on the veil.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 210, 120));
  for (QPointF star : {QPointF(mother.cx, mother.hy - 16 * scale), QPointF(mother.cx - 24 * scale, mother.hy + 26 * scale),
                       QPointF(mother.cx + 24 * scale, mother.hy + 26 * scale)})
    p.drawEllipse(star, 2.2 * scale, 2.2 * scale);
  if (s.caption.contains(QLatin1String("PROTECTION"))) {
    // The veil held out over the faithful.
    QPainterPath veil;
    veil.moveTo(field.left() + 8, field.top() + 30);
    veil.quadTo(field.center().x(), field.top() - 4, field.right() - 8, field.top() + 30);
    p.strokePath(veil, QPen(QColor(170, 40, 40), 5));
  }
  Figure child = MakeFigure(v, Vestment::ChristChild, mother.cx + 20 * scale, mother.hy + 42 * scale, scale * 0.48,
                            mother.hy + 95 * scale);
  child.leftLetters = QStringLiteral("IC");
  child.rightLetters = QStringLiteral("XC");
  DrawFigure(p, child);
}

void PaintLordsFeast(QPainter& p, Variation& v, const Subject& s, QRectF field, double bandTop) {
  const QString t = s.caption.toUpper();
  const double groundTop = bandTop - 16;
  DrawGround(p, QRectF(field.left(), groundTop, field.width(), bandTop - groundTop), Vary(v, v.Pick(kEarths)));
  QRectF scene(field.left(), field.top() + 4, field.width(), groundTop - field.top() - 4);
  if (t.contains(QLatin1String("CROSS")))
    DrawCrossScene(p, v, scene, groundTop);
  else if (t.contains(QLatin1String("NATIVITY")))
    DrawNativityScene(p, v, scene, groundTop);
  else if (t.contains(QLatin1String("THEOPHANY")) || t.contains(QLatin1String("BAPTISM")) ||
           t.contains(QLatin1String("EPIPHANY")))
    DrawTheophanyScene(p, v, scene, groundTop);
  else
    DrawMandorlaScene(p, v, scene, groundTop, t.contains(QLatin1String("TRANSFIGURATION")) ||
                                                  t.contains(QLatin1String("RESURRECTION")) ||
                                                  t.contains(QLatin1String("PASCHA")));
  // Witnesses of the feast at the foot of the scene: angels, or the
  // apostles and the righteous; how many and where differ from day to day.
  const bool crowded = t.contains(QLatin1String("NATIVITY")) || t.contains(QLatin1String("THEOPHANY"));
  const int witnesses = crowded ? 1 + v.Below(2) : v.Below(3);
  const bool left = v.Chance(0.5);
  for (int i = 0; i < witnesses; ++i) {
    const bool onLeft = (i == 0) == left;
    const double x = onLeft ? field.left() + 24 : field.right() - 24;
    const bool angel = t.contains(QLatin1String("NATIVITY")) || t.contains(QLatin1String("THEOPHANY")) ||
                       v.Chance(0.3);
    Figure f = MakeFigure(v, angel ? Vestment::Angel : Vestment::Chiton, x, groundTop - 44 - v.Range(0, 12),
                          0.5, groundTop + 4);
    f.attribute = Attribute::None;
    f.blessRight = !onLeft;
    DrawFigure(p, f);
  }
}

// Several haloed figures, the back row higher and smaller.
void PaintGroup(QPainter& p, Variation& v, const Subject& s, QRectF field, double bandTop) {
  const double groundTop = bandTop - 14;
  if (v.Chance(0.5)) DrawHills(p, v, field, groundTop, Vary(v, QColor(150, 150, 120), 20, 20));
  DrawGround(p, QRectF(field.left(), groundTop, field.width(), bandTop - groundTop), Vary(v, v.Pick(kEarths)));
  const bool council = s.kind == Kind::Council;
  const bool women = IsWoman(s.caption);
  const bool martyrs = s.caption.contains(QLatin1String("MARTYR"));
  const int back = council ? 3 : 2 + v.Below(2);
  const int front = council ? 2 : 2 + v.Below(2);
  const double span = field.width();
  const double top = field.top() + (council ? 76 : 44);
  if (council) DrawThrone(p, v, QPointF(field.center().x(), field.top() + 48), 1.0);
  // The Spirit descending on the gathered apostles.
  if (s.caption.contains(QLatin1String("HOLY SPIRIT")))
    DrawHeavenSegment(p, v, QPointF(field.center().x(), field.top() - 4), 30, true);
  auto row = [&](int n, double hy, double s, bool frontRow) {
    for (int i = 0; i < n; ++i) {
      const double x = field.left() + span * (i + 0.5) / n + (frontRow ? 0 : v.Range(-2, 2));
      Vestment vest = council ? Vestment::Hierarch
                              : women ? Vestment::Female
                                      : martyrs ? Vestment::Martyr : (v.Chance(0.5) ? Vestment::Chiton : Vestment::Monastic);
      Figure f = MakeFigure(v, vest, x, hy, s, bandTop);
      if (martyrs) f.attribute = Attribute::Cross;
      if (!frontRow) f.attribute = Attribute::None;
      DrawFigure(p, f);
    }
  };
  row(back, top, 0.72, false);
  row(front, top + 62, 0.9, true);
}

}  // namespace

int PictureWidth(int key) {
  Variation v(static_cast<uint64_t>(key) * 7919u + 17u);
  return 196 + v.Below(24);
}

QImage PaintIcon(const Subject& s, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  Variation v(static_cast<uint64_t>(s.key));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF field = PaintBorder(p, v, width, height, s.key);
  PaintGold(p, v, field);
  // The band is laid out first so the composition knows where it ends.
  QImage scratch(1, 1, QImage::Format_RGB32);
  double bandTop;
  {
    Variation probe(static_cast<uint64_t>(s.key) ^ 0x5bd1e995u);
    QPainter measure(&scratch);
    bandTop = PaintInscription(measure, probe, field, s.caption);
  }
  p.save();
  p.setClipRect(field);
  switch (s.kind) {
    case Kind::LordsFeast: PaintLordsFeast(p, v, s, field, bandTop); break;
    case Kind::Theotokos: PaintTheotokos(p, v, s, field, bandTop); break;
    case Kind::Council:
    case Kind::Group: PaintGroup(p, v, s, field, bandTop); break;
    default: PaintSingleSaint(p, v, s, field, bandTop); break;
  }
  p.restore();
  Variation bandVariation(static_cast<uint64_t>(s.key) ^ 0x5bd1e995u);
  PaintInscription(p, bandVariation, field, s.caption);
  p.end();
  return image;
}

QImage PaintSplash() {
  const int w = 371, h = 450;
  QImage image(w, h, QImage::Format_RGB32);
  Variation v(5001);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QRectF field = PaintBorder(p, v, w, h, 5001);
  PaintGold(p, v, field);
  DrawHeavenSegment(p, v, QPointF(field.center().x(), field.top()), 60, true);
  DrawGround(p, QRectF(field.left(), field.top() + 270, field.width(), 30), QColor(80, 110, 70));
  DrawChurch(p, v, QRectF(field.left() + 70, field.top() + 120, field.width() - 140, 160));
  QRectF band(field.left(), field.top() + 300, field.width(), field.bottom() - field.top() - 300);
  p.fillRect(band, QColor(60, 20, 18));
  p.setPen(QPen(QColor(230, 200, 120), 1.5));
  p.drawLine(band.topLeft(), band.topRight());
  QFont title(DisplayFamily());
  title.setBold(true);
  title.setPixelSize(46);
  p.setFont(title);
  p.setPen(QColor(240, 214, 140));
  p.drawText(QRectF(band.left(), band.top() + 14, band.width(), 56), Qt::AlignCenter, QStringLiteral("Kalendra"));
  QFont sub(DisplayFamily());
  sub.setPixelSize(17);
  p.setFont(sub);
  p.drawText(QRectF(band.left(), band.top() + 72, band.width(), 24), Qt::AlignCenter,
             QStringLiteral("The Orthodox Church Calendar"));
  p.drawText(QRectF(band.left(), band.top() + 98, band.width(), 24), Qt::AlignCenter, QStringLiteral("Version 2.0"));
  p.end();
  return image;
}

}  // namespace icons
