#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "cards/CardArt.h"
#include "cards/CardArtDetail.h"

namespace CardArt::Detail {

namespace {

struct BackColours {
  QColor base;
  QColor fore;
  QColor accent;
};

// Everything a back pattern needs: the painter, whose origin is the centre of
// the patterned field, the field's half extents, the colours and the unit
// (1 on large cards, smaller on small ones).
struct BackField {
  QPainter& painter;
  qreal halfWidth;
  qreal halfHeight;
  qreal unit;
  BackColours colours;
};

// Calls `visit(x, y, column, row)` for a grid of points centred on the field's
// middle, `stepX` and `stepY` apart, covering the field plus a margin; with
// `staggered`, every other row is shifted by half a step.
template <typename Visit>
void ForGrid(const BackField& field, qreal stepX, qreal stepY, bool staggered, Visit visit) {
  const int columns = static_cast<int>(std::ceil(field.halfWidth / stepX)) + 1;
  const int rows = static_cast<int>(std::ceil(field.halfHeight / stepY)) + 1;
  for (int row = -rows; row <= rows; ++row) {
    const qreal shift = (staggered && (row & 1)) ? stepX / 2 : 0.0;
    for (int column = -columns; column <= columns; ++column)
      visit(column * stepX + shift, row * stepY, column, row);
  }
}

QRectF FieldRect(const BackField& field) {
  return QRectF(-field.halfWidth, -field.halfHeight, 2 * field.halfWidth, 2 * field.halfHeight);
}

// A pattern spacing of `length` large-card pixels, rounded to whole pixels so
// that the pattern repeats crisply at every card size.
qreal Step(const BackField& field, qreal length) {
  return std::max(2.0, std::round(length * field.unit));
}

void FillField(const BackField& field, const QColor& colour) {
  field.painter.fillRect(FieldRect(field), colour);
}

QPen ThinPen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void PaintLattice(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 10.0);
  const qreal reach = f.halfWidth + f.halfHeight;
  const int count = static_cast<int>(std::ceil(reach / step)) + 1;
  f.painter.setPen(ThinPen(f.colours.fore, 1.1 * f.unit));
  for (int i = -count; i <= count; ++i) {
    const qreal d = i * step;
    f.painter.drawLine(QPointF(d - reach, -reach), QPointF(d + reach, reach));
    f.painter.drawLine(QPointF(d + reach, -reach), QPointF(d - reach, reach));
  }
  // A dot in the middle of every lattice cell.
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.accent);
  ForGrid(f, step, step / 2, true, [&](qreal x, qreal y, int, int) {
    f.painter.drawEllipse(QPointF(x + step / 2, y), 1.0 * f.unit, 1.0 * f.unit);
  });
}

void PaintChecks(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 5.0);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int column, int row) {
    if ((column + row) & 1)
      f.painter.fillRect(QRectF(x - step / 2, y - step / 2, step, step), f.colours.fore);
    else
      f.painter.fillRect(QRectF(x - 0.6 * f.unit, y - 0.6 * f.unit, 1.2 * f.unit, 1.2 * f.unit),
                         f.colours.accent);
  });
}

void PaintDots(const BackField& f) {
  FillField(f, f.colours.base);
  f.painter.setPen(Qt::NoPen);
  const qreal step = Step(f, 8.0);
  ForGrid(f, step / 2, step / 2, false, [&](qreal x, qreal y, int column, int row) {
    const bool big = !(column & 1) && !(row & 1);
    const bool small = (column & 1) && (row & 1);
    if (!big && !small)
      return;
    f.painter.setBrush(big ? f.colours.fore : f.colours.accent);
    const qreal r = (big ? 2.2 : 1.0) * f.unit;
    f.painter.drawEllipse(QPointF(x, y), r, r);
  });
}

void PaintWaves(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 6.0);
  const qreal period = 14.0 * f.unit;
  const qreal amplitude = 2.0 * f.unit;
  const int rows = static_cast<int>(std::ceil(f.halfHeight / step)) + 1;
  const int waves = static_cast<int>(std::ceil(f.halfWidth / period)) + 1;
  for (int row = -rows; row <= rows; ++row) {
    QPainterPath wave;
    const qreal y = row * step;
    wave.moveTo(-waves * period, y);
    for (int i = -waves; i < waves; ++i) {
      const qreal x = i * period;
      wave.cubicTo(x + period * 0.25, y - 2 * amplitude, x + period * 0.25, y + 2 * amplitude,
                   x + period * 0.5, y);
      wave.cubicTo(x + period * 0.75, y - 2 * amplitude, x + period * 0.75, y + 2 * amplitude,
                   x + period, y);
    }
    f.painter.strokePath(wave,
                         ThinPen((row & 1) ? f.colours.accent : f.colours.fore, 1.3 * f.unit));
  }
}

