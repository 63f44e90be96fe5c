// Redo: every undo keeps the table it leaves, and Redo brings the latest of
// those back with the animation of the step it repeats. The undo ring still
// holds the snapshot before that step, so Redo only moves the ring forward.

#include "cards/Card.h"
#include "cards/SoundIds.h"
#include "game/BusyScope.h"
#include "game/GameEngine.h"

void TGameEngine::KeepForRedo() {
  TUndoItem& kept = RedoList.emplace_back();
  SaveItem(kept);
  FHost.SetRedoAvailable(true);
}

void TGameEngine::ClearRedo() {
  if (RedoList.empty())
    return;
  RedoList.clear();
  FHost.SetRedoAvailable(false);
}

bool TGameEngine::RedoMove() {
  if (!CanStartCommand() || GameState == gsWon || RedoList.empty())
    return false;
  TBusyScope busy(*this);
  const TUndoItem item = std::move(RedoList.back());
  RedoList.pop_back();
  if (RedoList.empty())
    FHost.SetRedoAvailable(false);
  AnimateRedo(item);
  UndoIndex = (UndoIndex + 1) % UndoSize;
  RestoreItem(item);
  return true;
}

// The step is told from the table and the record as the undo animation
// tells it: a changed stock is a row deal, a new home pile a suit sent home,
// else a run that left one column for another.
void TGameEngine::AnimateRedo(const TUndoItem& r) {
  if (r.DeckState.ShuffleIndex != FDeck->Shuffler().ShuffleIndex()) {
    AnimateRedoRowDeal(r);
    return;
  }
  const TStepChange step = StepChange(r, false);
  if (step.Home >= 0 && step.Source >= 0)
    AnimateRedoSuitHome(step.Home, step.Source);
  else if (step.Home < 0 && step.Source >= 0 && step.Dest >= 0)
    AnimateRedoColumnMove(step.Source, step.Dest, step.Count);
  if (step.Source >= 0)
    TurnUpAsIn(r, step.Source);
}

void TGameEngine::AnimateRedoRowDeal(const TUndoItem& r) {
  FHost.PlaySound(sndDeal, false);
  for (int c = 0; c < Columns; ++c) {
    const int row = Table.PileCount(c);
    if (row >= r.PileCount(c))
      continue;
    TCard* card = r.Pile[static_cast<size_t>(c)][static_cast<size_t>(row)].Card;
    card->FaceUp = true;
    card->Visible = true;
    FDeck->AnimateCards(StockPoint, SlotPoint(c, row), 4, 1, {card->Index}, Refresh());
  }
}

void TGameEngine::AnimateRedoSuitHome(int h, int cs) {
  const int last = Table.LastRow(cs);
  if (Table.PileCount(cs) < HomeSlots)
    return;
  FHost.PlaySound(sndMoveTo, false);
  for (int i = 0; i < HomeSlots; ++i) {
    const TCard& card = *Table.Slot(cs, last - i);
    FDeck->AnimateCards(card.Position, HomePoint(h), 5, 5, {card.Index}, Refresh());
  }
}

void TGameEngine::AnimateRedoColumnMove(int cs, int cd, int n) {
  const int count = Table.PileCount(cs);
  if (n <= 0 || n > count)
    return;
  FHost.PlaySound(sndMoveTo, false);
  TIndices group;
  for (int k = count - n; k < count; ++k)
    group.push_back(Table.Slot(cs, k)->Index);
  FDeck->AnimateCards(Table.Slot(cs, count - n)->Position, SlotPoint(cd, Table.PileCount(cd)), 8,
                      10, group, Refresh());
}

// The card a step uncovered turns over as it did when the step was made.
void TGameEngine::TurnUpAsIn(const TUndoItem& r, int c) {
  const int count = r.PileCount(c);
  if (count < 1)
    return;
  const TUndoInfo& top = r.Pile[static_cast<size_t>(c)][static_cast<size_t>(count - 1)];
  if (top.Card != nullptr && top.FaceUp != 0 && !top.Card->FaceUp)
    FlipOnTable(*top.Card);
}
