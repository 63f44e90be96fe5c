#pragma once

#include <QTextStream>

#include "cards/Clock.h"
#include "game/RecordingHost.h"

// The driver's clock: zero-time waits, or real ones after "realtime on".
class TDriverClock : public TClock {
 public:
  int64_t NowMs() override { return RealTime ? FSteady.NowMs() : FManual.NowMs(); }
  void SleepUntilMs(int64_t deadlineMs) override {
    if (RealTime)
      FSteady.SleepUntilMs(deadlineMs);
    else
      FManual.SleepUntilMs(deadlineMs);
  }
  bool RealTime = false;

 private:
  TSteadyClock FSteady;
  TManualClock FManual;
};

// A recording host that also prints, as they happen, the events a player
// would hear or see outside the table: sounds, the error box, the flashing
// banner and the celebration.
class TDriverHost : public TRecordingHost {
 public:
  explicit TDriverHost(QTextStream& out) : FOut(out) {}

  TClock& Clock() override { return DriverClock; }
  void PlaySound(int sound, bool loop) override;
  void StopSound() override;
  void ShowErrorBox(const QString& text) override;
  void SetPanelText(TStatusPanel panel, const QString& text) override;
  void SetPanelColour(TStatusPanel panel, QRgb colour) override;
  void ShowWinner() override;

  TDriverClock DriverClock;
  bool SoundOff = false;

 private:
  QTextStream& FOut;
  bool FFlashShown = false;
};
