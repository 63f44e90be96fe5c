// The suits of the game on the table: the deck's cards take the suits of
// a new deal or of a loaded game.

#include "cards/Suits.h"
#include "game/GameEngine.h"

void TGameEngine::ApplySuits(int suits) {
  if (!ValidSuitCount(suits) || suits == Suits)
    return;
  Suits = suits;
  SetDeckSuits(*FDeck, suits);
}
