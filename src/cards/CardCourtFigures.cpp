#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "cards/CardCourt.h"

namespace CardArt::Detail {

namespace {

// --- King: crown, beard, ermine collar and a sword.

void DrawSword(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{84, 1}, {87, 7}, {87, 64}, {81, 64}, {81, 7}}), c.metal);
  if (court.detailed)
    Line(court, {{84, 8}, {84, 62}}, QColor(150, 156, 170), 0.8);
  Shape(court, Polygon({{82.5, 66}, {85.5, 66}, {85.5, 80}, {82.5, 80}}), c.hair);
  Shape(court, Polygon({{75, 63}, {93, 63}, {93, 67}, {75, 67}}), c.gold);
}

void DrawErmine(const Court& court) {
  QPainterPath collar;
  collar.moveTo(27, 47);
  collar.quadTo(50, 60, 73, 47);
  collar.lineTo(77, 55);
  collar.quadTo(50, 70, 23, 55);
  collar.closeSubpath();
  Shape(court, collar, court.colours.fur);
  if (!court.detailed)
    return;
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  for (QPointF spot : {QPointF(31, 54), QPointF(40.5, 59), QPointF(59.5, 59), QPointF(69, 54)})
    Ellipse(court, spot, 1.0, 1.7, court.colours.line);
  court.painter.restore();
}

void DrawBeard(const Court& court) {
  QPainterPath beard;
  beard.moveTo(39, 29);
  beard.cubicTo(38.5, 46, 45, 53, 50, 55);
  beard.cubicTo(55, 53, 61.5, 46, 61, 29);
  beard.cubicTo(58.5, 37, 55, 39, 50, 39);
  beard.cubicTo(45, 39, 41.5, 37, 39, 29);
  beard.closeSubpath();
  Shape(court, beard, court.colours.hair);
  QPainterPath moustache;
  moustache.moveTo(50, 34.5);
  moustache.cubicTo(46, 33.5, 42.5, 35.5, 41.5, 39);
  moustache.cubicTo(45, 37, 48, 37, 50, 37);
  moustache.cubicTo(52, 37, 55, 37, 58.5, 39);
  moustache.cubicTo(57.5, 35.5, 54, 33.5, 50, 34.5);
  moustache.closeSubpath();
  Shape(court, moustache, court.colours.hair);
}

void DrawCrown(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{36, 17}, {36, 4}, {43, 10}, {50, 1}, {57, 10}, {64, 4}, {64, 17}}),
        c.gold);
  if (court.detailed) {
    Ellipse(court, {36, 3.5}, 1.8, 1.8, c.gold);
    Ellipse(court, {50, 1}, 1.8, 1.8, c.gold);
    Ellipse(court, {64, 3.5}, 1.8, 1.8, c.gold);
  }
  Shape(court, Polygon({{35, 13}, {65, 13}, {65, 19}, {35, 19}}), c.gold);
  Ellipse(court, {50, 16}, 2.4, 2.2, c.second);
  if (court.detailed) {
    Ellipse(court, {42, 16}, 1.5, 1.5, c.ink);
    Ellipse(court, {58, 16}, 1.5, 1.5, c.ink);
  }
}

}  // namespace

void DrawKing(const Court& court) {
  DrawSword(court);
  Ellipse(court, {50, 28}, 14, 15, court.colours.hair);
  DrawRobe(court);
  DrawArm(court);
  DrawErmine(court);
  DrawHead(court, true);
  DrawBeard(court);
  DrawCrown(court);
  DrawHand(court);
}

namespace {

// --- Queen: long hair, tiara with a flower, and a rose in her hand.

void DrawQueenHair(const Court& court) {
  QPainterPath hair;
  hair.moveTo(50, 13);
  hair.cubicTo(32, 13, 33, 30, 34, 40);
  hair.cubicTo(35, 49, 30, 54, 27, 60);
  hair.lineTo(73, 60);
  hair.cubicTo(70, 54, 65, 49, 66, 40);
  hair.cubicTo(67, 30, 68, 13, 50, 13);
  hair.closeSubpath();
  Shape(court, hair, court.colours.hair);
}

void DrawFringe(const Court& court) {
  QPainterPath fringe;
  fringe.moveTo(39, 27);
  fringe.cubicTo(40, 18, 45, 15.5, 50, 15.5);
  fringe.cubicTo(55, 15.5, 60, 18, 61, 27);
  fringe.cubicTo(57, 21, 43, 21, 39, 27);
  fringe.closeSubpath();
  Shape(court, fringe, court.colours.hair);
}

void DrawNeckline(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{38, 47}, {62, 47}, {50, 61}}), c.skin);
  Line(court, {{38, 47}, {50, 61}, {62, 47}}, c.gold, 2.2);
  if (!court.detailed)
    return;
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  for (int i = 0; i < 7; ++i) {
    const qreal t = (i - 3) / 3.0;
    Ellipse(court, {50 + 7.5 * t, 50 + 4 * (1 - t * t)}, 1.1, 1.1, c.gold);
  }
  court.painter.restore();
}

