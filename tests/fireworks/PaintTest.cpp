// Drawing the particles on a picture: dot sizes, the fade at the end of a
// life, the twinkle, the drawing range and the depth order.
#include <gtest/gtest.h>

#include <QImage>

#include "fireworks/Fireworks.h"

namespace {

constexpr QRgb Black = 0xff000000;

class PaintTest : public ::testing::Test {
 protected:
  PaintTest() : Fireworks(Random), Picture(100, 100, QImage::Format_RGB32) {
    Random.SetSeed(7);
    Fireworks.Twinkle = false;
  }

  // A long-lived particle at (x, y) of the model, z nearest for larger.
  static TRocket At(double x, double y, double z, double radius, QRgb color) {
    TRocket p = StarTemplate();
    p.Position = Make(x, y, z);
    p.Radius = radius;
    p.Color = color;
    p.Life = 9;
    return p;
  }
  QRect Lit(QRgb color, int* count = nullptr) const { return LitIn(Picture, color, count); }
  static QRect LitIn(const QImage& picture, QRgb color, int* count = nullptr) {
    QRect box;
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (picture.pixel(x, y) == color) {
          box |= QRect(x, y, 1, 1);
          ++n;
        }
    if (count != nullptr)
      *count = n;
    return box;
  }

  TRandom Random;
  TFireworks Fireworks;
  QImage Picture;
};

TEST_F(PaintTest, DotSizesFollowTheRadius) {
  // Size Round(39.37 x radius): a disc in the square of side 2 x size, less
  // its one-pixel outline; below size 1 a single pixel. Model (50, 30) is
  // pixel (50, 70).
  const struct {
    double Radius;
    int Pixels;
    QRect Box;
  } cases[] = {
      {0.1, 32, QRect(47, 67, 6, 6)},  // rocket, size 4: a 6 x 6 disc
      {0.05, 4, QRect(49, 69, 2, 2)},  // star or shell, size 2
      {0.01, 1, QRect(50, 70, 1, 1)},  // spark, size 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Radius);
    Fireworks.Rockets.Clear();
    Fireworks.AddRocket(At(50, 30, 0, c.Radius, RGB(255, 0, 0)));
    Fireworks.Paint(Picture);
    int count = 0;
    EXPECT_EQ(Lit(RGB(255, 0, 0), &count), c.Box);
    EXPECT_EQ(count, c.Pixels);
  }
}

// A table picture for a screen at 200 %: 100 x 100 table pixels in 200 x 200
// pixels. The model's (50, 30) is its table pixel (50, 70), and every dot
// covers the same table pixels, drawn with the finer ones.
TEST_F(PaintTest, AFinerPictureGetsTheSameDotsInTablePixels) {
  QImage fine(200, 200, QImage::Format_RGB32);
  fine.setDevicePixelRatio(2);
  const struct {
    double Radius;
    QRect Box;
  } cases[] = {{0.1, QRect(94, 134, 12, 12)}, {0.01, QRect(100, 140, 2, 2)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Radius);
    Fireworks.Rockets.Clear();
    Fireworks.AddRocket(At(50, 30, 0, c.Radius, RGB(255, 0, 0)));
    Fireworks.Paint(fine);
    EXPECT_EQ(LitIn(fine, RGB(255, 0, 0)), c.Box);
  }
  Fireworks.Rockets.Clear();
  Fireworks.Launch(fine, At(0, 0, 0, 0.01, RGB(255, 0, 0)));
  EXPECT_EQ(Fireworks.Rockets[0].Position.x, 50.0);  // the middle of the table
}

TEST_F(PaintTest, TheLastTwoSecondsOfLifeFadeToBlack) {
  const struct {
    double Life;
    QRgb Drawn;
  } cases[] = {
      {3.0, RGB(200, 100, 50)}, {2.0, RGB(200, 100, 50)}, {1.0, RGB(72, 0, 0)},  // -128
      {0.5, RGB(9, 0, 0)},                                                       // -191
      {0.0, RGB(0, 0, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Life);
    TRocket spark = At(50, 30, 0, 0.01, RGB(200, 100, 50));
    spark.Life = c.Life;
    Picture.fill(Qt::white);
    Fireworks.DrawParticle(Picture, spark, false);
    EXPECT_EQ(Picture.pixel(50, 70), c.Drawn);
  }
}

TEST_F(PaintTest, ATwinkleLightsTheCentreOnlyUnderTheTwinkleLife) {
  Fireworks.Twinkle = true;
  Fireworks.TwinkleOdds = 1;  // every draw says yes
  const struct {
    bool Twinkle;
    double Life;
    QRgb Centre;
    bool Draws;
  } cases[] = {
      {true, 7.9, RGB(255, 240, 230), true},  // each channel + 230
      {true, 1.0, RGB(255, 240, 230), true},  // even while fading
      {true, 8.0, RGB(30, 10, 0), false},
      {false, 1.0, RGB(0, 0, 0), false},  // faded by 128 and no twinkle
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Life);
    Fireworks.Twinkle = c.Twinkle;
    Fireworks.Rockets.Clear();
    Fireworks.AddRocket(At(50, 30, 0, 0.05, RGB(30, 10, 0)));
    Fireworks.Rockets[0].Life = c.Life;
    const uint32_t seed = Random.Seed();
    Fireworks.Paint(Picture);
    EXPECT_EQ(Picture.pixel(50, 70), c.Centre);
    EXPECT_EQ(Random.Seed() != seed, c.Draws);
  }
}

TEST_F(PaintTest, ParticlesBeyondAThousandUnitsAreNotDrawn) {
  QImage tall(700, 900, QImage::Format_RGB32);
  for (double z : {0.0, 1.0}) {
    Fireworks.Rockets.Clear();
    Fireworks.AddRocket(At(600, 800, z, 0.01, RGB(255, 255, 255)));  // 1000 units away at z 0
    Fireworks.Paint(tall);
    EXPECT_EQ(tall.pixel(600, 100) == RGB(255, 255, 255), z == 0.0) << z;
  }
}

TEST_F(PaintTest, NearerParticlesAreDrawnOverFartherOnes) {
  for (bool nearFirst : {true, false}) {
    SCOPED_TRACE(nearFirst);
    const TRocket near = At(50, 30, 5, 0.05, RGB(255, 0, 0));
    const TRocket far = At(50, 30, -5, 0.1, RGB(0, 255, 0));
    const TRocket middle = At(50, 30, 0.5, 0.01, RGB(0, 0, 255));
    Fireworks.Rockets.Clear();
    for (const TRocket& p :
         nearFirst ? std::vector{near, middle, far} : std::vector{far, middle, near})
      Fireworks.AddRocket(p);
    Fireworks.Paint(Picture);
    EXPECT_EQ(Picture.pixel(49, 69), RGB(255, 0, 0));  // the near star on top
    EXPECT_EQ(Picture.pixel(50, 70), RGB(255, 0, 0));  // hides the middle spark
    EXPECT_EQ(Picture.pixel(48, 69), Black);           // its outline covers the far rocket
    EXPECT_EQ(Picture.pixel(47, 69), RGB(0, 255, 0));
  }
}

}  // namespace
