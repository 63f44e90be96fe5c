#include "cards/PixelScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Ratios such as 1.1 are not exact in binary: a product meant to be whole
// may come out a hair below or above it.
constexpr double Slack = 1e-6;

}  // namespace

TPixelScale::TPixelScale(double ratio)
    : FRatio(std::isfinite(ratio) ? std::clamp(ratio, 1.0, MaxRatio) : 1.0) {}

bool TPixelScale::IsWhole() const {
  return FRatio == std::floor(FRatio);
}

int TPixelScale::Start(int x) const {
  return IsOne() ? x : static_cast<int>(std::floor(x * FRatio + Slack));
}

int TPixelScale::End(int x) const {
  return IsOne() ? x : static_cast<int>(std::ceil(x * FRatio - Slack));
}

QRect TPixelScale::Cover(const QRect& r) const {
  if (IsOne() || r.isEmpty())
    return r;
  const QPoint topLeft = Point(r.topLeft());
  const QPoint end(End(r.x() + r.width()), End(r.y() + r.height()));
  return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

QSize TPixelScale::TableSize(QSize deviceSize) const {
  if (IsOne())
    return deviceSize;
  const auto table = [this](int device) {
    return static_cast<int>(std::floor(device / FRatio + Slack));
  };
  return {table(deviceSize.width()), table(deviceSize.height())};
}
