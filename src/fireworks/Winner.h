#pragma once

#include <QImage>
#include <memory>

#include "cards/Random.h"
#include "fireworks/Fireworks.h"
#include "fireworks/WinnerHost.h"
#include "fireworks/WinnerRockets.h"

// The celebration after a won game: the table fades to black, four rockets
// leave one second apart with the rocket sound, the winner sound follows,
// and the fireworks run a frame every 100 ms until the last spark is gone,
// the player presses the left button or the program closes. Then the table
// is redrawn.
class TWinnerSequence {
 public:
  explicit TWinnerSequence(TWinnerHost& host, TRandom& random = TRandom::Program());
  ~TWinnerSequence();
  TWinnerSequence(const TWinnerSequence&) = delete;
  TWinnerSequence& operator=(const TWinnerSequence&) = delete;

  // Runs the whole celebration on the table picture and returns when it is
  // over. An error ends it as well (sound stopped, nothing left running) and
  // goes on to the caller without the redraw.
  void ShowWinner(QImage& picture);
  // True while the celebration runs; the game starts no new deal meanwhile.
  bool FireworksRunning() const { return FFireworks != nullptr; }
  // The running celebration's fireworks, or null.
  const TFireworks* Fireworks() const { return FFireworks.get(); }

  TWinnerRockets WinnerRockets{};

 private:
  void Animate(QImage& picture);
  bool Finished() const;

  TWinnerHost& FHost;
  TRandom& FRandom;
  std::unique_ptr<TFireworks> FFireworks;
};
