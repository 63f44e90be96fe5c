#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// How table pixels map to the screen's device pixels on a screen with a
// device pixel ratio. Every position and every length rounds the same way: a
// table coordinate x starts at device pixel floor(x * ratio) and a length
// covers ceil(length * ratio) pixels. So whatever is drawn for a table
// rectangle stays inside the device pixels that rectangle covers, and a card,
// its shadow, glow and frame, all placed from the card's own device corner,
// meet without seams at any ratio.
class TPixelScale {
 public:
  // Room for a large screen's ratio times the scale of fitted cards.
  static constexpr double MaxRatio = 16.0;

  TPixelScale() = default;
  // Ratios below 1 are drawn at 1 (the screen shrinks the picture); ratios
  // beyond MaxRatio at MaxRatio.
  explicit TPixelScale(double ratio);

  double Ratio() const { return FRatio; }
  bool IsOne() const { return FRatio == 1.0; }
  bool IsWhole() const;

  // The first device pixel of table coordinate `x`.
  int Start(int x) const;
  // The device pixel just past table coordinate `x`, rounded up.
  int End(int x) const;
  // The device pixels a table length covers, and the device pixels a margin
  // inside a picture keeps (rounded down, so a margin never outgrows its
  // table rectangle).
  int Length(int length) const { return End(length); }
  int Margin(int length) const { return Start(length); }

  QPoint Point(QPoint p) const { return {Start(p.x()), Start(p.y())}; }
  QSize Size(QSize s) const { return {Length(s.width()), Length(s.height())}; }
  QSize Margin(QSize s) const { return {Margin(s.width()), Margin(s.height())}; }
  // Every device pixel that a table rectangle touches.
  QRect Cover(const QRect& r) const;
  // The table size of a picture drawn `deviceSize` pixels large.
  QSize TableSize(QSize deviceSize) const;

  bool operator==(const TPixelScale&) const = default;

 private:
  double FRatio = 1.0;
};