void PaintStripes(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 7.0);
  const qreal reach = f.halfWidth + f.halfHeight;
  const int count = static_cast<int>(std::ceil(reach / step)) + 1;
  for (int i = -count; i <= count; ++i) {
    const qreal d = i * step;
    const QPointF a(d - reach, -reach);
    const QPointF b(d + reach, reach);
    f.painter.setPen(ThinPen(f.colours.fore, 3.0 * f.unit));
    f.painter.drawLine(a, b);
    f.painter.setPen(ThinPen(f.colours.accent, 0.8 * f.unit));
    f.painter.drawLine(a + QPointF(step / 2, 0), b + QPointF(step / 2, 0));
  }
}

void PaintHarlequin(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal stepX = Step(f, 10.0);
  const qreal stepY = Step(f, 14.0);
  f.painter.setPen(ThinPen(f.colours.accent, 0.8 * f.unit));
  ForGrid(f, stepX, stepY / 2, true, [&](qreal x, qreal y, int, int row) {
    f.painter.setBrush((row & 1) ? f.colours.fore : f.colours.base);
    f.painter.drawPolygon(QPolygonF({QPointF(x, y - stepY / 2), QPointF(x + stepX / 2, y),
                                     QPointF(x, y + stepY / 2), QPointF(x - stepX / 2, y)}));
  });
}

void PaintFrames(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 4.0);
  f.painter.setBrush(Qt::NoBrush);
  int ring = 0;
  for (qreal inset = step / 2; inset < f.halfWidth - step; inset += step, ++ring) {
    f.painter.setPen(ThinPen((ring & 1) ? f.colours.accent : f.colours.fore, 1.3 * f.unit));
    f.painter.drawRect(FieldRect(f).adjusted(inset, inset, -inset, -inset));
  }
  const qreal r = 4.0 * f.unit;
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.fore);
  f.painter.drawPolygon(
      QPolygonF({QPointF(0, -2 * r), QPointF(r, 0), QPointF(0, 2 * r), QPointF(-r, 0)}));
}

QPolygonF Star(QPointF centre, qreal outer, qreal inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const qreal angle = i * std::numbers::pi / 5 - std::numbers::pi / 2;
    const qreal r = (i & 1) ? inner : outer;
    star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
  }
  return star;
}

void PaintStars(const BackField& f) {
  FillField(f, f.colours.base);
  f.painter.setPen(Qt::NoPen);
  const qreal step = Step(f, 10.0);
  ForGrid(f, step, step * 0.6, true, [&](qreal x, qreal y, int, int row) {
    if (row & 1) {
      f.painter.setBrush(f.colours.accent);
      f.painter.drawEllipse(QPointF(x, y), 0.7 * f.unit, 0.7 * f.unit);
    } else {
      f.painter.setBrush(f.colours.fore);
      f.painter.drawPolygon(Star({x, y}, 3.2 * f.unit, 1.3 * f.unit));
    }
  });
}

void PaintScales(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal r = 4.5 * f.unit;
  // Rows from the bottom up: each row hides the top half of the row below,
  // leaving overlapping arcs like the scales of a fish.
  const int rows = static_cast<int>(std::ceil(f.halfHeight / r)) + 2;
  const int columns = static_cast<int>(std::ceil(f.halfWidth / (2 * r))) + 2;
  for (int row = rows; row >= -rows; --row) {
    const qreal shift = (row & 1) ? r : 0.0;
    for (int column = -columns; column <= columns; ++column) {
      const QPointF centre(column * 2 * r + shift, row * r);
      f.painter.setPen(ThinPen(f.colours.base, 1.0 * f.unit));
      f.painter.setBrush(f.colours.fore);
      f.painter.drawEllipse(centre, r, r);
      f.painter.setPen(ThinPen(f.colours.accent, 0.8 * f.unit));
      f.painter.drawArc(QRectF(centre.x() - 0.6 * r, centre.y() - 0.6 * r, 1.2 * r, 1.2 * r),
                        200 * 16, 140 * 16);
    }
  }
}

void PaintBasket(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal band = Step(f, 3.0);
  const qreal cell = 3 * band;
  ForGrid(f, cell, cell, false, [&](qreal x, qreal y, int column, int row) {
    const bool across = (column + row) & 1;
    for (int i = 0; i < 3; ++i) {
      const qreal offset = -cell / 2 + i * band;
      const QRectF strip = across ? QRectF(x - cell / 2, y + offset, cell, band)
                                  : QRectF(x + offset, y - cell / 2, band, cell);
      f.painter.setPen(ThinPen(f.colours.fore, 0.7 * f.unit));
      f.painter.setBrush(i == 1 ? f.colours.accent : f.colours.base);
      f.painter.drawRect(strip);
    }
  });
}

void PaintRings(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 9.0);
  const qreal r = step * 0.7;
  f.painter.setBrush(Qt::NoBrush);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int column, int row) {
    f.painter.setPen(
        ThinPen(((column + row) & 1) ? f.colours.accent : f.colours.fore, 1.2 * f.unit));
    f.painter.drawEllipse(QPointF(x, y), r, r);
  });
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.fore);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int, int) {
    f.painter.drawEllipse(QPointF(x + step / 2, y + step / 2), 1.1 * f.unit, 1.1 * f.unit);
  });
}

