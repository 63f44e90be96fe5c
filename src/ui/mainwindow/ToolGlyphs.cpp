#include "ui/mainwindow/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include "cards/CardGlyphs.h"
#include "cards/PixelScale.h"

namespace {

constexpr int GlyphSize = 32;
const QRgb Key = qRgb(255, 0, 255);
// Soft edges are mixed with a grey like the middle of the buttons' face,
// never with the key; pixels fainter than this become the key.
const QColor Backdrop(70, 70, 70);
constexpr int OpaqueEnough = 96;

const QColor Ink(20, 20, 20);
const QColor CardFace(250, 250, 245);
const QColor CardBack(40, 90, 200);
const QColor BackPattern(150, 185, 255);
const QColor ArrowFill(255, 205, 60);
const QColor BaseFill(170, 170, 160);

// Painters on it draw in button pixels, whatever the ratio.
QImage TransparentCanvas(double ratio) {
  const TPixelScale scale(ratio);
  QImage image(scale.Size(QSize(GlyphSize, GlyphSize)), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale.Ratio());
  image.fill(Qt::transparent);
  return image;
}

int Mix(int channel, int backdrop, int alpha) {
  return (channel * alpha + backdrop * (255 - alpha) + 127) / 255;
}

QRgb OverBackdrop(QRgb pixel) {
  const int alpha = qAlpha(pixel);
  const QRgb mixed =
      qRgb(Mix(qRed(pixel), Backdrop.red(), alpha), Mix(qGreen(pixel), Backdrop.green(), alpha),
           Mix(qBlue(pixel), Backdrop.blue(), alpha));
  return mixed == Key ? qRgb(254, 0, 255) : mixed;
}

// The drawing on the key colour, every pixel either key or opaque.
QImage Flatten(const QImage& drawing) {
  const QImage straight = drawing.convertToFormat(QImage::Format_ARGB32);
  QImage flat(straight.size(), QImage::Format_RGB32);
  for (int y = 0; y < flat.height(); ++y) {
    for (int x = 0; x < flat.width(); ++x) {
      const QRgb pixel = straight.pixel(x, y);
      flat.setPixel(x, y, qAlpha(pixel) < OpaqueEnough ? Key : OverBackdrop(pixel));
    }
  }
  flat.setPixel(0, flat.height() - 1, Key);
  flat.setDevicePixelRatio(drawing.devicePixelRatio());
  return flat;
}

// A card 18 x 25 standing on its bottom centre at (16, 30), leaning by
// `degrees`; painter coordinates are then the card's own, (0, 0) top-left.
void PlaceCard(QPainter& painter, qreal degrees) {
  painter.resetTransform();
  painter.translate(16, 30);
  painter.rotate(degrees);
  painter.translate(-9, -25);
}

const QRectF CardRect(0.5, 0.5, 17, 24);

void DrawCardBack(QPainter& painter) {
  painter.setPen(QPen(Ink, 1));
  painter.setBrush(CardBack);
  painter.drawRoundedRect(CardRect, 2, 2);
  painter.setPen(QPen(BackPattern, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(CardRect.adjusted(2, 2, -2, -2), 1, 1);
  painter.drawLine(QPointF(4.5, 5), QPointF(13.5, 20));
  painter.drawLine(QPointF(13.5, 5), QPointF(4.5, 20));
}

void DrawCardFace(QPainter& painter) {
  painter.setPen(QPen(Ink, 1));
  painter.setBrush(CardFace);
  painter.drawRoundedRect(CardRect, 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  QTransform place;
  place.translate(9, 12.5);
  place.scale(12, 12);
  painter.drawPath(place.map(CardGlyphs::SuitShape(3)));
}

// The arrow's body: a band from the head out to the right, round a half
// circle and back left underneath.
QPainterPath UndoBody() {
  QPainterPath centre;
  centre.moveTo(10, 11);
  centre.lineTo(19, 11);
  centre.arcTo(QRectF(12, 11, 14, 14), 90, -180);
  centre.lineTo(9, 25);
  QPainterPathStroker stroker;
  stroker.setWidth(5);
  stroker.setCapStyle(Qt::FlatCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(centre);
}

QPainterPath UndoHead() {
  QPainterPath head;
  head.moveTo(2, 11);
  head.lineTo(12, 3);
  head.lineTo(12, 19);
  head.closeSubpath();
  return head;
}

// The bulb's glass: a round top narrowing to a neck that meets the base.
QPainterPath BulbGlass() {
  QPainterPath glass;
  glass.moveTo(12, 21);
  glass.cubicTo(12, 17, 6, 15, 6, 10);
  glass.arcTo(QRectF(6, 1, 20, 18), 180, -180);
  glass.cubicTo(26, 15, 20, 17, 20, 21);
  glass.closeSubpath();
  return glass;
}

void DrawBulbBase(QPainter& painter) {
  painter.setBrush(BaseFill);
  painter.drawRoundedRect(QRectF(11.5, 21, 9, 7), 1.5, 1.5);
  painter.drawLine(QPointF(11.5, 23.5), QPointF(20.5, 23.5));
  painter.drawLine(QPointF(11.5, 26), QPointF(20.5, 26));
  painter.drawLine(QPointF(14, 28), QPointF(18, 28));
}

}  // namespace

QImage HintGlyph(double ratio) {
  QImage drawing = TransparentCanvas(ratio);
  QPainter painter(&drawing);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(ArrowFill);
  painter.drawPath(BulbGlass());
  // The filament, a small zigzag in the glass.
  painter.setPen(QPen(Ink, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(QPolygonF(
      {QPointF(13, 15), QPointF(14.5, 11), QPointF(16, 14), QPointF(17.5, 11), QPointF(19, 15)}));
  painter.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  DrawBulbBase(painter);
  painter.end();
  return Flatten(drawing);
}

QImage DealGlyph(double ratio) {
  QImage drawing = TransparentCanvas(ratio);
  QPainter painter(&drawing);
  painter.setRenderHint(QPainter::Antialiasing);
  PlaceCard(painter, -20);
  DrawCardBack(painter);
  PlaceCard(painter, 14);
  DrawCardFace(painter);
  painter.end();
  return Flatten(drawing);
}

QImage UndoGlyph(double ratio) {
  QImage drawing = TransparentCanvas(ratio);
  QPainter painter(&drawing);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow = UndoBody().united(UndoHead());
  painter.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(ArrowFill);
  painter.drawPath(arrow.simplified());
  painter.end();
  return Flatten(drawing);
}
