// Dealing a game by its number: the shuffle takes the number as its seed
// once, in place of the clock.

#include "game/GameEngine.h"

void TGameEngine::DealNumberedGame(uint32_t number) {
  if (!CanStartCommand())
    return;
  FRandom.SetNextSeed(number);
  NewGame();
  FRandom.SetNextSeed(std::nullopt);
}
