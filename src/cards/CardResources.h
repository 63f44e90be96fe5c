#pragma once

#include <QImage>
#include <array>
#include <memory>

#include "cards/Card.h"
#include "cards/CardMetrics.h"
#include "cards/Raster.h"

// The card pictures by resource number. Base 0 holds the large set and base
// 1000 the small one:
//   base + 1 .. base + 52    faces (card i uses base + (i mod 52) + 1)
//   base + 200 .. base + 212 the 13 back designs
//   base + 400               1-bit outline mask
//   base + 401               empty-slot outline
//   base + 402               selection glow
//   base + 403               drop shadow, before its preparation for blending
namespace CardResources {

inline constexpr int SmallBase = 1000;
inline constexpr int FirstFace = 1;
inline constexpr int FirstBack = 200;
inline constexpr int Mask = 400;
inline constexpr int Slot = 401;
inline constexpr int Glow = 402;
inline constexpr int Shadow = 403;
// The selection glow's band around the card is all this colour.
inline constexpr QRgb GlowColour = 0xffffff00;

// The picture with that number, or a null picture for a number that names
// none. Pictures are drawn once and then shared. With a device pixel ratio
// above 1 the picture is drawn afresh at that ratio (sizes as in
// TCardMetrics) and carries the ratio.
QImage Picture(int number, double ratio = 1.0);

// The shadow turned into premultiplied alpha: black becomes a 25 % shadow
// (alpha 64), white fully transparent, any other colour opaque.
QImage PrepareShadow(const QImage& shadow);

}  // namespace CardResources

// Everything a card of one size and back design carries, ready to hand out.
struct TPictureSet {
  int FirstFace = 0;  // the number of the first face picture, drawn when needed
  QImage Back, Mask, Glow, Shadow, Underlay, Slot;
  std::shared_ptr<const TCardRuns> Runs;
  TCardMetrics Metrics;

  static TPictureSet Load(bool large, int back, double ratio = 1.0);
};
