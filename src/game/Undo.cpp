// The undo ring: a snapshot before every step the player can take back, and
// the reverse animation of the last step before its snapshot is restored.

#include "cards/SoundIds.h"
#include "game/BusyScope.h"
#include "game/GameEngine.h"

namespace {

int Previous(int index) {
  return index == 0 ? UndoSize - 1 : index - 1;
}

}  // namespace

void TGameEngine::PushUndo() {
  ClearRedo();
  FGamePlayed = true;
  // The ring's records (18 KB each) are made when play first reaches them,
  // so a short game does not hold a thousand.
  if (UndoBuffer.size() <= static_cast<size_t>(UndoIndex))
    UndoBuffer.resize(static_cast<size_t>(UndoIndex) + 1);
  SaveItem(UndoBuffer[static_cast<size_t>(UndoIndex)]);
  UndoIndex = (UndoIndex + 1) % UndoSize;
  if (UndoIndex == UndoFloor)
    UndoFloor = (UndoFloor + 1) % UndoSize;  // the oldest snapshot is dropped
}

void TGameEngine::ResetUndo() {
  ClearRedo();
  UndoIndex = 0;
  UndoFloor = 0;
}

bool TGameEngine::UndoMove() {
  if (!CanStartCommand() || GameState == gsWon)
    return false;
  TBusyScope busy(*this);
  if (UndoIndex != UndoFloor)
    KeepForRedo();  // before the animation turns any card over
  AnimateUndo();
  if (UndoIndex == UndoFloor)
    return false;
  UndoIndex = Previous(UndoIndex);
  RestoreItem(UndoBuffer[static_cast<size_t>(UndoIndex)]);
  return true;
}

void TGameEngine::AnimateUndo() {
  if (UndoIndex == UndoFloor)
    return;
  const TUndoItem& r = UndoBuffer[static_cast<size_t>(Previous(UndoIndex))];
  if (r.DeckState.ShuffleIndex != FDeck->Shuffler().ShuffleIndex()) {
    AnimateUndoRowDeal(r);
    return;
  }
  const TStepChange step = StepChange(r, true);
  if (step.Home >= 0) {
    if (step.Source >= 0)
      AnimateUndoSuitHome(r, step.Home, step.Source);
  } else if (step.Source >= 0 && step.Dest >= 0) {
    AnimateUndoColumnMove(r, step.Source, step.Dest, step.Count);
  }
}

TGameEngine::TStepChange TGameEngine::StepChange(const TUndoItem& r, bool undo) const {
  TStepChange step;
  for (int p = 0; p < HomePiles && step.Home < 0; ++p)
    if (r.Home[static_cast<size_t>(p)][0].Card != Table.HomeSlot(p, 0))
      step.Home = p;
  for (int c = 0; c < Columns && (step.Source < 0 || step.Dest < 0); ++c) {
    const int more = Table.PileCount(c) - r.PileCount(c);
    const int d = undo ? more : -more;
    if (d < 0)
      step.Source = c;
    else if (d > 0)
      step.Dest = c;
    if (d != 0)
      step.Count = std::abs(d);
  }
  return step;
}

void TGameEngine::AnimateUndoRowDeal(const TUndoItem& r) {
  FHost.PlaySound(sndUndo, false);
  const TDeckArray& order = r.DeckState.DeckArray;
  const int end = std::min<int>(r.DeckState.ShuffleIndex, static_cast<int>(order.size()));
  for (int i = std::max(FDeck->Shuffler().ShuffleIndex(), 0); i < end; ++i) {
    const int index = order[static_cast<size_t>(i)];
    if (index < 0 || index >= FDeck->CardCount())
      continue;
    FDeck->AnimateCards(FDeck->Card(index).Position, StockPoint, 10, 2, {index}, Refresh());
  }
}

void TGameEngine::AnimateUndoSuitHome(const TUndoItem& r, int h, int cs) {
  const int a = r.PileCount(cs);
  if (a < HomeSlots)
    return;
  FHost.PlaySound(sndUndo, false);
  TIndices suit;
  const QPoint home = HomePoint(h);
  for (int k = 0; k < HomeSlots; ++k) {
    TCard* card = r.Pile[static_cast<size_t>(cs)][static_cast<size_t>(a - HomeSlots + k)].Card;
    card->Position = home + QPoint(0, FDeck->CardHeight() + 10 * k);
    suit.push_back(card->Index);
  }
  Redraw(true);
  FDeck->AnimateCards(home, SlotPoint(cs, Table.PileCount(cs)), 10, 2, suit, Refresh());
}

void TGameEngine::AnimateUndoColumnMove(const TUndoItem& r, int cs, int cd, int n) {
  const int a = Table.PileCount(cd);
  if (n <= 0 || n > a)
    return;
  FHost.PlaySound(sndUndo, false);
  TIndices group;
  for (int k = a - n; k < a; ++k)
    group.push_back(Table.Slot(cd, k)->Index);
  const QPoint start = SlotPoint(cd, a - n);
  const int count = Table.PileCount(cs);
  if (count >= 2) {
    TCard* top = Table.Slot(cs, count - 1);
    const bool wasUp = r.Pile[static_cast<size_t>(cs)][static_cast<size_t>(count - 1)].FaceUp != 0;
    if (top->FaceUp != wasUp)
      FlipOnTable(*top);
  }
  FDeck->AnimateCards(start, SlotPoint(cs, count), 10, 2, group, Refresh());
}
