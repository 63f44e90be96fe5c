#pragma once

#include <QTimer>
#include <functional>
#include <memory>

// The timer behind a button that repeats its click while it is held. The
// program runs it on a Qt timer; tests hand in a manual timer whose time
// moves only when they say so.
class TRepeatTimer {
 public:
  virtual ~TRepeatTimer() = default;
  // (Re)starts the timer: the first tick comes `intervalMs` from now.
  virtual void Start(int intervalMs) = 0;
  // Changes the interval; a running timer counts the new one from now.
  virtual void SetInterval(int intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Active() const = 0;

  std::function<void()> OnTimer;
};

using TRepeatTimerFactory = std::function<std::unique_ptr<TRepeatTimer>()>;

class TQtRepeatTimer : public TRepeatTimer {
 public:
  TQtRepeatTimer();
  void Start(int intervalMs) override { FTimer.start(intervalMs); }
  void SetInterval(int intervalMs) override { FTimer.setInterval(intervalMs); }
  void Stop() override { FTimer.stop(); }
  bool Active() const override { return FTimer.isActive(); }

 private:
  QTimer FTimer;
};

// Virtual time: Advance fires every tick that falls due on the way.
class TManualRepeatTimer : public TRepeatTimer {
 public:
  void Start(int intervalMs) override;
  void SetInterval(int intervalMs) override;
  void Stop() override { FActive = false; }
  bool Active() const override { return FActive; }

  void Advance(int ms);
  int Interval() const { return FInterval; }

 private:
  bool FActive = false;
  int FInterval = 1;
  int FDue = 1;  // milliseconds until the next tick
};
