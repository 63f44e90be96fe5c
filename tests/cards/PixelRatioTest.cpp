// Card pictures and painting for screens with a device pixel ratio: the
// pictures are drawn afresh with the finer pixels, every size stays in table
// pixels, and a card's layers meet the card without seams at any ratio.
#include <gtest/gtest.h>

#include <array>

#include "cards/Canvas.h"
#include "cards/CardArt.h"
#include "cards/CardOutline.h"
#include "cards/Deck.h"
#include "support/QtPrinters.h"

namespace {

constexpr QRgb Table = TCanvas::TableColour;
constexpr std::array FineRatios{1.25, 1.5, 2.0, 3.0};

// What repainting only the changed areas relies on: a picture of a table
// length w, or one reaching m table pixels beyond it, placed from a table
// coordinate, stays inside the device pixels its table rectangle covers; and
// a picture's table size comes back exactly.
TEST(PixelScaleTest, PicturesStayInsideTheTableRectanglesTheyStandFor) {
  for (const double ratio : FineRatios) {
    const TPixelScale scale(ratio);
    for (int x = -40; x <= 400; ++x)
      for (const int w : {1, 54, 71, 96})
        for (const int m : {0, 1, 2, 3, 6}) {
          const QRect table = QRect(x, x, w, w).adjusted(-m, -m, m, m);
          const QSize margin = scale.Margin(QSize(m, m));
          const QRect picture =
              QRect(scale.Point({x, x}), scale.Size({w, w}))
                  .adjusted(-margin.width(), -margin.height(), margin.width(), margin.height());
          ASSERT_TRUE(scale.Cover(table).contains(picture))
              << "ratio " << ratio << " x " << x << " w " << w << " m " << m;
        }
    for (int w = 0; w < 3000; w += 7)
      ASSERT_EQ(scale.TableSize(scale.Size({w, w})), QSize(w, w)) << ratio;
  }
  EXPECT_EQ(TPixelScale(0.5).Ratio(), 1.0);  // the screen shrinks a picture drawn at 1
}

// Faces and backs drawn at a ratio: the corners cut from the finer outline,
// a border line one device pixel wide, and an index that is no enlarged
// picture (an enlarged one is uniform in every aligned 2 x 2 block).
TEST(PixelRatioPicturesTest, AreDrawnWithTheFinerPixels) {
  for (const double ratio : {1.5, 2.0})
    for (const QSize size : {CardOutline::LargeSize, CardOutline::SmallSize})
      for (int n = 0; n < 52; n += 5) {
        const QImage face = CardArt::DrawFace(n, size, ratio);
        const QImage back = CardArt::DrawBack(n % CardArt::BackDesigns, size, ratio);
        for (const QImage& image : {face, back}) {
          const QSize pixels = image.size();
          ASSERT_EQ(pixels, TPixelScale(ratio).Size(size));
          EXPECT_EQ(image.devicePixelRatio(), ratio);
          for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x) {
              if (CardOutline::IsOutside(x, y, pixels, ratio)) {
                ASSERT_EQ(image.pixel(x, y), qRgb(0, 128, 0)) << n << " at " << x << "," << y;
              }
            }
          const int mid = pixels.height() / 2;
          const int right = pixels.width() - 1;
          EXPECT_LT(qGray(image.pixel(0, mid)), 100) << n;
          EXPECT_EQ(image.pixel(1, mid), qRgb(255, 255, 255)) << n;
          EXPECT_LT(qGray(image.pixel(right, mid)), 100) << n;
          EXPECT_EQ(image.pixel(right - 1, mid), qRgb(255, 255, 255)) << n;
        }
        if (ratio != 2.0)
          continue;
        bool fine = false;
        for (int y = 6; y < 46 && !fine; y += 2)
          for (int x = 2; x < 24 && !fine; x += 2)
            fine = face.pixel(x, y) != face.pixel(x + 1, y) ||
                   face.pixel(x, y) != face.pixel(x, y + 1) ||
                   face.pixel(x, y) != face.pixel(x + 1, y + 1);
        EXPECT_TRUE(fine) << "face " << n;
      }
}

struct TLayerCase {
  double Ratio;
  QPoint At;
  bool Moving, Highlighted;
};

void PrintTo(const TLayerCase& k, std::ostream* out) {
  *out << "ratio " << k.Ratio << " at (" << k.At.x() << ", " << k.At.y() << ")"
       << (k.Moving ? " moving" : "") << (k.Highlighted ? " highlighted" : "");
}

// A card alone on a table picture at a ratio, painted, with what a whole
// repaint of its table rectangle would have to cover.
class PixelRatioPaintingTest : public ::testing::TestWithParam<TLayerCase> {
 protected:
  PixelRatioPaintingTest() : Deck(Random, Clock) {
    Deck.SetPacks(2);
    Deck.SetAllVisible(false);
  }
  QImage Paint(const TLayerCase& k) {
    Deck.SetPixelRatio(k.Ratio);
    TCard& card = Deck.Card(0);
    card.Position = k.At;
    card.Visible = true;
    card.Moving = k.Moving;
    card.Highlighted = k.Highlighted;
    QImage picture(Deck.Scale().Size(QSize(300, 250)), QImage::Format_RGB32);
    picture.fill(Table);
    TCanvas canvas(picture);
    Deck.DrawAll(canvas);
    return picture;
  }

  TRandom Random;
  TManualClock Clock;
  TDeck Deck;
};

TEST_P(PixelRatioPaintingTest, LayersMeetTheCardAndStayInsideItsPaintedRectangle) {
  const TLayerCase k = GetParam();
  const QImage picture = Paint(k);
  const TCard& card = Deck.Card(0);
  const TPixelScale& scale = Deck.Scale();
  EXPECT_EQ(card.BoundsRect(), QRect(k.At, QSize(71, 96)));
  EXPECT_EQ(card.ShadowRect(), QRect(k.At - QPoint(6, 6), QSize(83, 108)));
  EXPECT_EQ(card.GlowRect(), QRect(k.At - QPoint(3, 3), QSize(77, 102)));

  const QRect painted = scale.Cover(card.PaintedRect());
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      if (!painted.contains(x, y)) {
        ASSERT_EQ(picture.pixel(x, y), Table) << x << "," << y;
      }
    }

  // Along the middle row: the card's border, then at once its frame or its
  // shadow, never a strip of bare table between them.
  const QRect face(scale.Point(card.Position), card.Face().size());
  const int y = face.center().y();
  EXPECT_LT(qGray(picture.pixel(face.left(), y)), 100);
  EXPECT_LT(qGray(picture.pixel(face.right(), y)), 100);
  const QRgb frame = qRgb(255, 255, 0);
  const QRgb shadow = qRgb(0, 96, 0);  // a quarter darker than the table
  if (k.Highlighted) {
    EXPECT_EQ(picture.pixel(face.left() - 1, y), frame);
    EXPECT_EQ(picture.pixel(face.right() + 1, y), frame);
  } else {
    EXPECT_EQ(picture.pixel(face.left() - 1, y), Table);
    EXPECT_EQ(picture.pixel(face.right() + 1, y), shadow);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PixelRatioPaintingTest,
                         ::testing::Values(TLayerCase{1.5, {100, 50}, true, false},
                                           TLayerCase{1.5, {101, 51}, true, false},
                                           TLayerCase{1.5, {101, 51}, false, true},
                                           TLayerCase{1.5, {100, 51}, true, true},
                                           TLayerCase{2.0, {101, 51}, true, false},
                                           TLayerCase{2.0, {100, 50}, false, true},
                                           TLayerCase{1.25, {103, 53}, true, true}));

}  // namespace
