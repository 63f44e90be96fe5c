#include "cards/CardGlyphs.h"

#include <QTransform>
#include <array>

namespace CardGlyphs {

namespace {

// Suit symbols are laid out on a 100 x 100 grid centred on the origin and
// scaled down to 1 unit afterwards.
constexpr qreal SuitGrid = 100.0;

QPainterPath HeartShape() {
  QPainterPath path;
  path.moveTo(0, 50);
  path.cubicTo(-16, 30, -50, 8, -50, -20);
  path.cubicTo(-50, -39, -37, -50, -24, -50);
  path.cubicTo(-12, -50, -3, -42, 0, -30);
  path.cubicTo(3, -42, 12, -50, 24, -50);
  path.cubicTo(37, -50, 50, -39, 50, -20);
  path.cubicTo(50, 8, 16, 30, 0, 50);
  path.closeSubpath();
  return path;
}

QPainterPath DiamondShape() {
  QPainterPath path;
  path.moveTo(0, -50);
  path.quadTo(20, -22, 39, 0);
  path.quadTo(20, 22, 0, 50);
  path.quadTo(-20, 22, -39, 0);
  path.quadTo(-20, -22, 0, -50);
  path.closeSubpath();
  return path;
}

// The flared foot shared by clubs and spades, from `top` down to the base.
void AddStem(QPainterPath& path, qreal top, qreal halfWidth) {
  path.moveTo(-halfWidth, top);
  path.lineTo(halfWidth, top);
  path.cubicTo(halfWidth, top + 20, 8, 44, 24, 50);
  path.lineTo(-24, 50);
  path.cubicTo(-8, 44, -halfWidth, top + 20, -halfWidth, top);
  path.closeSubpath();
}

void AddCircle(QPainterPath& path, qreal cx, qreal cy, qreal r) {
  // Starts at the right and turns the same way as AddStem, so that the winding
  // rule fills the overlaps.
  path.moveTo(cx + r, cy);
  path.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 0, -360);
  path.closeSubpath();
}

QPainterPath ClubShape() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  AddCircle(path, 0, -27, 23);
  AddCircle(path, -26, 9, 23);
  AddCircle(path, 26, 9, 23);
  AddCircle(path, 0, 0, 12);
  AddStem(path, 0, 5);
  return path;
}

QPainterPath SpadeShape() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.moveTo(0, -50);
  path.cubicTo(12, -32, 50, -14, 50, 10);
  path.cubicTo(50, 26, 38, 34, 26, 34);
  path.cubicTo(14, 34, 6, 28, 0, 18);
  path.cubicTo(-6, 28, -14, 34, -26, 34);
  path.cubicTo(-38, 34, -50, 26, -50, 10);
  path.cubicTo(-50, -14, -12, -32, 0, -50);
  path.closeSubpath();
  AddStem(path, 10, 4);
  return path;
}

QPainterPath Scaled(const QPainterPath& path, qreal grid) {
  return QTransform::fromScale(1.0 / grid, 1.0 / grid).map(path);
}

// Rank characters are laid out on a grid 10 units tall, with the top at 0 and
// the baseline at 10; most are 6 units wide.
constexpr qreal RankGrid = 10.0;

QPainterPath Ace() {
  QPainterPath path = Polyline({{0, 10}, {3, 0}, {6, 10}});
  path.addPath(Polyline({{1.2, 6.6}, {4.8, 6.6}}));
  return path;
}

QPainterPath Two() {
  QPainterPath path;
  const QRectF bowl(0.2, 0, 5.6, 5.6);
  path.arcMoveTo(bowl, 165);
  path.arcTo(bowl, 165, -205);
  path.lineTo(0, 10);
  path.lineTo(6, 10);
  return path;
}

QPainterPath Three() {
  QPainterPath path;
  const QRectF upper(0.4, 0, 5.0, 4.8);
  const QRectF lower(0, 4.8, 6.0, 5.2);
  path.arcMoveTo(upper, 155);
  path.arcTo(upper, 155, -245);
  path.arcTo(lower, 90, -245);
  return path;
}

