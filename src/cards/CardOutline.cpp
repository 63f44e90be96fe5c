#include "cards/CardOutline.h"

#include <array>
#include <span>

namespace CardOutline {

namespace {

constexpr std::array<int, 4> LargeCorner{4, 2, 1, 1};
constexpr std::array<int, 3> SmallCorner{3, 1, 1};

std::span<const int> CornerFor(QSize cardSize) {
  if (cardSize.width() >= LargeSize.width())
    return LargeCorner;
  return SmallCorner;
}

}  // namespace

int CornerCut(int rowFromEdge, QSize cardSize) {
  const auto corner = CornerFor(cardSize);
  if (rowFromEdge < 0 || rowFromEdge >= static_cast<int>(corner.size()))
    return 0;
  return corner[static_cast<size_t>(rowFromEdge)];
}

bool IsOutside(int x, int y, QSize cardSize) {
  const int w = cardSize.width();
  const int h = cardSize.height();
  if (x < 0 || y < 0 || x >= w || y >= h)
    return true;
  const int cut = CornerCut(std::min(y, h - 1 - y), cardSize);
  return x < cut || x >= w - cut;
}

bool IsBorder(int x, int y, QSize cardSize) {
  if (IsOutside(x, y, cardSize))
    return false;
  return IsOutside(x - 1, y, cardSize) || IsOutside(x + 1, y, cardSize) ||
         IsOutside(x, y - 1, cardSize) || IsOutside(x, y + 1, cardSize);
}

}  // namespace CardOutline
