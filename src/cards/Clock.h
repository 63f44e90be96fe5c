#pragma once

#include <cstdint>

// The millisecond clock that card animations wait on. The steady clock sleeps
// the thread; tests and tools use a manual clock that advances at once and
// counts the waits, so animations run in zero time.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual int64_t NowMs() = 0;
  // Returns no earlier than `deadlineMs`, sleeping rather than spinning.
  virtual void SleepUntilMs(int64_t deadlineMs) = 0;

  // Waits `ms` milliseconds (nothing for 0 or less). Waits that follow one
  // another keep a pace: each ends `ms` after the one before it ended, so
  // the time taken to draw the frame between them is part of the wait, not
  // added to it, and an animation lasts as long on a large window as on a
  // small one. After a pause longer than PaceGapMs the pace starts afresh.
  void Delay(int ms);
  static constexpr int64_t PaceGapMs = 20;

 private:
  int64_t FPace = 0;
  bool FPaced = false;
};

// Monotonic wall clock; the process-wide default.
class TSteadyClock : public TClock {
 public:
  static TSteadyClock& Instance();
  int64_t NowMs() override;
  void SleepUntilMs(int64_t deadlineMs) override;
};

// A clock that only moves when it is waited on.
class TManualClock : public TClock {
 public:
  int64_t NowMs() override { return FNow; }
  void SleepUntilMs(int64_t deadlineMs) override;

  int DelayCount() const { return FDelays; }
  int64_t ElapsedMs() const { return FNow; }

 private:
  int64_t FNow = 0;
  int FDelays = 0;
};
