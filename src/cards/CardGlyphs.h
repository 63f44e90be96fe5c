#pragma once

#include <QPainterPath>
#include <initializer_list>

// The vector shapes the card pictures are built from: the four suit symbols
// and the rank characters of the corner index. Being plain paths, they draw
// the same pixels on every machine, whatever fonts it has.
namespace CardGlyphs {

// Suit symbol `suit` 0..3 (Hearts, Diamonds, Clubs, Spades), upright,
// centred on the origin and exactly 1 unit tall (at most 1 unit wide).
// Filled with the winding rule.
const QPainterPath& SuitShape(int suit);

// Centre lines of the index characters of rank `rank` 0..12 ("A", "2" ..
// "10", "J", "Q", "K"), meant to be stroked with a pen. The characters are
// 1 unit tall, from y = 0 at the top to y = 1 at the baseline, and start at
// x = 0.
const QPainterPath& RankStrokes(int rank);

// Width of RankStrokes(rank) in the same units (its centre lines span
// 0..RankWidth).
qreal RankWidth(int rank);

// An open path through `points` in order.
QPainterPath Polyline(std::initializer_list<QPointF> points);

}  // namespace CardGlyphs
