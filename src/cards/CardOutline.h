#pragma once

#include <QSize>
#include <array>
#include <utility>
#include <vector>

// The rounded outline shared by every card picture of one size: the mask, the
// faces and backs, the slot, glow and shadow are all cut from it, so their
// corners line up pixel for pixel. A picture drawn for a screen with a device
// pixel ratio is `ratio` times larger, and its corners are cut from a circle
// as many times larger, so they stay round instead of turning into steps.
namespace CardOutline {

inline constexpr QSize LargeSize{71, 96};
inline constexpr QSize SmallSize{54, 72};

// The outline of a picture `cardSize` pixels large (its own pixels), drawn
// with `ratio` device pixels per table pixel.
class TShape {
 public:
  explicit TShape(QSize cardSize, double ratio = 1.0);

  QSize Size() const { return FSize; }
  // Pixels cut off at each end of a row that lies `rowFromEdge` rows from the
  // top or bottom edge; 0 once the row is past the rounded corner.
  int CornerCut(int rowFromEdge) const;
  // True for the pixels outside the card (its rounded corners and anything
  // beyond the card's rectangle).
  bool IsOutside(int x, int y) const;
  // True for the card pixels that touch the outside (4-neighbourhood) or the
  // picture's edge: the one-pixel border line of a card. With a `width`
  // above 1, the pixels up to that many steps away from the outside.
  bool IsBorder(int x, int y, int width = 1) const;

  // The same questions a whole row at a time, as runs of pixels [from, to)
  // (a run with to <= from is empty). A row's card pixels are one run; its
  // border pixels, two runs, at its left and its right end.
  using TRun = std::pair<int, int>;
  TRun Inside(int y) const;
  std::array<TRun, 2> BorderRuns(int y, int width = 1) const;

 private:
  QSize FSize;
  std::vector<int> FCuts;
};

// The same for a single question (`cardSize` in the picture's own pixels).
int CornerCut(int rowFromEdge, QSize cardSize, double ratio = 1.0);
bool IsOutside(int x, int y, QSize cardSize, double ratio = 1.0);
bool IsBorder(int x, int y, QSize cardSize, double ratio = 1.0, int width = 1);

}  // namespace CardOutline