void PaintSunburst(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal reach = f.halfWidth + f.halfHeight;
  constexpr int Rays = 32;
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.fore);
  for (int i = 0; i < Rays; i += 2) {
    const qreal a0 = i * 2 * std::numbers::pi / Rays;
    const qreal a1 = (i + 1) * 2 * std::numbers::pi / Rays;
    f.painter.drawPolygon(
        QPolygonF({QPointF(0, 0), QPointF(reach * std::cos(a0), reach * std::sin(a0)),
                   QPointF(reach * std::cos(a1), reach * std::sin(a1))}));
  }
  for (qreal r : {11.0, 8.5, 6.0, 3.5}) {
    const bool light = static_cast<int>(r) % 5 == 1 || r < 4;
    f.painter.setBrush(light ? f.colours.accent : f.colours.base);
    f.painter.drawEllipse(QPointF(0, 0), r * f.unit, r * f.unit);
  }
}

void PaintTartan(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 14.0);
  const qreal band = Step(f, 5.0);
  const qreal h = f.halfHeight + 1;
  const qreal w = f.halfWidth + 1;
  QColor wide = f.colours.fore;
  wide.setAlpha(150);
  const QColor thread(196, 32, 40);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int, int) {
    f.painter.fillRect(QRectF(x - band / 2, -h, band, 2 * h), wide);
    f.painter.fillRect(QRectF(-w, y - band / 2, 2 * w, band), wide);
  });
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int, int) {
    const qreal half = std::floor(step / 2);
    f.painter.fillRect(QRectF(x + half, -h, 1, 2 * h), f.colours.accent);
    f.painter.fillRect(QRectF(-w, y + half, 2 * w, 1), f.colours.accent);
    f.painter.fillRect(QRectF(x, -h, 1, 2 * h), thread);
    f.painter.fillRect(QRectF(-w, y, 2 * w, 1), thread);
  });
}

struct BackStyle {
  void (*paint)(const BackField&);
  BackColours colours;
};

const std::array<BackStyle, BackDesigns>& BackStyles() {
  static const std::array<BackStyle, BackDesigns> styles{{
      {PaintLattice, {{24, 58, 150}, {130, 170, 236}, {255, 255, 255}}},
      {PaintChecks, {{196, 30, 40}, {124, 12, 24}, {250, 210, 200}}},
      {PaintDots, {{20, 112, 52}, {190, 232, 150}, {250, 230, 120}}},
      {PaintWaves, {{84, 38, 132}, {206, 176, 244}, {240, 200, 90}}},
      {PaintStripes, {{222, 128, 28}, {150, 62, 12}, {255, 226, 150}}},
      {PaintHarlequin, {{0, 110, 122}, {96, 196, 196}, {224, 248, 244}}},
      {PaintFrames, {{122, 18, 44}, {238, 164, 178}, {246, 204, 96}}},
      {PaintStars, {{14, 24, 82}, {244, 204, 64}, {180, 200, 255}}},
      {PaintScales, {{16, 96, 160}, {110, 190, 236}, {225, 244, 255}}},
      {PaintBasket, {{196, 150, 88}, {96, 60, 22}, {150, 100, 44}}},
      {PaintRings, {{78, 92, 116}, {214, 222, 236}, {150, 190, 230}}},
      {PaintSunburst, {{164, 26, 116}, {236, 128, 196}, {255, 220, 240}}},
      {PaintTartan, {{24, 84, 44}, {22, 40, 112}, {236, 200, 60}}},
  }};
  return styles;
}

void PaintBack(QPainter& painter, QSize cardSize, const BackStyle& style) {
  const int band = IsLarge(cardSize) ? 4 : 3;
  const QRect field(band, band, cardSize.width() - 2 * band, cardSize.height() - 2 * band);
  painter.setClipRect(field);
  // The pattern's origin sits on a whole pixel near the middle, so that
  // whole-pixel spacings fall on pixel edges.
  const QPoint origin = field.topLeft() + QPoint(field.width() / 2, field.height() / 2);
  painter.translate(origin);
  const BackField backField{painter, field.width() / 2.0 + 1, field.height() / 2.0 + 1,
                            cardSize.width() / 71.0, style.colours};
  style.paint(backField);
  painter.resetTransform();
  painter.setClipping(false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(style.colours.base.darker(150));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(field.adjusted(0, 0, -1, -1));
}

}  // namespace

}  // namespace CardArt::Detail

namespace CardArt {

QImage DrawBack(int design, QSize cardSize, double ratio) {
  using namespace Detail;
  QImage image = NewCanvas(cardSize, CardWhite, ratio);
  if (design >= 0 && design < BackDesigns) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBack(painter, cardSize, BackStyles()[static_cast<size_t>(design)]);
  }
  CutOutline(image);
  return image;
}

}  // namespace CardArt
