// The darkening of the table before the fireworks, and the waits that let
// events through.
#include <gtest/gtest.h>

#include <QImage>

#include "fireworks/Fade.h"
#include "fireworks/RecordingWinnerHost.h"

namespace {

TEST(FadeTest, AlphaRisesSlowlyThenSteeplyAndWeighsColourAgainstPicture) {
  const std::pair<int, int> samples[] = {{0, 0}, {128, 5}, {200, 17}, {250, 126}, {254, 212}};
  for (const auto& [step, alpha] : samples)
    EXPECT_EQ(FadeAlpha(step), alpha) << step;
  const struct {
    QRgb Under, Color;
    int Alpha;
    QRgb Result;
  } cases[] = {
      {qRgb(0, 128, 0), qRgb(0, 0, 0), 5, qRgb(0, 125, 0)},  // 128 x 250 / 255 = 125.5
      {qRgb(0, 0, 200), qRgb(255, 255, 255), 128, qRgb(128, 128, 227)},
      {qRgb(10, 20, 30), qRgb(200, 100, 0), 0, qRgb(10, 20, 30)},
      {qRgb(10, 20, 30), qRgb(200, 100, 0), 255, qRgb(200, 100, 0)},
  };
  for (const auto& c : cases) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(c.Under);
    BlendColor(picture, c.Color, c.Alpha);
    const QRgb p = picture.pixel(2, 1);
    EXPECT_NEAR(qRed(p), qRed(c.Result), c.Alpha % 255 ? 1 : 0) << c.Alpha;
    EXPECT_NEAR(qGreen(p), qGreen(c.Result), c.Alpha % 255 ? 1 : 0) << c.Alpha;
    EXPECT_NEAR(qBlue(p), qBlue(c.Result), c.Alpha % 255 ? 1 : 0) << c.Alpha;
  }
}

TEST(FadeTest, TheTableDarkensStepByStepToBlackOverTwoSeconds) {
  TRecordingWinnerHost host;
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(qRgb(0, 128, 0));
  std::vector<int> greens;
  host.OnMessages = [&] { greens.push_back(qGreen(picture.pixel(5, 5))); };
  FadeImage(host, picture, qRgb(0, 0, 0), 2000);
  EXPECT_EQ(host.PicturesShown, 256);
  EXPECT_EQ(host.Clock().NowMs(), 256 * 7);
  ASSERT_EQ(greens.size(), 256u);
  EXPECT_GT(greens[200], 0);
  EXPECT_TRUE(std::is_sorted(greens.rbegin(), greens.rend()));  // never brighter
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      ASSERT_EQ(picture.pixel(x, y), qRgb(0, 0, 0));
}

TEST(FadeTest, TheFadeStopsWhenTheProgramCloses) {
  TRecordingWinnerHost host;
  QImage picture(4, 4, QImage::Format_RGB32);
  host.OnMessages = [&host] { host.Closing = host.MessageRounds == 10; };
  FadeImage(host, picture, qRgb(0, 0, 0), 2000);
  EXPECT_EQ(host.PicturesShown, 10);
}

TEST(FadeTest, DelayWithMessagesWaitsTheTimeAskedLettingEventsThrough) {
  for (int ms : {0, -5, 7, 100}) {
    TRecordingWinnerHost host;
    DelayWithMessages(host, ms);
    EXPECT_EQ(host.Clock().NowMs(), std::max(ms, 0)) << ms;
    EXPECT_EQ(host.MessageRounds > 0, ms > 0) << ms;
  }
}

}  // namespace
