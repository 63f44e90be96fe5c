#pragma once

#include <functional>
#include <vector>

#include "cards/Clock.h"
#include "fireworks/WinnerHost.h"

// A celebration host without a window: it records what is asked of it and
// waits in zero time on a manual clock.
class TRecordingWinnerHost : public TWinnerHost {
 public:
  struct TSoundEvent {
    int Sound;  // -1 for a stop
    int64_t AtMs;
  };

  void ShowPicture() override { ++PicturesShown; }
  void WaitForMessages(int64_t deadlineMs) override;
  TClock& Clock() override { return FClock; }
  void PlaySound(int sound) override { Sounds.push_back({sound, FClock.NowMs()}); }
  void StopSound() override { Sounds.push_back({-1, FClock.NowMs()}); }
  bool StopRequested() const override { return Stop; }
  void ClearStopRequest() override { Stop = false; }
  bool Terminating() const override { return Closing; }
  void RedrawTable() override { ++Redraws; }

  // What was asked.
  std::vector<TSoundEvent> Sounds;
  int PicturesShown = 0;
  int MessageRounds = 0;
  int Redraws = 0;

  // What the celebration reads.
  bool Stop = false;
  bool Closing = false;

  // Runs in every round of events, standing in for what the player does
  // while the celebration lets events through.
  std::function<void()> OnMessages;

 private:
  TManualClock FClock;
};
