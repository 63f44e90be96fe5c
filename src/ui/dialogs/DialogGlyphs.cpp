#include "ui/dialogs/DialogGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int GlyphSize = 16;
const QColor TickGreen(0, 140, 0);
const QColor CrossRed(200, 30, 30);

QImage Stroked(const QPainterPath& path, const QColor& colour) {
  QImage glyph(GlyphSize, GlyphSize, QImage::Format_ARGB32_Premultiplied);
  glyph.fill(Qt::transparent);
  QPainter painter(&glyph);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  return glyph;
}

}  // namespace

QImage OKGlyph() {
  QPainterPath tick;
  tick.moveTo(3, 8.5);
  tick.lineTo(6.5, 12);
  tick.lineTo(13, 4);
  return Stroked(tick, TickGreen);
}

QImage CancelGlyph() {
  QPainterPath cross;
  cross.moveTo(4, 4);
  cross.lineTo(12, 12);
  cross.moveTo(12, 4);
  cross.lineTo(4, 12);
  return Stroked(cross, CrossRed);
}
