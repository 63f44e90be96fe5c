#include "solver/Evaluation.h"

namespace {

constexpr int HomeWeight = 1000;
constexpr int DownWeight = 100;
constexpr int EmptyWeight = 200;
// A column with no face-down card left is on its way to be empty: worth less
// than an empty one, or the search would not empty it.
constexpr int ClearWeight = 150;
constexpr int SameSuitWeight = 80;
constexpr int BreakWeight = 30;

}  // namespace

int ColumnScore(const TSolverColumn& column) {
  if (column.Empty())
    return EmptyWeight;
  int score = column.Down == 0 ? ClearWeight : -DownWeight * column.Down;
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

int Evaluate(const TSolverTable& table) {
  std::array<int, SolverColumns> columnScores{};
  for (size_t c = 0; c < table.Column.size(); ++c)
    columnScores[c] = ColumnScore(table.Column[c]);
  return Evaluate(table, columnScores);
}

int Evaluate(const TSolverTable& table, const std::array<int, SolverColumns>& columnScores) {
  int score = HomeWeight * table.SuitsHome;
  for (int columnScore : columnScores)
    score += columnScore;
  return score;
}
