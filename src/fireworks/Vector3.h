#pragma once

#include <QPoint>
#include <cmath>

// A point or direction in the fireworks' space: x to the right, y upward,
// z toward the viewer.
struct TVector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// Small enough to be inlined into the particle step, which runs them some
// tens of thousands of times a frame.
inline TVector3 Make(double x, double y, double z) {
  return {x, y, z};
}
inline TVector3 Add(const TVector3& a, const TVector3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline TVector3 Subtract(const TVector3& a, const TVector3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline TVector3 Scale(const TVector3& v, double s) {
  return {v.x * s, v.y * s, v.z * s};
}
inline TVector3 Divide(const TVector3& v, double s) {
  return {v.x / s, v.y / s, v.z / s};
}
inline TVector3 Negate(const TVector3& v) {
  return {-v.x, -v.y, -v.z};
}
// Summed and rooted in extended precision.
inline double Length(const TVector3& v) {
  const long double x = v.x, y = v.y, z = v.z;
  return static_cast<double>(std::sqrt(x * x + y * y + z * z));
}
// The unit vector; the zero vector stays zero instead of dividing by zero.
TVector3 Normalise(const TVector3& v);
// (x, y) rounded to the nearest integers, ties to even; z is dropped.
QPoint ToPoint(const TVector3& v);
// (0, r, 0) turned by `a` degrees about the z axis, then by `b` degrees about
// the x axis, plus `origin`: a = b = 0 points up, a = 90 along +x, b = 90
// (with a = 0) along -z.
TVector3 SphericalPoint(const TVector3& origin, double a, double b, double r);

// Rounds to the nearest integer, ties to the even one.
int RoundEven(double value);
