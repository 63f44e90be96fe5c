// Drawing the fireworks: the whole picture each frame, particles in depth
// order, the nearest last.

#include <algorithm>
#include <cmath>
#include <vector>

#include "cards/PixelScale.h"
#include "fireworks/Fireworks.h"

namespace {

// Dot sizes are in pixels per metre of radius: inches per metre.
constexpr double PixelsPerMetre = 39.37007874015748;
// Particles farther than this from the picture's bottom-left corner are
// moved but not drawn.
constexpr double DrawRange = 1000.0;
// Particles fade to black over their last seconds.
constexpr double FadeSeconds = 2.0;

bool HasPixelRows(const QImage& image) {
  return image.depth() == 32;
}

void PutPixel(QImage& image, int x, int y, QRgb color) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
    return;
  if (HasPixelRows(image))
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
  else
    image.setPixel(x, y, color);
}

void FillPixels(QImage& image, const QRect& area, QRgb color) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      PutPixel(image, x, y, color);
}

int Channel(int value, int k) {
  return std::clamp(value + k, 0, 255);
}

}  // namespace

QRgb Brighten(QRgb color, double f) {
  const int k = RoundEven(f * 255);
  return qRgb(Channel(qRed(color), k), Channel(qGreen(color), k), Channel(qBlue(color), k));
}

// The disc is the circle inscribed in the square, measured at pixel
// centres; the outermost pixel ring of it is the outline.
void DrawDot(QImage& image, int x, int y, int size, QRgb color, QRgb outline, int ring) {
  if (size < 1) {
    PutPixel(image, x, y, color);
    return;
  }
  const double outer = static_cast<double>(size) * size;
  const int innerSize = std::max(size - ring, 0);
  const double inner = static_cast<double>(innerSize) * innerSize;
  // Only the part of the square on the picture is visited.
  const auto clip = [](int64_t v, int limit) {
    return static_cast<int>(std::clamp<int64_t>(v, 0, limit));
  };
  const int top = clip(int64_t{y} - size, image.height());
  const int bottom = clip(int64_t{y} + size, image.height());
  const int left = clip(int64_t{x} - size, image.width());
  const int right = clip(int64_t{x} + size, image.width());
  for (int py = top; py < bottom; ++py) {
    const double dy = py + 0.5 - y;
    for (int px = left; px < right; ++px) {
      const double dx = px + 0.5 - x;
      const double d2 = dx * dx + dy * dy;
      if (d2 < inner)
        PutPixel(image, px, py, color);
      else if (d2 < outer)
        PutPixel(image, px, py, outline);
    }
  }
}

void TFireworks::Paint(QImage& image) {
  image.fill(BackgroundColor);
  if (OnBeforeDraw)
    OnBeforeDraw(*this, image);

  // Falling z, equal depths in list order: a strict order on z alone, so
  // that near-equal depths cannot trip the sort.
  struct TDepth {
    double Z;
    int Index;
  };
  std::vector<TDepth> order;
  order.reserve(static_cast<size_t>(Rockets.Count()));
  for (int i = 0; i < Rockets.Count(); ++i) {
    const double z = Rockets[i].Position.z;
    order.push_back({std::isnan(z) ? -HUGE_VAL : z, i});
  }
  std::sort(order.begin(), order.end(), [](const TDepth& a, const TDepth& b) {
    return a.Z > b.Z || (a.Z == b.Z && a.Index < b.Index);
  });

  const auto odds = static_cast<uint32_t>(std::max(TwinkleOdds, 0));
  for (auto entry = order.rbegin(); entry != order.rend(); ++entry) {
    const TRocket& particle = Rockets[entry->Index];
    const bool twinkle = Twinkle && particle.Life < TwinkleLife && FRandom.Next(odds) == 0;
    DrawParticle(image, particle, twinkle);
  }

  if (OnAfterDraw)
    OnAfterDraw(*this, image);
}

QSize TableSizeOf(const QImage& image) {
  return TPixelScale(image.devicePixelRatio()).TableSize(image.size());
}

// The particle is placed and sized in table pixels; the picture may have
// several pixels to each of them.
void TFireworks::DrawParticle(QImage& image, const TRocket& particle, bool twinkle) const {
  const int size = RoundEven(PixelsPerMetre * particle.Radius);
  if (!(Length(particle.Position) <= DrawRange))
    return;
  const TPixelScale scale(image.devicePixelRatio());
  const QPoint p = ToPoint(particle.Position);
  const int x = p.x();
  const int y = scale.TableSize(image.size()).height() - p.y();
  const QRect centre = scale.Cover(QRect(x, y, 1, 1));
  const double f = particle.Life < FadeSeconds ? particle.Life / FadeSeconds - 1 : 0.0;
  const QRgb color = Brighten(particle.Color, f);
  if (size < 1)
    FillPixels(image, centre, color);
  else
    DrawDot(image, scale.Start(x), scale.Start(y), scale.Length(size), color, BackgroundColor,
            scale.Margin(1));
  if (twinkle)
    FillPixels(image, centre, Brighten(particle.Color, TwinkleBrightness / 100));
}
