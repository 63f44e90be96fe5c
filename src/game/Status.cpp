// The score, the status bar and caption, the player's errors, the game clock
// and the win.

#include "cards/Card.h"
#include "cards/SoundIds.h"
#include "game/GameEngine.h"

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Red = 0xffff0000;

}  // namespace

int32_t TGameEngine::GameScore() const {
  if (!CardsDealt)
    return 0;
  int hidden = 0, clearColumns = 0, links = 0, suitsHome = 0;
  for (int c = 0; c < Columns; ++c) {
    bool anyHidden = false;
    for (int r = 0; r < PileSlots && Table.Slot(c, r) != nullptr; ++r) {
      const TCard* card = Table.Slot(c, r);
      if (!card->FaceUp) {
        ++hidden;
        anyHidden = true;
      }
      const TCard* below = r > 0 ? Table.Slot(c, r - 1) : nullptr;
      if (below != nullptr && below->FaceUp && card->FaceUp && below->Suit == card->Suit &&
          below->Rank != 0 && card->Rank == below->Rank - 1)
        ++links;
    }
    if (!anyHidden)
      ++clearColumns;
  }
  for (int p = 0; p < HomePiles; ++p)
    if (Table.HomeSlot(p, 0) != nullptr)
      ++suitsHome;
  int32_t score = (44 - hidden) * 10 + clearColumns * 15 + links * 2 + suitsHome * 50;
  if (GameState == gsWon && SuitStreak > 3)
    score += (SuitStreak - 3) * 2;
  return score;
}

void TGameEngine::UpdateStatus() {
  if (!CardsDealt)
    ShowPrompt(QStringLiteral("Please Deal Cards"));
  else if (FHost.AutoMoveMode())
    ShowPrompt(QStringLiteral("Click on card to Move"));
  else if (SelectStage == 0)
    ShowPrompt(QStringLiteral("Click On Card From Pile"));
  else
    ShowPrompt(QStringLiteral("Click On Destination"));
  FHost.SetPanelText(MoveCntDis, QString::number(MoveCount));
  const int32_t score = GameScore();
  FHost.SetPanelText(ScoreDis, QString::number(score) + QStringLiteral(" Pts."));
  FHost.SetCaption(QStringLiteral("Sorvane-32 - ") + QString::number(score) +
                   QStringLiteral(" points - Deal ") + QString::number(DealCount) +
                   QStringLiteral(" of 5"));
  FHost.StatusUpdated();
}

void TGameEngine::ShowPrompt(const QString& text) {
  FHost.SetPanelText(MessageDis, text);
}

void TGameEngine::ShowError(const QString& text) {
  if (!text.isEmpty())
    FHost.PlaySound(sndError, false);
  FHost.SetPanelText(ErrorDis, text);
  if (!text.isEmpty() && FHost.VerboseMode())
    FHost.ShowErrorBox(text +
                       QStringLiteral("\r\n\r\nTo disable these messages and enable "
                                      "advanced\r\nmode options, click the help button.\r\n"));
}

void TGameEngine::FlashMessage(const QString& text, int halfMs, int totalMs, QRgb first,
                               QRgb second) {
  const QRgb remembered = FHost.PanelColour(ErrorDis);
  FHost.SetPanelText(ErrorDis, text);
  const int cycles = halfMs > 0 ? totalMs / (2 * halfMs) : 0;
  for (int i = 0; i < cycles; ++i) {
    FHost.SetPanelColour(ErrorDis, first);
    FHost.Clock().Delay(halfMs);
    FHost.SetPanelColour(ErrorDis, second);
    FHost.Clock().Delay(halfMs);
  }
  FHost.SetPanelColour(ErrorDis, remembered);
}

void TGameEngine::SetGameClock(bool on) {
  FHost.SetGameClock(on);
}

void TGameEngine::WinSequence() {
  Dragging = false;
  SetGameClock(false);
  GameState = gsWon;
  CountWonGame();
  FlashMessage(QStringLiteral("Congratulations!!"), 70, 1000, White, Red);
  UpdateStatus();
  FHost.ShowWinner();
  RepaintAll();  // the celebration drew over the whole table
  GatherCards();
}
