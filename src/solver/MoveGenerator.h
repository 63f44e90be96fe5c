#pragma once

#include <vector>

#include "solver/SolverTable.h"

// A legal move with the search's opinion of it: a score for the order of
// trial (higher first), and whether it only shifts a run from one parent to
// another without a gain or only changes the order of the columns (a
// shuffle, which the search leaves out at first).
struct TScoredMove {
  TSolverMove Move;
  int Score = 0;
  bool Shuffle = false;
};

// Appends every legal move of the table to `moves`, except those that give a
// table the search counts as the same: once the stock is empty, a whole
// column into an empty one and a run into any empty column but the first.
void GenerateMoves(const TSolverTable& table, std::vector<TScoredMove>& moves);

// Whether the move may be made on the table by the game's rules.
bool IsLegalMove(const TSolverTable& table, const TSolverMove& move);

bool CanDeal(const TSolverTable& table);
