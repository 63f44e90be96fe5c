#pragma once

#include <array>
#include <cstdint>

#include "solver/Evaluation.h"
#include "solver/SolverTable.h"

// The hash and the score of each column of a table, so that after a move
// only the columns it touched are read again.
class TColumnCache {
 public:
  void Refresh(const TSolverTable& table) {
    for (int c = 0; c < SolverColumns; ++c)
      Refresh(table, c);
  }
  void Refresh(const TSolverTable& table, int column) {
    const TSolverColumn& cards = table.Column[static_cast<size_t>(column)];
    FHash[static_cast<size_t>(column)] = ColumnHash(cards);
    FScore[static_cast<size_t>(column)] = ColumnScore(cards);
  }
  // The columns a move other than a deal changed.
  void Refresh(const TSolverTable& table, const TSolverMove& move) {
    if (move.Kind == TMoveKind::Deal) {
      Refresh(table);
      return;
    }
    Refresh(table, move.From);
    if (move.Kind == TMoveKind::Run)
      Refresh(table, move.To);
  }

  uint64_t Hash(const TSolverTable& table) const { return TableHash(table, FHash); }
  int Score(const TSolverTable& table) const { return Evaluate(table, FScore); }

 private:
  std::array<uint64_t, SolverColumns> FHash{};
  std::array<int, SolverColumns> FScore{};
};
