#include "cards/Clock.h"

#include <chrono>
#include <thread>

void TClock::Delay(int ms) {
  if (ms <= 0)
    return;
  const int64_t now = NowMs();
  const bool keepPace = FPaced && now - FPace <= PaceGapMs;
  const int64_t deadline = (keepPace ? FPace : now) + ms;
  while (NowMs() < deadline)
    SleepUntilMs(deadline);
  FPace = deadline;
  FPaced = true;
}

TSteadyClock& TSteadyClock::Instance() {
  static TSteadyClock clock;
  return clock;
}

int64_t TSteadyClock::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TSteadyClock::SleepUntilMs(int64_t deadlineMs) {
  using namespace std::chrono;
  std::this_thread::sleep_until(steady_clock::time_point(milliseconds(deadlineMs)));
}

void TManualClock::SleepUntilMs(int64_t deadlineMs) {
  ++FDelays;
  if (deadlineMs > FNow)
    FNow = deadlineMs;
}
