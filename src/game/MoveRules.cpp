// Which cards may be picked up, which move together, where they may go and
// what the player is told when a move is refused.

#include "cards/Card.h"
#include "game/GameEngine.h"

bool TGameEngine::IsRun(int c, int r) const {
  if (r < 0)
    return false;
  const int top = Table.LastRow(c);
  if (r >= top)
    return true;
  const TCard* first = Table.Slot(c, r);
  if (first == nullptr)
    return false;
  for (int k = r; k < top; ++k) {
    const TCard* lower = Table.Slot(c, k);
    const TCard* upper = Table.Slot(c, k + 1);
    if (lower == nullptr || upper == nullptr || !lower->FaceUp || upper->Suit != first->Suit ||
        upper->Rank != lower->Rank - 1)
      return false;
  }
  return true;
}

bool TGameEngine::IsFullSuit(int c) const {
  const int last = Table.LastRow(c);
  if (last < 12)
    return false;
  for (int r = last - 12; r <= last; ++r) {
    const TCard* card = Table.Slot(c, r);
    if (card == nullptr || !card->FaceUp)
      return false;
  }
  return IsRun(c, last - 12);
}

// The source rule; true when the pick is refused (its message, if any, shown).
bool TGameEngine::RefusePick(const TTablePos& source) {
  if (source.Row < 0) {
    ShowError(QStringLiteral("Can't Move From Home"));
    return true;
  }
  if (source.Card == nullptr) {
    if (Table.PileCount(source.Column) == 0)
      ShowError(QStringLiteral("No cards to select: Empty Column"));
    else if (!FHost.AutoMoveMode())
      ShowError(QStringLiteral("No card to select."));
    return true;
  }
  if (!source.Card->FaceUp && !FHost.AutoMoveMode()) {
    ShowError(QStringLiteral("Only face-up cards can move"));
    return true;
  }
  return false;
}
