// The blends work on whole pixels at once; every channel must still come out
// exactly as the one-channel rule says, for every opacity and at the edges
// of the channel range.
#include <gtest/gtest.h>

#include <vector>

#include "cards/Raster.h"

namespace {

constexpr int Values[] = {0, 1, 2, 127, 128, 129, 200, 254, 255};
constexpr int Alphas[] = {0, 1, 2, 64, 127, 128, 200, 254, 255};

// Every pairing of the values above as the red, green and blue of a
// destination pixel and of a source pixel, the source's alpha `alpha`.
struct TPixels {
  QImage Source, Destination;
};

TPixels AllPairings(int alpha) {
  constexpr int n = std::size(Values);
  TPixels p{QImage(n * n * n, n, QImage::Format_ARGB32_Premultiplied),
            QImage(n * n * n, n, QImage::Format_RGB32)};
  for (int x = 0; x < p.Source.width(); ++x) {
    for (int y = 0; y < n; ++y) {
      const int r = Values[x % n], g = Values[x / n % n], b = Values[x / n / n];
      // The source's colour channels stay within its alpha, as premultiplied
      // colours do.
      const int s = std::min(Values[y], alpha);
      p.Source.setPixel(x, y, qRgba(std::min(r, alpha), s, std::min(b, alpha), alpha));
      p.Destination.setPixel(x, y, qRgb(b, r, g));
    }
  }
  return p;
}

int Constant(int d, int s, int alpha) {
  return ((s * alpha + 127) / 255 + (d * (255 - alpha) + 127) / 255) & 0xff;
}

TEST(RasterBlendTest, EveryChannelFollowsTheOneChannelRule) {
  for (const int alpha : Alphas) {
    TPixels p = AllPairings(alpha);
    QImage premultiplied = p.Destination.copy();
    Raster::BlendPremultiplied(premultiplied, QPoint(), p.Source);
    QImage constant = p.Destination.copy();
    Raster::BlendConstant(constant, QPoint(), p.Source, alpha);
    for (int y = 0; y < p.Source.height(); ++y) {
      for (int x = 0; x < p.Source.width(); ++x) {
        const QRgb s = p.Source.pixel(x, y), d = p.Destination.pixel(x, y);
        const QRgb blended = alpha == 0 ? d
                                        : qRgb(Raster::BlendChannel(qRed(d), qRed(s), alpha),
                                               Raster::BlendChannel(qGreen(d), qGreen(s), alpha),
                                               Raster::BlendChannel(qBlue(d), qBlue(s), alpha));
        ASSERT_EQ(premultiplied.pixel(x, y), blended) << alpha << " at " << x << "," << y;
        ASSERT_EQ(constant.pixel(x, y),
                  qRgb(Constant(qRed(d), qRed(s), alpha), Constant(qGreen(d), qGreen(s), alpha),
                       Constant(qBlue(d), qBlue(s), alpha)))
            << alpha << " at " << x << "," << y;
      }
    }
  }
}

// The glow's band is blended as its one colour, over spans that may reach
// past the picture's edges.
TEST(RasterBlendTest, AColourOverSpansEqualsAPictureOfThatColourBlended) {
  const QImage destination = AllPairings(255).Destination;
  const int w = destination.width(), h = destination.height();
  const std::vector<Raster::TSpan> spans = {
      {-1, 0, w}, {0, 0, w},   {1, -5, 3},  {2, w - 2, w + 10}, {3, 4, 4},
      {4, 7, 2},  {5, 10, 20}, {5, 30, 31}, {h - 1, 0, 1},      {h, 0, w}};
  for (const QRgb colour : {0xffffff00u, 0xff000000u, 0xffffffffu, 0xff80c080u}) {
    QImage picture(destination.size(), QImage::Format_RGB32);
    picture.fill(colour);
    for (const int alpha : Alphas) {
      QImage expected = destination.copy();
      Raster::BlendConstant(expected, QPoint(), picture, alpha, spans);
      QImage blended = destination.copy();
      Raster::BlendColour(blended, spans, colour, alpha);
      EXPECT_EQ(blended, expected) << std::hex << colour << std::dec << " at " << alpha;
    }
  }
}

}  // namespace
