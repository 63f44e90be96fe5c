#pragma once

#include <QSize>

// The rounded outline shared by every card picture of one size: the mask, the
// faces and backs, the slot, glow and shadow are all cut from it, so their
// corners line up pixel for pixel.
namespace CardOutline {

inline constexpr QSize LargeSize{71, 96};
inline constexpr QSize SmallSize{54, 72};

// Pixels cut off at each end of a row that lies `rowFromEdge` rows from the top
// or bottom edge; 0 once the row is past the rounded corner.
int CornerCut(int rowFromEdge, QSize cardSize);

// True for the pixels outside the card (its rounded corners and anything
// beyond the card's rectangle).
bool IsOutside(int x, int y, QSize cardSize);

// True for the card pixels that touch the outside (4-neighbourhood) or the
// picture's edge: the one-pixel border line of a card.
bool IsBorder(int x, int y, QSize cardSize);

}  // namespace CardOutline
