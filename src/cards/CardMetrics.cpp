#include "cards/CardMetrics.h"

#include "cards/CardOutline.h"

namespace {

constexpr int ShadowSide = 6;
constexpr int GlowSide = 3;
constexpr int LargeGlowTop = 3;
constexpr int SmallGlowTop = 2;
constexpr int FrameWidth = 1;

}  // namespace

TCardMetrics TCardMetrics::For(bool large, TPixelScale scale) {
  TCardMetrics metrics;
  metrics.Scale = scale;
  metrics.Size = large ? CardOutline::LargeSize : CardOutline::SmallSize;
  metrics.GlowMargin = QSize(GlowSide, large ? LargeGlowTop : SmallGlowTop);
  metrics.ShadowMargin = QSize(ShadowSide, ShadowSide);
  metrics.DeviceSize = scale.Size(metrics.Size);
  metrics.DeviceGlowMargin = scale.Margin(metrics.GlowMargin);
  metrics.DeviceShadowMargin = scale.Margin(metrics.ShadowMargin);
  metrics.DeviceFrame = scale.Margin(FrameWidth);
  return metrics;
}
