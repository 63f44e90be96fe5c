#pragma once

#include <cstdint>
#include <vector>

#include "solver/SolverTable.h"

// A table packed into bytes for the search's store: the deal position, the
// suits home, then each column's count, face-down count and cards. The stock
// itself is not stored; it is the same for every table of one search.
void AppendTable(const TSolverTable& table, std::vector<uint8_t>& bytes);
// Unpacks the table at `bytes` into `table`, whose stock stays.
void ReadTable(const uint8_t* bytes, TSolverTable& table);
