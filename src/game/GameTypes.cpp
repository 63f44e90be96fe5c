#include "game/GameTypes.h"

#include <algorithm>

int TTable::LastRow(int c) const {
  for (int r = PileSlots - 1; r >= 1; --r)
    if (Slot(c, r) != nullptr)
      return r;
  return 0;
}

int TTable::PileCount(int c) const {
  int count = 0;
  while (count < PileSlots && Slot(c, count) != nullptr)
    ++count;
  return count;
}

int TTable::FirstEmptyPile() const {
  for (int c = 0; c < Columns; ++c)
    if (PileCount(c) == 0)
      return c;
  return -1;
}

int TTable::FirstEmptyHome() const {
  for (int p = 0; p < HomePiles; ++p)
    if (HomeSlot(p, 0) == nullptr)
      return p;
  return -1;
}

void ClearTable(TTable& table) {
  for (auto& pile : table.Home)
    pile.fill(nullptr);
  for (auto& column : table.Pile)
    column.fill(nullptr);
}

int TUndoItem::PileCount(int c) const {
  const auto& column = Pile[static_cast<size_t>(c)];
  int count = 0;
  while (count < PileSlots && column[static_cast<size_t>(count)].Card != nullptr)
    ++count;
  return count;
}

bool SamePlaces(const TUndoItem& a, const TUndoItem& b) {
  if (a.DeckState.ShuffleIndex != b.DeckState.ShuffleIndex)
    return false;
  const auto sameCard = [](const TUndoInfo& x, const TUndoInfo& y) { return x.Card == y.Card; };
  for (int p = 0; p < HomePiles; ++p)
    if (!std::equal(a.Home[static_cast<size_t>(p)].begin(), a.Home[static_cast<size_t>(p)].end(),
                    b.Home[static_cast<size_t>(p)].begin(), sameCard))
      return false;
  for (int c = 0; c < Columns; ++c)
    if (!std::equal(a.Pile[static_cast<size_t>(c)].begin(), a.Pile[static_cast<size_t>(c)].end(),
                    b.Pile[static_cast<size_t>(c)].begin(), sameCard))
      return false;
  return true;
}
