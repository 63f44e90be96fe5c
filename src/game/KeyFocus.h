#pragma once

#include <QRect>

#include "game/GameTypes.h"

class TCanvas;
class TCard;
class TPixelScale;

// The places the keyboard frame walks over, left to right: the stock, the
// ten columns, then the eight home piles.
inline constexpr int StockPlace = 0;
inline constexpr int FirstColumnPlace = 1;
inline constexpr int FirstHomePlace = FirstColumnPlace + Columns;
inline constexpr int TablePlaces = FirstHomePlace + HomePiles;

// The column (0..9) or home pile (0..7) a place is, or -1 when it is not one.
inline int ColumnOfPlace(int place) {
  return place >= FirstColumnPlace && place < FirstHomePlace ? place - FirstColumnPlace : -1;
}
inline int HomeOfPlace(int place) {
  return place >= FirstHomePlace && place < TablePlaces ? place - FirstHomePlace : -1;
}

enum TFocusStep { fsLeft, fsRight, fsUp, fsDown };

// Where the keyboard frame is: a place and, on a column, the slot of the
// card it frames with every card above it. `Top` is the column's top card
// when the slot was chosen: once the column's cards change, the frame goes
// back to its last card.
struct TKeyFocus {
  int Place = FirstColumnPlace;
  int Row = 0;
  const TCard* Top = nullptr;
  bool Shown = false;
};

// The frame as painted: a ring `Width` table pixels wide along the inside
// of `Outer`; nothing when `Outer` is empty.
struct TFocusFrame {
  QRect Outer;
  int Width = 0;
  bool operator==(const TFocusFrame&) const = default;
};

// The frame around `area` (the framed cards), kept within half the gap
// between columns so that it never reaches a neighbour, and clear of the
// selection's glow next to the card.
TFocusFrame FocusFrameAround(const QRect& area, int columnGap);

// Paints the frame: white and black dashes, which stand out on the green
// cloth and on card faces alike and never look like the yellow selection.
void PaintFocusFrame(TCanvas& canvas, const TFocusFrame& frame, const TPixelScale& scale);
