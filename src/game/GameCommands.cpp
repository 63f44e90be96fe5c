#include "game/GameEngine.h"

void TGameEngine::PromptNewGame() {
  if (!CanStartCommand())
    return;
  if (GameState == gsNoGame || GameState == gsWon) {
    NewGame();
    return;
  }
  const TGameMessageResult answer = FHost.ShowGameMessage(
      gpChoice, QStringLiteral("Deal?"), QString(), QStringLiteral("OK"), QStringLiteral("Cancel"));
  if (!(answer & gmOK))
    return;
  if (answer & gmNewGame)
    NewGame();
  else if (answer & gmReplay)
    ReplayGame();
}

void TGameEngine::PromptReplay() {
  if (!CanStartCommand())
    return;
  if (!CardsDealt) {
    FHost.ShowGameMessage(gpMessage, QStringLiteral("Restart"),
                          QStringLiteral("No Game To Restart"), QStringLiteral("OK"), QString());
    return;
  }
  const TGameMessageResult answer =
      FHost.ShowGameMessage(gpMessage, QStringLiteral("Restart"), QStringLiteral("Restart Game?"),
                            QStringLiteral("Yes"), QStringLiteral("No"));
  if (answer & gmOK)
    ReplayGame();
}
