// Animation waits keep their pace: the time spent drawing between two waits
// is taken from the second, up to a pause after which the pace starts anew.
#include <gtest/gtest.h>

#include <vector>

#include "cards/Clock.h"

namespace {

// A clock that work moves on as well as waits, and that notes where each
// wait ended.
class TWorkClock : public TClock {
 public:
  int64_t NowMs() override { return FNow; }
  void SleepUntilMs(int64_t deadlineMs) override { FNow = std::max(FNow, deadlineMs); }
  void Work(int64_t ms) { FNow += ms; }

 private:
  int64_t FNow = 1000;
};

struct TStep {
  int64_t WorkMs;  // before the wait
  int DelayMs;
  int64_t EndsAt;  // ms after the clock's start
};

TEST(ClockTest, WaitsKeepThePaceOfTheOnesBefore) {
  const std::vector<std::vector<TStep>> cases = {
      // No work: each wait is whole.
      {{0, 5, 5}, {0, 5, 10}, {0, 0, 10}, {0, 1, 11}},
      // Drawing shorter than the wait is part of it.
      {{0, 5, 5}, {3, 5, 10}, {4, 5, 15}},
      // A slow frame: the next waits catch up, none ends early.
      {{0, 1, 1}, {4, 1, 5}, {0, 1, 5}, {0, 1, 5}, {0, 1, 5}, {0, 1, 6}},
      // No waits between frames (a delay of 0) still keep the pace.
      {{0, 2, 2}, {1, 0, 3}, {1, 0, 4}, {0, 2, 4}, {0, 2, 6}},
      // After a pause longer than PaceGapMs, a wait is whole again.
      {{0, 5, 5}, {TClock::PaceGapMs + 1, 5, 5 + TClock::PaceGapMs + 1 + 5}},
      // A pause of exactly PaceGapMs still keeps the pace.
      {{0, 5, 5}, {TClock::PaceGapMs, 5, 5 + TClock::PaceGapMs}},
      // The first wait has no pace to keep.
      {{7, 3, 10}},
  };
  for (size_t c = 0; c < cases.size(); ++c) {
    TWorkClock clock;
    for (size_t s = 0; s < cases[c].size(); ++s) {
      const TStep& step = cases[c][s];
      clock.Work(step.WorkMs);
      clock.Delay(step.DelayMs);
      EXPECT_EQ(clock.NowMs() - 1000, step.EndsAt) << "case " << c << " step " << s;
    }
  }
}

}  // namespace
