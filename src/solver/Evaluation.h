#pragma once

#include "solver/SolverTable.h"

// How close the table looks to a win, higher better: suits home, cards
// turned up, empty columns and cards lying on a card one rank higher (more
// when of the same suit), less for every card on a wrong one.
int Evaluate(const TSolverTable& table);