QColor PetalColour(const Court& court) {
  return IsRedSuit(court.suit) ? court.colours.ink : court.colours.second;
}

void DrawBlossom(const Court& court, QPointF centre, qreal radius) {
  for (int i = 0; i < 5; ++i) {
    const qreal angle = i * 2 * std::numbers::pi / 5 - std::numbers::pi / 2;
    Ellipse(court, centre + radius * QPointF(std::cos(angle), std::sin(angle)), radius * 0.95,
            radius * 0.95, PetalColour(court));
  }
  Ellipse(court, centre, radius * 0.7, radius * 0.7, court.colours.gold);
}

void DrawTiara(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{39, 18}, {39, 11}, {44.5, 15}, {50, 8}, {55.5, 15}, {61, 11}, {61, 18}}),
        c.gold);
  if (court.detailed)
    DrawBlossom(court, {50, 5.5}, 2.4);
  else
    Ellipse(court, {50, 6.5}, 3.0, 3.0, PetalColour(court));
}

// A rose on a long stem, held in the hand at `Hand` (the queen draws it with
// the grid mirrored, so it shows on the left of the frame).
void DrawRose(const Court& court) {
  const QColor leaf(40, 132, 56);
  Line(court, {{Hand.x(), Hand.y() + 3}, {Hand.x() + 1, 56}, {Hand.x() + 2, 40}}, leaf, 2.0);
  QPainterPath leafShape;
  leafShape.moveTo(Hand.x() + 1, 54);
  leafShape.quadTo(Hand.x() - 3, 46, Hand.x() - 10, 47);
  leafShape.quadTo(Hand.x() - 6, 54, Hand.x() + 1, 54);
  Shape(court, leafShape, leaf);
  DrawBlossom(court, {Hand.x() + 2, 36}, 3.4);
}

}  // namespace

void DrawQueen(const Court& court) {
  DrawQueenHair(court);
  DrawRobe(court);
  {
    const Mirrored mirrored(court);
    DrawArm(court);
  }
  DrawNeckline(court);
  DrawHead(court, false);
  DrawFringe(court);
  DrawTiara(court);
  const Mirrored mirrored(court);
  DrawRose(court);
  DrawHand(court);
}

namespace {

// --- Jack: feathered cap, curls, ruff collar and a halberd.

void DrawHalberd(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{82.5, 8}, {85.5, 8}, {85.5, 86}, {82.5, 86}}), QColor(140, 92, 44));
  Shape(court, Polygon({{84, 0}, {87, 9}, {81, 9}}), c.metal);
  QPainterPath blade;
  blade.moveTo(85.5, 11);
  blade.quadTo(97, 13, 95, 26);
  blade.quadTo(91, 20, 85.5, 20);
  blade.closeSubpath();
  Shape(court, blade, c.metal);
}

void DrawCurls(const Court& court) {
  Ellipse(court, {50, 28}, 13.5, 14, court.colours.hair);
  for (QPointF curl : {QPointF(38, 37), QPointF(62, 37), QPointF(37.5, 30), QPointF(62.5, 30)})
    Ellipse(court, curl, 3.4, 3.6, court.colours.hair);
}

void DrawRuff(const Court& court) {
  for (int i = 0; i < 6; ++i)
    Ellipse(court, {37.5 + i * 5.0, 48.5 + (i == 0 || i == 5 ? 0 : 1.5)}, 3.3, 3.0,
            court.colours.fur);
}

void DrawCap(const Court& court) {
  const CourtPalette& c = court.colours;
  QPainterPath feather;
  feather.moveTo(57, 13);
  feather.cubicTo(61, 4, 67, 0, 75, 0);
  feather.cubicTo(71, 5, 67, 11, 62, 17);
  feather.closeSubpath();
  Shape(court, feather, c.gold);
  if (court.detailed)
    Line(court, {{59.5, 14}, {65, 6}, {73, 1}}, c.line, 0.7);
  QPainterPath cap;
  cap.moveTo(35, 20);
  cap.cubicTo(33, 8, 45, 6, 51, 6.5);
  cap.cubicTo(59, 7, 67, 11, 65, 20);
  cap.closeSubpath();
  Shape(court, cap, c.second);
  Shape(court, Polygon({{35, 16}, {65, 16}, {65, 21}, {35, 21}}), c.ink);
  if (court.detailed)
    Line(court, {{36, 18.5}, {64, 18.5}}, c.gold, 1.2);
}

}  // namespace

void DrawJack(const Court& court) {
  DrawHalberd(court);
  DrawCurls(court);
  DrawRobe(court);
  DrawArm(court);
  DrawRuff(court);
  DrawHead(court, false);
  DrawCap(court);
  DrawHand(court);
}

}  // namespace CardArt::Detail
