#pragma once

#include <array>

#include "solver/SolverTable.h"

// How close the table looks to a win, higher better: suits home, cards
// turned up, empty columns, columns with no card face down and cards lying on
// a card of their suit one rank higher; less for every card on one that is
// not one rank higher.
int Evaluate(const TSolverTable& table);
// The same from the scores of the columns, for a search that keeps them.
int Evaluate(const TSolverTable& table, const std::array<int, SolverColumns>& columnScores);
int ColumnScore(const TSolverColumn& column);
