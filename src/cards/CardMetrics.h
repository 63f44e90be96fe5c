#pragma once

#include <QRect>
#include <QSize>

#include "cards/PixelScale.h"

// The sizes of one picture set: the card, how far its glow and its shadow
// reach beyond it and the width of the highlight frame, in table pixels and
// in the device pixels the pictures are drawn in. Device margins round down,
// so a card's layers never reach past the table rectangles they stand for.
struct TCardMetrics {
  TPixelScale Scale;
  QSize Size;          // the card
  QSize GlowMargin;    // beyond the card, left and right / above and below
  QSize ShadowMargin;  // on every side
  QSize DeviceSize;
  QSize DeviceGlowMargin;
  QSize DeviceShadowMargin;
  int DeviceFrame = 0;  // the highlight frame's line

  static TCardMetrics For(bool large, TPixelScale scale);

  bool operator==(const TCardMetrics&) const = default;
};
