#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The table as the solver sees it: plain bytes and counts, copied from the
// game, with every card known (the face-down ones and the stock's order).

// A card: suit * 13 + rank, ranks 0..12 Ace..King, suits 0..3 as the deck
// numbers them.
using TSolverCard = uint8_t;

inline constexpr int SolverColumns = 10;
inline constexpr int SolverSlots = 104;
inline constexpr int SolverSuits = 8;  // whole suits in the two packs
inline constexpr int SuitLength = 13;

constexpr int CardRank(TSolverCard card) {
  return card % SuitLength;
}
constexpr int CardSuit(TSolverCard card) {
  return card / SuitLength;
}
constexpr TSolverCard MakeCard(int rank, int suit) {
  return static_cast<TSolverCard>(suit * SuitLength + rank);
}

// One column, slot 0 at the bottom. The face-down cards are the bottom ones.
struct TSolverColumn {
  std::array<TSolverCard, SolverSlots> Cards{};
  uint8_t Count = 0;
  uint8_t Down = 0;

  bool Empty() const { return Count == 0; }
  TSolverCard Top() const { return Cards[Count - 1u]; }
  bool FaceUp(int row) const { return row >= Down; }
  TSolverCard At(int row) const { return Cards[static_cast<size_t>(row)]; }
  void Push(TSolverCard card) { Cards[Count++] = card; }
  // The lowest row of the one-suit falling run that ends at the top card;
  // Count when the column is empty or its top card lies face down.
  int RunStart() const;
};

struct TSolverTable {
  std::array<TSolverColumn, SolverColumns> Column{};
  // The stock's cards in the order the row deals take them, the first ten
  // for the next deal (columns 0 to 9).
  std::vector<TSolverCard> Stock;
  int StockUsed = 0;
  int SuitsHome = 0;

  int StockLeft() const { return static_cast<int>(Stock.size()) - StockUsed; }
  int FirstEmptyColumn() const;
  bool Won() const;
};

enum class TMoveKind : uint8_t { Run, Home, Deal };

// A run from row `Row` of column `From` onto column `To`, the whole suit at
// the top of column `From` home, or a row deal.
struct TSolverMove {
  TMoveKind Kind = TMoveKind::Deal;
  uint8_t From = 0;
  uint8_t Row = 0;
  uint8_t To = 0;

  bool operator==(const TSolverMove&) const = default;
};

// What a move changed, enough to take it back.
struct TMoveRecord {
  TSolverMove Move;
  bool TurnedUp = false;
  uint8_t Count = 0;  // cards moved or dealt
  uint8_t Suit = 0;   // the suit sent home
};

TMoveRecord ApplyMove(TSolverTable& table, const TSolverMove& move);
void UndoMove(TSolverTable& table, const TMoveRecord& record);

// A hash of the table. Once the stock is empty it ignores the order of the
// columns: tables that differ only by which column holds which pile count as
// the same. Before, the order matters, as a deal puts a known card on each.
uint64_t TableHash(const TSolverTable& table);
uint64_t ColumnHash(const TSolverColumn& column);
// The same from the hashes of the columns, for a search that keeps them.
uint64_t TableHash(const TSolverTable& table,
                   const std::array<uint64_t, SolverColumns>& columnHashes);
