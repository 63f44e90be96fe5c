#include "cards/ProgramPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>

#include "cards/CardGlyphs.h"

namespace {

// The picture is laid out on a 100 x 100 grid.
constexpr qreal Grid = 100.0;
const QColor FeltLight(0, 150, 0);
const QColor FeltDark(0, 96, 0);
const QColor FeltEdge(0, 56, 0);
const QColor Ink(20, 20, 20);
const QColor CardFace(252, 252, 246);
const QColor BackBlue(40, 90, 200);
const QColor BackPattern(150, 185, 255);
const QRectF Card(-22, -30, 44, 60);
constexpr qreal CardCorner = 5;

void DrawFelt(QPainter& painter) {
  QLinearGradient felt(0, 0, 0, Grid);
  felt.setColorAt(0, FeltLight);
  felt.setColorAt(1, FeltDark);
  painter.setPen(QPen(FeltEdge, 3));
  painter.setBrush(felt);
  painter.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);
}

// Painter coordinates become the card's own, (0, 0) at its centre.
void PlaceCard(QPainter& painter, QPointF centre, qreal degrees) {
  painter.save();
  painter.translate(centre);
  painter.rotate(degrees);
}

void DrawBack(QPainter& painter) {
  painter.setPen(QPen(Ink, 1.5));
  painter.setBrush(CardFace);
  painter.drawRoundedRect(Card, CardCorner, CardCorner);
  const QRectF inner = Card.adjusted(4, 4, -4, -4);
  painter.setPen(Qt::NoPen);
  painter.setBrush(BackBlue);
  painter.drawRoundedRect(inner, 3, 3);
  painter.setClipRect(inner);
  painter.setPen(QPen(BackPattern, 2));
  for (qreal d = -60; d <= 60; d += 10) {
    painter.drawLine(QPointF(d - 30, -30), QPointF(d + 30, 30));
    painter.drawLine(QPointF(d + 30, -30), QPointF(d - 30, 30));
  }
  painter.setClipping(false);
}

void DrawAceOfSpades(QPainter& painter) {
  painter.setPen(QPen(Ink, 1.5));
  painter.setBrush(CardFace);
  painter.drawRoundedRect(Card, CardCorner, CardCorner);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  QTransform spade;
  spade.translate(0, 3);
  spade.scale(30, 30);
  painter.drawPath(spade.map(CardGlyphs::SuitShape(3)));
  QTransform index;
  index.translate(Card.left() + 4, Card.top() + 4);
  index.scale(10, 10);
  painter.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(index.map(CardGlyphs::RankStrokes(0)));
}

}  // namespace

QImage ProgramPicture(QSize size) {
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  const int side = std::min(size.width(), size.height());
  if (side <= 0)
    return picture;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
  painter.scale(side / Grid, side / Grid);
  DrawFelt(painter);
  PlaceCard(painter, QPointF(38, 52), -16);
  DrawBack(painter);
  painter.restore();
  PlaceCard(painter, QPointF(61, 50), 12);
  DrawAceOfSpades(painter);
  painter.restore();
  return picture;
}
