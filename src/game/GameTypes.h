#pragma once

#include <QPoint>
#include <array>
#include <cstdint>

#include "cards/Shuffler.h"

class TCard;

inline constexpr int HomePiles = 8;
inline constexpr int HomeSlots = 13;
inline constexpr int Columns = 10;
inline constexpr int PileSlots = 104;
inline constexpr int UndoSize = 1000;

// The places of the table, holding references to the deck's cards (nullptr
// for an empty slot). Home piles hold a whole suit, Ace in slot 0; columns
// fill from slot 0 (the bottom card, nearest the top of the screen) upward.
struct TTable {
  std::array<std::array<TCard*, HomeSlots>, HomePiles> Home{};
  std::array<std::array<TCard*, PileSlots>, Columns> Pile{};

  // The highest filled slot of column c from slot 1 up; 0 for a column
  // holding one card and for an empty one.
  int LastRow(int c) const;
  int PileCount(int c) const;
  int FirstEmptyPile() const;
  int FirstEmptyHome() const;
  // The top card of column c, or nullptr when it is empty.
  TCard* TopCard(int c) const {
    return Pile[static_cast<size_t>(c)][static_cast<size_t>(LastRow(c))];
  }
  TCard*& Slot(int c, int r) { return Pile[static_cast<size_t>(c)][static_cast<size_t>(r)]; }
  TCard* Slot(int c, int r) const { return Pile[static_cast<size_t>(c)][static_cast<size_t>(r)]; }
  TCard*& HomeSlot(int p, int s) { return Home[static_cast<size_t>(p)][static_cast<size_t>(s)]; }
  TCard* HomeSlot(int p, int s) const {
    return Home[static_cast<size_t>(p)][static_cast<size_t>(s)];
  }
};

void ClearTable(TTable& table);

// One slot of a snapshot: the card and whether it lay face up.
struct TUndoInfo {
  TCard* Card = nullptr;
  uint8_t FaceUp = 0;
};

// A snapshot of the table: the unit of undo, of replay and of saved games.
struct TUndoItem {
  int32_t Counter = 0;
  int32_t DealCount = 0;
  std::array<std::array<TUndoInfo, HomeSlots>, HomePiles> Home{};
  std::array<std::array<TUndoInfo, PileSlots>, Columns> Pile{};
  TDeckState DeckState;

  // Cards the snapshot holds in column c, from slot 0 up to its first gap.
  int PileCount(int c) const;
};

// True when both snapshots hold the same cards in the same places, with the
// same number of cards left in the stock: no step lies between them.
bool SamePlaces(const TUndoItem& a, const TUndoItem& b);

// A place on the table hit by a click: a column and slot, a home pile (Row
// -1), or nothing (Column and Row -1).
struct TTablePos {
  int32_t Column = -1;
  int32_t Row = -1;
  TCard* Card = nullptr;
};

enum TGameState : uint8_t { gsNoGame = 0, gsPlaying = 1, gsWon = 2 };
