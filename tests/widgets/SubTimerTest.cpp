#include <gtest/gtest.h>

#include <cmath>

#include "support/QtPrinters.h"
#include "widgets/SubTimer.h"

namespace {

constexpr int64_t Second = 1000000;

QString Caption(double seconds, TResolution resolution, int digits = 0) {
  const auto count = static_cast<int64_t>(seconds * Second + (seconds < 0 ? -0.5 : 0.5));
  return SubTimerCaption(count, resolution, digits, QLatin1Char('.'));
}

class SubTimerTest : public ::testing::Test {
 protected:
  SubTimerTest() : Timer(nullptr, [this] { return Now; }) {}

  int64_t Now = 1000 * Second;  // a clock that does not start at zero
  TSubTimer Timer;
};

TEST_F(SubTimerTest, StartWhileRunningKeepsTheFirstStart) {
  Timer.Start();
  Now += 5 * Second;
  Timer.Start();
  Now += 2 * Second;
  EXPECT_EQ(Timer.CurrentCount(), 7 * Second);
  EXPECT_TRUE(Timer.Running());
}

TEST_F(SubTimerTest, StopBanksTheCountAndASecondStopChangesNothing) {
  Timer.Start();
  Now += 3 * Second;
  Timer.Stop();
  Now += 4 * Second;
  Timer.Stop();
  EXPECT_EQ(Timer.CurrentCount(), 3 * Second);
  EXPECT_FALSE(Timer.Running());

  Timer.Start();  // resumes on top of the banked count
  Now += Second;
  EXPECT_EQ(Timer.CurrentCount(), 4 * Second);
  EXPECT_DOUBLE_EQ(Timer.Time(), 4.0);
}

TEST_F(SubTimerTest, WritingTimeWhileRunningContinuesFromIt) {
  Timer.Start();
  Now += 10 * Second;
  Timer.SetTime(2.5);
  EXPECT_EQ(Timer.CurrentCount(), 2500000);
  Now += Second;
  EXPECT_EQ(Timer.CurrentCount(), 3500000);
  Timer.Stop();
  EXPECT_EQ(Timer.CurrentCount(), 3500000);  // nothing banked twice
}

TEST_F(SubTimerTest, WritingTimeWhileStoppedReplacesTheBankedCount) {
  Timer.Start();
  Now += 10 * Second;
  Timer.Stop();
  Timer.SetTime(1.0000019);  // truncated to whole microseconds
  EXPECT_EQ(Timer.CurrentCount(), 1000001);
  Now += 5 * Second;
  EXPECT_EQ(Timer.CurrentCount(), 1000001);
  Timer.Start();
  Now += Second;
  EXPECT_EQ(Timer.CurrentCount(), 2000001);
}

TEST_F(SubTimerTest, WritingAnAbsurdTimeDoesNotOverflow) {
  Timer.SetTime(1e300);
  EXPECT_GT(Timer.CurrentCount(), 0);
  Timer.Start();
  Timer.SetTime(-1e300);
  EXPECT_LT(Timer.CurrentCount(), 0);
  Timer.SetTime(std::nan(""));
  EXPECT_EQ(Timer.CurrentCount(), 0);
}

TEST_F(SubTimerTest, ResetKeepsTheCaptionUntilTheNextUpdate) {
  Timer.SetResolution(rsSeconds);
  Timer.SetDigits(1);
  Timer.Start();
  Now += 3 * Second;
  Timer.UpdateDisplay();
  const QString running = Timer.text();
  EXPECT_TRUE(running.startsWith(QLatin1Char('3'))) << running.toStdString();

  Timer.Reset();
  EXPECT_FALSE(Timer.Running());
  EXPECT_EQ(Timer.CurrentCount(), 0);
  EXPECT_EQ(Timer.text(), running);
  Timer.UpdateDisplay();
  EXPECT_TRUE(Timer.text().startsWith(QLatin1Char('0'))) << Timer.text().toStdString();
}

TEST_F(SubTimerTest, NegativeDigitsAreIgnored) {
  Timer.SetDigits(2);
  Timer.SetDigits(-1);
  EXPECT_EQ(Timer.Digits(), 2);
  Timer.SetDigits(0);
  EXPECT_EQ(Timer.Digits(), 0);
}

TEST(SubTimerCaptionTest, AutoScalePicksMillisecondsSecondsMinutesOrHours) {
  EXPECT_EQ(Caption(0.25, rsAutoScale), "250 ms.");
  EXPECT_EQ(Caption(42.3, rsAutoScale), "42 Sec.");
  EXPECT_EQ(Caption(60, rsAutoScale), "60 Sec.");  // minutes only above 60
  EXPECT_EQ(Caption(60.2, rsAutoScale), "01:00 min");
  EXPECT_EQ(Caption(125.4, rsAutoScale), "02:05 min");
  EXPECT_EQ(Caption(3600, rsAutoScale), "00:00 min");  // the whole hour is not shown
  EXPECT_EQ(Caption(3725, rsAutoScale), "1:02:05 hrs");
}

TEST(SubTimerCaptionTest, ClockFormatsAreATimeOfDay) {
  EXPECT_EQ(Caption(3725, rsMinutes), "02:05 min");  // hours are not shown
  EXPECT_EQ(Caption(25 * 3600 + 65, rsAutoScale), "1:01:05 hrs");
  EXPECT_EQ(Caption(10 * 3600 + 59.9, rsAutoScale), "10:00:59 hrs");  // no rounding up
  EXPECT_EQ(Caption(119.7, rsMinutes), "01:60 min");                  // rounds up within the minute
}

TEST(SubTimerCaptionTest, MinutesPadTheSecondsToTwoDigits) {
  EXPECT_EQ(Caption(5.25, rsMinutes, 3), "00:05.250 min");
  EXPECT_EQ(Caption(65.5, rsMinutes, 1), "01:05.5 min");
  EXPECT_EQ(Caption(75.5, rsMinutes, 1), "01:15.5 min");
  EXPECT_EQ(Caption(5, rsMinutes, 0), "00:05 min");
  EXPECT_EQ(Caption(15, rsMinutes, 0), "00:15 min");
}

TEST(SubTimerCaptionTest, FixedFormatsUseTheGivenDigitsAndDecimalPoint) {
  EXPECT_EQ(SubTimerCaption(1234567, rsSeconds, 2, QLatin1Char(',')), "1,23 Sec.");
  EXPECT_EQ(SubTimerCaption(1234567, rsMilliSeconds, 1, QLatin1Char(',')), "1234,6 ms.");
  EXPECT_EQ(SubTimerCaption(5250000, rsMinutes, 3, QLatin1Char(',')), "00:05,250 min");
  EXPECT_EQ(SubTimerCaption(1234567890, rsMilliSeconds, 0, QLatin1Char('.')), "1234568 ms.");
}

}  // namespace
