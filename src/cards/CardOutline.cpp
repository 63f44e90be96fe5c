#include "cards/CardOutline.h"

#include <algorithm>
#include <cmath>

namespace CardOutline {

namespace {

// Corner radii in table pixels; at ratio 1 their circles cut the rows
// 4, 2, 1, 1 (large) and 3, 1, 1 (small) pixels deep.
constexpr double LargeRadius = 6.0;
constexpr double SmallRadius = 5.0;

bool IsLarge(QSize cardSize, double ratio) {
  return cardSize.width() >= LargeSize.width() * ratio - 1e-6;
}

}  // namespace

TShape::TShape(QSize cardSize, double ratio) : FSize(cardSize) {
  const double radius = (IsLarge(cardSize, ratio) ? LargeRadius : SmallRadius) * ratio;
  for (int row = 0; row + 0.5 < radius; ++row) {
    // The pixels whose centres lie left of the circle.
    const double dy = radius - (row + 0.5);
    const double edge = radius - std::sqrt(radius * radius - dy * dy);
    FCuts.push_back(std::max(0, static_cast<int>(std::ceil(edge - 0.5))));
  }
}

int TShape::CornerCut(int rowFromEdge) const {
  if (rowFromEdge < 0 || rowFromEdge >= static_cast<int>(FCuts.size()))
    return 0;
  return FCuts[static_cast<size_t>(rowFromEdge)];
}

bool TShape::IsOutside(int x, int y) const {
  const int w = FSize.width();
  const int h = FSize.height();
  if (x < 0 || y < 0 || x >= w || y >= h)
    return true;
  const int cut = CornerCut(std::min(y, h - 1 - y));
  return x < cut || x >= w - cut;
}

bool TShape::IsBorder(int x, int y, int width) const {
  if (IsOutside(x, y))
    return false;
  for (int d = 1; d <= width; ++d)
    if (IsOutside(x - d, y) || IsOutside(x + d, y) || IsOutside(x, y - d) || IsOutside(x, y + d))
      return true;
  return false;
}

TShape::TRun TShape::Inside(int y) const {
  const int w = FSize.width();
  const int h = FSize.height();
  if (y < 0 || y >= h)
    return {w, 0};
  const int cut = CornerCut(std::min(y, h - 1 - y));
  return {cut, w - cut};
}

// A pixel touches the outside across its row within `width` of the row's
// ends, or up or down where a row within `width` is narrower. Rows nearer
// the top or bottom edge are never wider, so the narrowest of those rows
// bounds it.
std::array<TShape::TRun, 2> TShape::BorderRuns(int y, int width) const {
  const auto [first, end] = Inside(y);
  int left = first + width;
  int right = end - width;
  for (int d = 1; d <= width; ++d)
    for (const int row : {y - d, y + d}) {
      const auto [rowFirst, rowEnd] = Inside(row);
      left = std::max(left, rowFirst);
      right = std::min(right, rowEnd);
    }
  const int leftEnd = std::min(left, end);
  return {TRun{first, leftEnd}, TRun{std::max(right, leftEnd), end}};
}

int CornerCut(int rowFromEdge, QSize cardSize, double ratio) {
  return TShape(cardSize, ratio).CornerCut(rowFromEdge);
}

bool IsOutside(int x, int y, QSize cardSize, double ratio) {
  return TShape(cardSize, ratio).IsOutside(x, y);
}

bool IsBorder(int x, int y, QSize cardSize, double ratio, int width) {
  return TShape(cardSize, ratio).IsBorder(x, y, width);
}

}  // namespace CardOutline
