#pragma once

#include <cstddef>
#include <cstdint>
#include <queue>
#include <vector>

#include "solver/ColumnCache.h"
#include "solver/MoveGenerator.h"
#include "solver/SearchBudget.h"
#include "solver/SeenStates.h"
#include "solver/SolverTable.h"

// One stage of the game: the tables reachable from a start without a row
// deal, searched best first by their evaluation up to a number of tables.
// It ends with a win, or with the tables it found from which a row may be
// dealt, best first by how they look after the deal.
class TStageSearch {
 public:
  struct TLimits {
    int64_t Tables = 0;  // tables to take from the queue at most
    size_t Bytes = 0;    // for the tables kept
    int MaxLineLength = 0;
    bool Shuffles = false;  // try the moves taken for shuffles too
  };

  TStageSearch(const TSolverTable& start, int startDepth, const TLimits& limits, TSeenStates& seen,
               TSearchBudget& budget);

  // True when a line wins; WinLine() holds it.
  bool Run();
  const std::vector<TSolverMove>& WinLine() const { return FWinLine; }
  // Tables to deal from, best first: their lines from the start and the
  // tables themselves (the stock's cards as in the start).
  size_t Candidates() const { return FCandidates.size(); }
  std::vector<TSolverMove> CandidateLine(size_t i) const;
  int32_t CandidateScore(size_t i) const { return FCandidates[i].Score; }
  TSolverTable CandidateTable(size_t i);
  // True when the stage was not searched to the end: a limit, a left-out
  // shuffle, a full table of seen states or the spent budget.
  bool Cut() const { return FCut; }
  // True when the stage stopped at its limit of tables or bytes.
  bool Capped() const { return FCapped; }

 private:
  struct TNode {
    uint64_t Offset = 0;
    uint32_t Parent = 0;
    TSolverMove Move;
  };
  struct TWaiting {
    int32_t Score = 0;
    uint32_t Order = 0;  // later first among equal scores
    uint32_t Parent = 0;
    TSolverMove Move;
    bool operator<(const TWaiting& other) const {
      return Score != other.Score ? Score < other.Score : Order < other.Order;
    }
  };

  uint32_t Store(uint32_t parent, const TSolverMove& move);
  bool Expand(uint32_t node);
  std::vector<TSolverMove> LineTo(uint32_t node) const;
  size_t BytesInUse() const;

  TSolverTable FWork;
  TColumnCache FCache;  // of FWork as Expand found it
  int FStartDepth;
  TLimits FLimits;
  TSeenStates& FSeen;
  TSearchBudget& FBudget;
  std::vector<uint8_t> FStore;
  std::vector<TNode> FNodes;
  std::vector<uint16_t> FDepths;
  std::priority_queue<TWaiting> FQueue;
  std::vector<TScoredMove> FMoves;
  struct TCandidate {
    int32_t Score = 0;
    uint32_t Node = 0;
  };
  std::vector<TCandidate> FCandidates;
  std::vector<TSolverMove> FWinLine;
  uint32_t FOrder = 0;
  bool FCut = false;
  bool FCapped = false;
};
