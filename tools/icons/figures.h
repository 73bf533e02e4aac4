// The painted elements of an icon: haloed half-length figures with their
// vestments and attributes, and the small scenes of the feasts.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

#include "variation.h"

namespace icons {

enum class Vestment { Chiton, Hierarch, Monastic, Schema, Martyr, Female, Angel, Christ, ChristChild };
enum class Attribute { None, Scroll, Book, Cross, Staff, Sphere };

// A half-length figure: head centre (cx, hy), scale s (head about 28 s high),
// drawn down to bottom.
struct Figure {
  double cx = 0, hy = 0, s = 1, bottom = 0;
  Vestment vestment = Vestment::Chiton;
  Attribute attribute = Attribute::None;
  QColor under, over, flesh, hair, beard, halo, haloRing;
  int hairStyle = 0;   // 0 full, 1 high forehead, 2 bald crown, 3 long
  int beardStyle = 0;  // 0 none, 1 short, 2 round, 3 pointed, 4 long
  int pattern = 0;     // of a hierarch's phelonion
  bool blessRight = true;
  bool punchedHalo = false;
  bool crossHalo = false;
  QString leftLetters, rightLetters;  // inscription beside the halo
};

// A figure with pigments and features chosen for its vestment.
Figure MakeFigure(Variation& v, Vestment vestment, double cx, double hy, double s, double bottom);

void DrawFigure(QPainter& p, const Figure& f);
void DrawHalo(QPainter& p, QPointF centre, double radius, const QColor& fill, const QColor& ring, bool punched,
              bool cross);

// Scenery drawn on the gold ground behind the figures.
void DrawHills(QPainter& p, Variation& v, QRectF field, double groundTop, const QColor& rock);
void DrawBuildings(QPainter& p, Variation& v, QRectF field, double groundTop);
void DrawHeavenSegment(QPainter& p, Variation& v, QPointF centre, double radius, bool rays);
void DrawGround(QPainter& p, QRectF area, const QColor& earth);

// Feast scenes filling the field above groundTop.
void DrawCrossScene(QPainter& p, Variation& v, QRectF field, double groundTop);
void DrawNativityScene(QPainter& p, Variation& v, QRectF field, double groundTop);
void DrawTheophanyScene(QPainter& p, Variation& v, QRectF field, double groundTop);
void DrawMandorlaScene(QPainter& p, Variation& v, QRectF field, double groundTop, bool whiteGarments);
void DrawThrone(QPainter& p, Variation& v, QPointF centre, double s);
void DrawChurch(QPainter& p, Variation& v, QRectF area);

}  // namespace icons
