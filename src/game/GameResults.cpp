// Telling the host how each game ended, for the statistics: once per game,
// when it is won or when it is left unfinished after a step.

#include "game/GameEngine.h"
#include "persist/Statistics.h"

void TGameEngine::StartCountedGame(bool played) {
  FGameCounted = false;
  FGamePlayed = played;
}

void TGameEngine::CountLeftGame() {
  if (FGameCounted || !FGamePlayed || !CardsDealt || GameState != gsPlaying)
    return;
  FGameCounted = true;
  FHost.GameFinished(TGameResult{Suits, false, GameScore(), FHost.GameClockTime()});
}

// The clock has stopped and the game is marked won, so the score holds the
// bonus for the suits sent home in a row.
void TGameEngine::CountWonGame() {
  if (FGameCounted)
    return;
  FGameCounted = true;
  FHost.GameFinished(TGameResult{Suits, true, GameScore(), FHost.GameClockTime()});
}
