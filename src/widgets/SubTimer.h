#pragma once

#include <QLabel>
#include <QString>
#include <cstdint>
#include <functional>

// Caption formats of the elapsed-time panel.
enum TResolution { rsMinutes, rsSeconds, rsMilliSeconds, rsAutoScale };

// The caption for a count of microseconds in one of the formats.
QString SubTimerCaption(int64_t count, TResolution resolution, int digits, QChar decimalPoint);

// A stopwatch panel with microsecond resolution on a monotonic clock. It
// does not tick by itself: its owner calls UpdateDisplay to refresh the
// caption.
class TSubTimer : public QLabel {
 public:
  // Reads the clock in whole microseconds.
  using TMicroClock = std::function<int64_t()>;
  static int64_t SteadyMicroseconds();

  explicit TSubTimer(QWidget* parent = nullptr, TMicroClock now = SteadyMicroseconds);

  int64_t CurrentCount() const;
  TResolution Resolution() const { return FResolution; }
  void SetResolution(TResolution resolution);
  int Digits() const { return FDigits; }
  // Negative values are ignored.
  void SetDigits(int digits);
  // Elapsed seconds.
  double Time() const;
  void SetTime(double seconds);
  bool Running() const { return FRunning; }

  void Reset();
  void Start();
  void Stop();
  void UpdateDisplay();

 private:
  TMicroClock FNow;
  TResolution FResolution = rsMilliSeconds;
  int FDigits = 3;
  bool FRunning = false;
  int64_t FStartCount = 0;
  int64_t FAccumulated = 0;
};