QPainterPath Four() {
  QPainterPath path = Polyline({{4.4, 10}, {4.4, 0}, {0, 7}, {6, 7}});
  return path;
}

QPainterPath Five() {
  QPainterPath path = Polyline({{5.6, 0}, {0.9, 0}, {0.5, 4.6}});
  const QRectF bowl(0, 3.5, 6.0, 6.5);
  path.arcTo(bowl, 140, -285);
  return path;
}

QPainterPath Six() {
  QPainterPath path;
  const QRectF outer(0, 0, 6.6, 13);
  path.arcMoveTo(outer, 80);
  path.arcTo(outer, 80, 100);
  path.lineTo(0, 7.3);
  path.addEllipse(QRectF(0, 4.6, 6, 5.4));
  return path;
}

QPainterPath Seven() {
  return Polyline({{0, 0}, {6, 0}, {2.2, 10}});
}

QPainterPath Eight() {
  QPainterPath path;
  path.addEllipse(QRectF(0.5, 0, 5.0, 4.6));
  path.addEllipse(QRectF(0, 4.6, 6.0, 5.4));
  return path;
}

QPainterPath Nine() {
  // A six turned half a turn.
  QTransform turn;
  turn.translate(6, 10);
  turn.rotate(180);
  return turn.map(Six());
}

QPainterPath Ten() {
  QPainterPath path = Polyline({{0, 1.8}, {1.7, 0}, {1.7, 10}});
  path.addEllipse(QRectF(3.4, 0, 4.6, 10));
  return path;
}

QPainterPath Jack() {
  QPainterPath path = Polyline({{2.0, 0}, {6.0, 0}});
  path.moveTo(4.8, 0);
  path.lineTo(4.8, 7.2);
  path.arcTo(QRectF(0, 4.4, 4.8, 5.6), 0, -180);
  return path;
}

QPainterPath Queen() {
  QPainterPath path;
  path.addEllipse(QRectF(0, 0, 6, 10));
  path.addPath(Polyline({{3.6, 7.0}, {6.2, 10.2}}));
  return path;
}

QPainterPath King() {
  QPainterPath path = Polyline({{0.5, 0}, {0.5, 10}});
  path.addPath(Polyline({{5.8, 0}, {0.5, 6.2}}));
  path.addPath(Polyline({{2.4, 4.0}, {6.0, 10}}));
  return path;
}

struct RankGlyph {
  QPainterPath strokes;
  qreal width;
};

const std::array<RankGlyph, 13>& RankGlyphs() {
  static const std::array<RankGlyph, 13> glyphs = [] {
    const std::array<QPainterPath, 13> drawn{Ace(),  Two(),   Three(), Four(), Five(),
                                             Six(),  Seven(), Eight(), Nine(), Ten(),
                                             Jack(), Queen(), King()};
    std::array<RankGlyph, 13> scaled;
    for (size_t i = 0; i < drawn.size(); ++i) {
      const qreal width = (i == 9) ? 8.0 : 6.0;
      scaled[i] = {Scaled(drawn[i], RankGrid), width / RankGrid};
    }
    return scaled;
  }();
  return glyphs;
}

}  // namespace

const QPainterPath& SuitShape(int suit) {
  static const std::array<QPainterPath, 4> shapes{
      Scaled(HeartShape(), SuitGrid), Scaled(DiamondShape(), SuitGrid),
      Scaled(ClubShape(), SuitGrid), Scaled(SpadeShape(), SuitGrid)};
  return shapes[static_cast<size_t>(suit)];
}

const QPainterPath& RankStrokes(int rank) {
  return RankGlyphs()[static_cast<size_t>(rank)].strokes;
}

qreal RankWidth(int rank) {
  return RankGlyphs()[static_cast<size_t>(rank)].width;
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& point : points) {
    if (first)
      path.moveTo(point);
    else
      path.lineTo(point);
    first = false;
  }
  return path;
}

}  // namespace CardGlyphs
