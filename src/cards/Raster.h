#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <span>
#include <vector>

// Pixel-exact copies and blends between 32-bit pictures, clipped to the
// destination. The table picture and every card picture are 32 bits per
// pixel; anything else is left untouched.
namespace Raster {

// The card pixels of a 1-bit mask (colour 0, black) as runs per row, so a
// masked copy becomes a few row copies.
class TMaskRuns {
 public:
  TMaskRuns() = default;
  explicit TMaskRuns(const QImage& mask);
  // The pixels of a picture of `size` for which `marked(x, y)` holds.
  template <typename Marked>
  TMaskRuns(QSize size, Marked marked);

  QSize Size() const { return FSize; }
  struct TRun {
    int Begin;
    int End;  // one past the last card pixel
  };
  const TRun* RowBegin(int y) const { return FRuns.data() + FRowStart[static_cast<size_t>(y)]; }
  const TRun* RowEnd(int y) const { return FRuns.data() + FRowStart[static_cast<size_t>(y) + 1]; }

 private:
  QSize FSize;
  std::vector<int> FRowStart;
  std::vector<TRun> FRuns;
};

// A picture's runs are found once per card size; the test for each pixel is
// inlined, as a picture at a large size has a few hundred thousand pixels.
template <typename Marked>
TMaskRuns::TMaskRuns(QSize size, Marked marked) : FSize(size) {
  FRowStart.reserve(static_cast<size_t>(std::max(size.height(), 0)) + 1);
  for (int y = 0; y < size.height(); ++y) {
    FRowStart.push_back(static_cast<int>(FRuns.size()));
    int x = 0;
    while (x < size.width()) {
      if (!marked(x, y)) {
        ++x;
        continue;
      }
      const int begin = x;
      while (x < size.width() && marked(x, y))
        ++x;
      FRuns.push_back({begin, x});
    }
  }
  FRowStart.push_back(static_cast<int>(FRuns.size()));
}

// Pixels [Begin, End) of row Y of a picture.
struct TSpan {
  int Y;
  int Begin;
  int End;
};

// One channel of `dst` covered by premultiplied `src` with coverage `alpha`.
inline uint8_t BlendChannel(int dst, int src, int alpha) {
  return static_cast<uint8_t>(src + (dst * (255 - alpha) + 127) / 255);
}

void CopyOpaque(QImage& dst, QPoint at, const QImage& src);
void CopyMasked(QImage& dst, QPoint at, const QImage& src, const TMaskRuns& runs);
// The same three, over the pixels of `src` placed at `at` that fall within
// `spans` (pixels of `dst`, in row order) only.
void CopyMasked(QImage& dst, QPoint at, const QImage& src, std::span<const TSpan> spans);
// Source-over with the source's own premultiplied alpha.
void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src);
// The same over the source pixels that `runs` marks only.
void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src, const TMaskRuns& runs);
void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src, std::span<const TSpan> spans);
// The whole source laid over at a constant opacity 0..255.
void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha);
// The same over the source pixels that `runs` marks only.
void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha, const TMaskRuns& runs);
void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha,
                   std::span<const TSpan> spans);
// One colour laid over the pixels of `spans` at a constant opacity 0..255:
// the same as a picture of that colour blended with BlendConstant.
void BlendColour(QImage& dst, std::span<const TSpan> spans, QRgb colour, int alpha);
void FillRect(QImage& dst, const QRect& rect, QRgb colour);
void FillSpans(QImage& dst, std::span<const TSpan> spans, QRgb colour);
// An outline `width` pixels wide along the inside of `rect`.
void FrameRect(QImage& dst, const QRect& rect, QRgb colour, int width = 1);
// The source stretched into `target` with averaging, copied opaquely; nothing
// for an empty target.
void StretchOpaque(QImage& dst, const QRect& target, const QImage& src);

}  // namespace Raster
