#include "solver/Evaluation.h"

namespace {

constexpr int HomeWeight = 1000;
constexpr int DownWeight = 100;
constexpr int EmptyWeight = 200;
constexpr int SameSuitWeight = 80;
constexpr int BreakWeight = 30;

int ColumnScore(const TSolverColumn& column) {
  if (column.Empty())
    return EmptyWeight;
  int score = -DownWeight * column.Down;
  for (int r = column.Down + 1; r < column.Count; ++r) {
    const TSolverCard lower = column.At(r - 1);
    const TSolverCard upper = column.At(r);
    // A card on one rank higher of another suit counts neither way.
    if (CardRank(lower) != CardRank(upper) + 1)
      score -= BreakWeight;
    else if (CardSuit(lower) == CardSuit(upper))
      score += SameSuitWeight;
  }
  return score;
}

}  // namespace

int Evaluate(const TSolverTable& table) {
  int score = HomeWeight * table.SuitsHome;
  for (const TSolverColumn& column : table.Column)
    score += ColumnScore(column);
  return score;
}
