#include "solver/MoveGenerator.h"

namespace {

// Weights of the move order.
constexpr int HomeScore = 10000;
constexpr int DealScore = -5000;
constexpr int TurnUpScore = 1000;
constexpr int EmptyColumnScore = 800;
constexpr int SameSuitScore = 400;
constexpr int IntoEmptyScore = -300;
constexpr int UncoverScore = 50;

bool IsFullSuitOnTop(const TSolverColumn& column) {
  return column.Count - column.RunStart() >= SuitLength;
}

bool Follows(TSolverCard upper, TSolverCard lower) {
  return CardRank(lower) == CardRank(upper) + 1;
}

TScoredMove ScoreRunMove(const TSolverTable& table, int from, int row, int to) {
  const TSolverColumn& source = table.Column[static_cast<size_t>(from)];
  const TSolverColumn& dest = table.Column[static_cast<size_t>(to)];
  const TSolverCard card = source.At(row);
  TScoredMove scored{{TMoveKind::Run, static_cast<uint8_t>(from), static_cast<uint8_t>(row),
                      static_cast<uint8_t>(to)}};
  const bool join = !dest.Empty() && CardSuit(dest.Top()) == CardSuit(card);
  int score = join ? SameSuitScore : 0;
  if (dest.Empty())
    score += IntoEmptyScore;
  if (row == 0) {
    score += EmptyColumnScore;
  } else if (!source.FaceUp(row - 1)) {
    score += TurnUpScore + 10 * (SolverSlots - source.Down) / SolverSlots;
  } else {
    const TSolverCard below = source.At(row - 1);
    const bool sameSuitBelow = CardSuit(below) == CardSuit(card);
    if (Follows(card, below))
      scored.Shuffle = !dest.Empty() && (!join || sameSuitBelow);
    else
      score += UncoverScore;
  }
  scored.Score = score + source.Count - row;
  return scored;
}

// Into an empty column: with the stock empty, which empty column holds a run
// makes no difference, so only the first is offered and a whole column stays.
// Before, the order of the columns decides where the next deal's cards land:
// the other columns are offered too, as shuffles.
void AddMovesIntoEmpty(const TSolverTable& table, int from, int row,
                       std::vector<TScoredMove>& moves) {
  const bool stockLeft = table.StockLeft() > 0;
  bool first = true;
  for (int to = 0; to < SolverColumns; ++to) {
    if (to == from || !table.Column[static_cast<size_t>(to)].Empty())
      continue;
    if (stockLeft || (first && row > 0)) {
      moves.push_back(ScoreRunMove(table, from, row, to));
      moves.back().Shuffle |= !first || row == 0;
    }
    first = false;
  }
}

void AddRunMoves(const TSolverTable& table, int from, std::vector<TScoredMove>& moves) {
  const TSolverColumn& source = table.Column[static_cast<size_t>(from)];
  for (int row = source.RunStart(); row < source.Count; ++row) {
    const int rank = CardRank(source.At(row));
    for (int to = 0; to < SolverColumns; ++to) {
      const TSolverColumn& dest = table.Column[static_cast<size_t>(to)];
      if (to != from && !dest.Empty() && CardRank(dest.Top()) == rank + 1)
        moves.push_back(ScoreRunMove(table, from, row, to));
    }
    AddMovesIntoEmpty(table, from, row, moves);
  }
}

}  // namespace

bool CanDeal(const TSolverTable& table) {
  return table.StockLeft() > 0 && table.FirstEmptyColumn() < 0;
}

void GenerateMoves(const TSolverTable& table, std::vector<TScoredMove>& moves) {
  for (int from = 0; from < SolverColumns; ++from) {
    const TSolverColumn& source = table.Column[static_cast<size_t>(from)];
    if (source.Empty())
      continue;
    if (IsFullSuitOnTop(source))
      moves.push_back({{TMoveKind::Home, static_cast<uint8_t>(from), 0, 0}, HomeScore, false});
    AddRunMoves(table, from, moves);
  }
  if (CanDeal(table))
    moves.push_back({{TMoveKind::Deal, 0, 0, 0}, DealScore, false});
}

bool IsLegalMove(const TSolverTable& table, const TSolverMove& move) {
  if (move.From >= SolverColumns || move.To >= SolverColumns)
    return false;
  const TSolverColumn& source = table.Column[move.From];
  switch (move.Kind) {
    case TMoveKind::Deal:
      return CanDeal(table);
    case TMoveKind::Home:
      return !source.Empty() && IsFullSuitOnTop(source);
    case TMoveKind::Run: {
      const TSolverColumn& dest = table.Column[move.To];
      if (move.From == move.To || source.Empty() || move.Row < source.RunStart() ||
          move.Row >= source.Count)
        return false;
      return dest.Empty() || Follows(source.At(move.Row), dest.Top());
    }
  }
  return false;
}
