#pragma once

#include "solver/SolverTable.h"

// How close the table looks to a win, higher better: suits home, cards
// turned up, empty columns and cards lying on a card of their suit one rank
// higher; less for every card on one that is not one rank higher.
int Evaluate(const TSolverTable& table);
