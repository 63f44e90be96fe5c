#include <QPainter>
#include <QPainterPath>
#include <array>

#include "cards/CardCourt.h"
#include "cards/CardGlyphs.h"

namespace CardArt::Detail {

namespace {

QColor SecondColour(int suit) {
  static const std::array<QColor, SuitCount> colours{QColor(36, 84, 196), QColor(28, 132, 88),
                                                     QColor(40, 96, 200), QColor(112, 64, 176)};
  return colours[static_cast<size_t>(suit)];
}

QColor HairColour(int rank) {
  if (rank == Jack)
    return QColor(110, 66, 30);
  if (rank == Queen)
    return QColor(226, 176, 62);
  return QColor(218, 218, 226);
}

CourtPalette PaletteFor(int rank, int suit) {
  return {.ink = SuitInk(suit),
          .second = SecondColour(suit),
          .gold = QColor(236, 186, 40),
          .skin = QColor(252, 220, 184),
          .hair = HairColour(rank),
          .lips = IsRedSuit(suit) ? RedInk : QColor(196, 120, 112),
          .metal = QColor(206, 212, 224),
          .line = QColor(28, 28, 32),
          .fur = QColor(255, 255, 255)};
}

constexpr QPointF HeadCentre(50, 29);
constexpr qreal HeadRx = 11.0;
constexpr qreal HeadRy = 13.5;

}  // namespace

void Shape(const Court& court, const QPainterPath& path, const QColor& fill) {
  court.painter.setBrush(fill);
  court.painter.drawPath(path);
}

void Ellipse(const Court& court, QPointF centre, qreal rx, qreal ry, const QColor& fill) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  Shape(court, path, fill);
}

void Line(const Court& court, std::initializer_list<QPointF> points, const QColor& colour,
          qreal width) {
  court.painter.strokePath(CardGlyphs::Polyline(points),
                           QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

void DrawRobe(const Court& court) {
  const CourtPalette& c = court.colours;
  QPainterPath robe;
  robe.moveTo(13, 86);
  robe.lineTo(15, 62);
  robe.cubicTo(16, 53, 25, 49, 38, 46);
  robe.lineTo(62, 46);
  robe.cubicTo(75, 49, 84, 53, 85, 62);
  robe.lineTo(87, 86);
  robe.closeSubpath();
  Shape(court, robe, c.ink);
  // Front panel in the second colour, edged in gold.
  Shape(court, Polygon({{40, 48}, {60, 48}, {64, 86}, {36, 86}}), c.second);
  Line(court, {{40, 48}, {36, 86}}, c.gold, 2.4);
  Line(court, {{60, 48}, {64, 86}}, c.gold, 2.4);
  if (!court.detailed)
    return;
  for (qreal y : {61.0, 73.0})
    Shape(court, Polygon({{50, y - 4.5}, {53.5, y}, {50, y + 4.5}, {46.5, y}}), c.gold);
  Line(court, {{18, 58}, {20, 70}, {19, 84}}, c.gold, 1.2);
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  for (QPointF dot : {QPointF(26, 60), QPointF(30, 70), QPointF(26, 80), QPointF(74, 60),
                      QPointF(70, 70), QPointF(74, 80)})
    Ellipse(court, dot, 1.2, 1.2, c.gold);
  court.painter.restore();
}

// The arm on the right of the figure, its sleeve ending in a gold cuff near
// the hand; the hand itself is drawn last, over whatever it holds.
void DrawArm(const Court& court) {
  QPainterPath arm;
  arm.moveTo(63, 50);
  arm.cubicTo(76, 51, 89, 57, 90, 69);
  arm.lineTo(79, 75);
  arm.cubicTo(77, 67, 71, 63, 60, 61);
  arm.closeSubpath();
  Shape(court, arm, court.colours.second);
  Line(court, {{78.5, 73.5}, {89.8, 67.5}}, court.colours.gold, 2.6);
}

void DrawHand(const Court& court) {
  Ellipse(court, Hand, 5.0, 4.3, court.colours.skin);
}

void DrawHead(const Court& court, bool bearded) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{45, 38}, {55, 38}, {55.5, 48}, {44.5, 48}}), c.skin);
  Ellipse(court, HeadCentre, HeadRx, HeadRy, c.skin);
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  const qreal eye = court.detailed ? 1.3 : 1.5;
  Ellipse(court, {45.5, 28}, eye, eye, c.line);
  Ellipse(court, {54.5, 28}, eye, eye, c.line);
  court.painter.restore();
  if (court.detailed) {
    Line(court, {{42.5, 25}, {47.5, 24.2}}, c.line, 0.9);
    Line(court, {{52.5, 24.2}, {57.5, 25}}, c.line, 0.9);
    Line(court, {{50, 28}, {48.7, 33}, {51, 33.2}}, c.line, 0.8);
  }
  if (!bearded)
    Line(court, {{46.5, 37}, {50, 38.2}, {53.5, 37}}, c.lips, 1.8);
}

namespace {

void DrawFrameSuit(const Court& court) {
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  court.painter.translate(12, 13);
  court.painter.scale(15, 15);
  court.painter.fillPath(CardGlyphs::SuitShape(court.suit), court.colours.ink);
  court.painter.restore();
}

// The top half of the frame, cut along a slight slant as on real court cards.
// How far the line between the two halves of a court frame rises from left to
// right, in pixels.
qreal DividerSlant(const FaceLayout& layout) {
  return layout.large ? 3.0 : 2.0;
}

QPainterPath UpperHalf(const QRectF& frame, qreal slant) {
  const qreal middle = frame.center().y();
  return Polygon({frame.topLeft(),
                  frame.topRight(),
                  {frame.right(), middle - slant},
                  {frame.left(), middle + slant}});
}

void DrawCourtHalf(QPainter& painter, const FaceLayout& layout, int rank, int suit) {
  const QRectF frame = layout.courtFrame;
  painter.setClipPath(UpperHalf(frame, DividerSlant(layout)));
  painter.translate(frame.topLeft());
  painter.scale(frame.width() / 100.0, (frame.height() / 2.0) / 80.0);
  QPen line(QColor(28, 28, 32), layout.large ? 0.75 : 0.55);
  line.setCosmetic(true);
  line.setJoinStyle(Qt::RoundJoin);
  painter.setPen(line);
  const CourtPalette colours = PaletteFor(rank, suit);
  const Court court{painter, colours, layout.large, suit};
  DrawFrameSuit(court);
  if (rank == Jack)
    DrawJack(court);
  else if (rank == Queen)
    DrawQueen(court);
  else
    DrawKing(court);
}

}  // namespace

void DrawCourt(QPainter& painter, QSize cardSize, const FaceLayout& layout, int rank, int suit) {
  const QRectF frame = layout.courtFrame;
  painter.fillRect(frame, QColor(255, 249, 230));
  for (bool turned : {false, true}) {
    painter.save();
    if (turned)
      TurnCard(painter, cardSize);
    DrawCourtHalf(painter, layout, rank, suit);
    painter.restore();
  }
  const qreal slant = DividerSlant(layout);
  const qreal middle = frame.center().y();
  const QColor ink = SuitInk(suit);
  painter.setPen(QPen(ink, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(frame.left(), middle + slant), QPointF(frame.right(), middle - slant));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawRect(frame.adjusted(-0.5, -0.5, -0.5, -0.5));
  painter.restore();
}

}  // namespace CardArt::Detail
