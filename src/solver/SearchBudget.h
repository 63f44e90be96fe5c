#pragma once

#include <chrono>
#include <cstdint>
#include <stop_token>

// The time, the count of tables and the stop token one search shares among
// its parts.
class TSearchBudget {
 public:
  TSearchBudget(std::chrono::milliseconds time, int64_t maxTables, std::stop_token stop)
      : FDeadline(std::chrono::steady_clock::now() + time),
        FMaxTables(maxTables),
        FStop(std::move(stop)) {}

  // Counts one table taken from a queue; true once the budget is spent. The
  // clock and the token are read every few tables, well within a millisecond.
  bool Take() {
    ++FTables;
    if (FTables % 64 == 0 && !FSpent)
      FSpent = FStop.stop_requested() || std::chrono::steady_clock::now() >= FDeadline;
    FSpent |= FMaxTables > 0 && FTables >= FMaxTables;
    return FSpent;
  }
  bool Spent() const { return FSpent; }
  int64_t Tables() const { return FTables; }

 private:
  std::chrono::steady_clock::time_point FDeadline;
  int64_t FMaxTables;
  std::stop_token FStop;
  int64_t FTables = 0;
  bool FSpent = false;
};
