#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "solver/SolverTable.h"

enum class TSolveStatus { Won, Lost, Unknown };

struct TSolveLimits {
  std::chrono::milliseconds Time{2000};
  int64_t MaxNodes = 0;  // moves tried; 0 for no limit
  size_t MemoryBytes = size_t{256} << 20;
  int MaxLineLength = 1000;
};

// Won: `Line` plays from the table to the win. Lost: no line wins, the whole
// reachable space searched. Unknown: a budget ran out, the stop token asked
// to stop, or the search left out moves and found nothing among the rest.
struct TSolveResult {
  TSolveStatus Status = TSolveStatus::Unknown;
  std::vector<TSolverMove> Line;
  int64_t Nodes = 0;
};

TSolveResult Solve(const TSolverTable& table, const TSolveLimits& limits,
                   std::stop_token stop = {});

// The move the search's order likes best, with no look ahead; none when the
// table allows no move but a whole column into an empty one.
std::optional<TSolverMove> BestMove(const TSolverTable& table);
