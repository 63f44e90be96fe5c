#include "fireworks/Winner.h"

#include "cards/SoundIds.h"
#include "fireworks/Fade.h"

namespace {

constexpr int FadeMs = 2000;
constexpr int FramePauseMs = 100;
// A salvo every ten frames: the four rockets, then the winner sound.
constexpr int SalvoFrames = 10;

}  // namespace

TWinnerSequence::TWinnerSequence(TWinnerHost& host, TRandom& random)
    : FHost(host), FRandom(random) {}

TWinnerSequence::~TWinnerSequence() = default;

void TWinnerSequence::ShowWinner(QImage& picture) {
  if (FireworksRunning())
    return;
  // The fireworks live for this celebration only, however it ends.
  struct TRunning {
    std::unique_ptr<TFireworks>& Fireworks;
    ~TRunning() { Fireworks.reset(); }
  } running{FFireworks};
  FFireworks = std::make_unique<TFireworks>(FRandom);
  try {
    WinnerRockets = InitWinnerRockets();
    FadeImage(FHost, picture, RGB(0, 0, 0), FadeMs);
    Animate(picture);
  } catch (...) {
    FHost.StopSound();
    throw;
  }
  FHost.StopSound();
  FFireworks.reset();
  FHost.RedrawTable();
}

// Presses during the fade are not taken as a stop: the request is cleared
// once it is over.
void TWinnerSequence::Animate(QImage& picture) {
  FHost.ClearStopRequest();
  if (FHost.Terminating())
    return;
  int next = 0;
  for (int frame = 0;; ++frame) {
    if (frame % SalvoFrames == 0) {
      if (next < WinnerRocketCount) {
        FHost.PlaySound(sndRocket);
        FFireworks->Launch(picture, WinnerRockets[static_cast<size_t>(next)]);
      } else if (next == WinnerRocketCount) {
        FHost.PlaySound(sndWinner);
      }
      ++next;
    }
    FFireworks->Advance(picture);
    FHost.ShowPicture();
    DelayWithMessages(FHost, FramePauseMs);
    if (Finished())
      return;
  }
}

bool TWinnerSequence::Finished() const {
  return FFireworks->Rockets.Count() == 0 || FHost.Terminating() || FHost.StopRequested();
}
