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

int CornerCut(int rowFromEdge, QSize cardSize, double ratio) {
  const double radius = (IsLarge(cardSize, ratio) ? LargeRadius : SmallRadius) * ratio;
  const double dy = radius - (rowFromEdge + 0.5);
  if (rowFromEdge < 0 || dy <= 0)
    return 0;
  // The pixels whose centres lie left of the circle.
  const double edge = radius - std::sqrt(radius * radius - dy * dy);
  return std::max(0, static_cast<int>(std::ceil(edge - 0.5)));
}

bool IsOutside(int x, int y, QSize cardSize, double ratio) {
  const int w = cardSize.width();
  const int h = cardSize.height();
  if (x < 0 || y < 0 || x >= w || y >= h)
    return true;
  const int cut = CornerCut(std::min(y, h - 1 - y), cardSize, ratio);
  return x < cut || x >= w - cut;
}

bool IsBorder(int x, int y, QSize cardSize, double ratio, int width) {
  if (IsOutside(x, y, cardSize, ratio))
    return false;
  for (int d = 1; d <= width; ++d)
    if (IsOutside(x - d, y, cardSize, ratio) || IsOutside(x + d, y, cardSize, ratio) ||
        IsOutside(x, y - d, cardSize, ratio) || IsOutside(x, y + d, cardSize, ratio))
      return true;
  return false;
}

}  // namespace CardOutline
