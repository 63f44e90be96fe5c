#include "fireworks/Vector3.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double RadiansPerDegree = 0.017453292519943295;
// Stands in for a zero length so that normalising never divides by zero.
constexpr double TinyLength = 1e-99;

}  // namespace

TVector3 Normalise(const TVector3& v) {
  double length = Length(v);
  if (length == 0.0)
    length = TinyLength;
  return Divide(v, length);
}

int RoundEven(double value) {
  const double rounded = std::nearbyint(value);
  // Far-off or undefined values saturate instead of overflowing.
  if (std::isnan(rounded))
    return 0;
  return static_cast<int>(std::clamp(rounded, double(INT_MIN), double(INT_MAX)));
}

QPoint ToPoint(const TVector3& v) {
  return {RoundEven(v.x), RoundEven(v.y)};
}

TVector3 SphericalPoint(const TVector3& origin, double a, double b, double r) {
  const double ar = a * RadiansPerDegree;
  const double br = b * RadiansPerDegree;
  // (0, r, 0) about z by a, then about x by b.
  const double x1 = r * std::sin(ar);
  const double y1 = r * std::cos(ar);
  const double z1 = 0.0;
  const double y2 = y1 * std::cos(br) + z1 * std::sin(br);
  const double z2 = -y1 * std::sin(br) + z1 * std::cos(br);
  return Add(Make(x1, y2, z2), origin);
}
