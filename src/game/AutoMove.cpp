// The auto-move mode: one click moves a column's top run to the target the
// engine prefers, through the ordinary destination step.

#include "cards/Card.h"
#include "game/GameEngine.h"

std::pair<int, int> TGameEngine::RunStart(int c) const {
  const int t = Table.LastRow(c);
  int s = t;
  for (int i = t - 1; i >= 0; --i) {
    const TCard* p = Table.Slot(c, i);
    const TCard* q = Table.Slot(c, i + 1);
    if (p == nullptr || q == nullptr || !p->FaceUp || !q->FaceUp || p->Suit != q->Suit ||
        p->Rank == 0 || q->Rank != p->Rank - 1)
      break;
    s = i;
  }
  return {s, t};
}

int TGameEngine::FindAnyTarget(int c, const TCard& p) const {
  for (int i = 0; i < Columns; ++i) {
    const TCard* top = Table.TopCard(i);
    if (i != c && top != nullptr && top->Rank != 0 && top->Rank == p.Rank + 1)
      return i;
  }
  return -1;
}

int TGameEngine::FindSameSuitTarget(int c, const TCard& p) const {
  for (int i = 0; i < Columns; ++i) {
    const TCard* top = Table.TopCard(i);
    if (i != c && top != nullptr && top->Rank != 0 && top->Rank == p.Rank + 1 &&
        top->Suit == p.Suit)
      return i;
  }
  return -1;
}

void TGameEngine::AutoMove(int c) {
  const auto [s, t] = RunStart(c);
  TCard* p = Table.Slot(c, s);
  const TCard* q = Table.Slot(c, t);
  if (p == nullptr)
    return;
  Selection[0] = TTablePos{c, s, p};
  CollectRun(Selection[0]);
  const auto columnTarget = [this](int d) {
    return TTablePos{d, Table.LastRow(d), Table.TopCard(d)};
  };
  TTablePos& dest = Selection[1];
  if (q->Rank == 0 && p->Rank == 12 && Table.FirstEmptyHome() >= 0) {
    dest = TTablePos{Table.FirstEmptyHome(), -1, nullptr};
  } else if (const int same = FindSameSuitTarget(c, *p); same >= 0) {
    dest = columnTarget(same);
  } else if (const int any = FindAnyTarget(c, *p); any >= 0) {
    dest = columnTarget(any);
  } else if (const int empty = Table.FirstEmptyPile(); empty >= 0) {
    dest = TTablePos{empty, 0, nullptr};
  } else {
    ShowError(QStringLiteral("No where to move ") + p->LongName());
    MoveDone = false;
    FinishPlacement();
    UpdateStatus();
    return;
  }
  PlaceSelection();
  UpdateStatus();
}
