#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

#include "cards/CardArtDetail.h"

// Court cards
//
// Each court figure is drawn in the top half of its frame, on a grid 100 units
// wide and 80 units tall whose bottom edge is the frame's middle, then drawn a
// second time turned half a turn for the bottom half. The pieces all three
// figures share live in CardCourt.cpp, the figures in CardCourtFigures.cpp.
namespace CardArt::Detail {

struct CourtPalette {
  QColor ink;     // the suit colour: robe and frame
  QColor second;  // the second garment colour
  QColor gold;
  QColor skin;
  QColor hair;
  QColor lips;
  QColor metal;
  QColor line;
  QColor fur;
};

// What a court figure is drawn with: the painter (already mapped to the grid),
// the colours, and whether there is room for the finer details.
struct Court {
  QPainter& painter;
  const CourtPalette& colours;
  bool detailed;
  int suit;
};

void Shape(const Court& court, const QPainterPath& path, const QColor& fill);
void Ellipse(const Court& court, QPointF centre, qreal rx, qreal ry, const QColor& fill);
void Line(const Court& court, std::initializer_list<QPointF> points, const QColor& colour,
          qreal width);
QPainterPath Polygon(std::initializer_list<QPointF> points);

inline constexpr QPointF Hand(84, 72);

// Draws with the grid mirrored left to right, for figures holding their
// attribute in the other hand.
class Mirrored {
 public:
  explicit Mirrored(const Court& court) : painter_(court.painter) {
    painter_.save();
    painter_.translate(100, 0);
    painter_.scale(-1, 1);
  }
  ~Mirrored() { painter_.restore(); }
  Mirrored(const Mirrored&) = delete;
  Mirrored& operator=(const Mirrored&) = delete;

 private:
  QPainter& painter_;
};

// Pieces the figures share; the hand is drawn last, over whatever it holds.
void DrawRobe(const Court& court);
void DrawArm(const Court& court);
void DrawHand(const Court& court);
void DrawHead(const Court& court, bool bearded);

// The three figures.
void DrawKing(const Court& court);
void DrawQueen(const Court& court);
void DrawJack(const Court& court);

}  // namespace CardArt::Detail
