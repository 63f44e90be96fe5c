#include "solver/StageSearch.h"

#include <algorithm>

#include "solver/Evaluation.h"
#include "solver/StateCodec.h"

TStageSearch::TStageSearch(const TSolverTable& start, int startDepth, const TLimits& limits,
                           TSeenStates& seen, TSearchBudget& budget)
    : FWork(start), FStartDepth(startDepth), FLimits(limits), FSeen(seen), FBudget(budget) {}

uint32_t TStageSearch::Store(uint32_t parent, const TSolverMove& move) {
  FNodes.push_back({FStore.size(), parent, move});
  FDepths.push_back(FDepths.empty() ? static_cast<uint16_t>(FStartDepth)
                                    : static_cast<uint16_t>(FDepths[parent] + 1));
  AppendTable(FWork, FStore);
  const auto node = static_cast<uint32_t>(FNodes.size() - 1);
  if (CanDeal(FWork)) {
    // Judged by the table after the deal: the stock's cards are known.
    const TMoveRecord deal = ApplyMove(FWork, {TMoveKind::Deal, 0, 0, 0});
    FCandidates.push_back({Evaluate(FWork), node});
    UndoMove(FWork, deal);
  }
  return node;
}

size_t TStageSearch::BytesInUse() const {
  return FStore.capacity() + FNodes.capacity() * sizeof(TNode) +
         FDepths.capacity() * sizeof(uint16_t) + FQueue.size() * sizeof(TWaiting) * 2 +
         FCandidates.capacity() * sizeof(TCandidate);
}

bool TStageSearch::Expand(uint32_t node) {
  FCache.Refresh(FWork);
  FMoves.clear();
  GenerateMoves(FWork, FMoves);
  const bool tooLong = FDepths[node] + 1 > FLimits.MaxLineLength;
  for (const TScoredMove& next : FMoves) {
    if (next.Move.Kind == TMoveKind::Deal)
      continue;
    if ((next.Shuffle && !FLimits.Shuffles) || tooLong) {
      FCut = true;
      continue;
    }
    const TMoveRecord record = ApplyMove(FWork, next.Move);
    if (FWork.Won()) {
      FWinLine = LineTo(node);
      FWinLine.push_back(next.Move);
      return true;
    }
    TColumnCache after = FCache;
    after.Refresh(FWork, next.Move);
    const TSeenStates::TInsert seen = FSeen.Insert(after.Hash(FWork));
    // With the seen tables full, a table is searched again rather than lost.
    if (seen != TSeenStates::TInsert::Present)
      FQueue.push({after.Score(FWork), ++FOrder, node, next.Move});
    FCut |= seen == TSeenStates::TInsert::Full;
    UndoMove(FWork, record);
  }
  return false;
}

bool TStageSearch::Run() {
  const uint32_t root = Store(0, {});
  if (Expand(root))
    return true;
  for (int64_t taken = 0; !FQueue.empty(); ++taken) {
    FCapped = taken >= FLimits.Tables || BytesInUse() > FLimits.Bytes;
    if (FCapped || FBudget.Take()) {
      FCut = true;
      break;
    }
    const TWaiting next = FQueue.top();
    FQueue.pop();
    ReadTable(&FStore[FNodes[next.Parent].Offset], FWork);
    ApplyMove(FWork, next.Move);
    if (Expand(Store(next.Parent, next.Move)))
      return true;
  }
  std::stable_sort(FCandidates.begin(), FCandidates.end(),
                   [](const TCandidate& a, const TCandidate& b) { return a.Score > b.Score; });
  return false;
}

std::vector<TSolverMove> TStageSearch::LineTo(uint32_t node) const {
  std::vector<TSolverMove> line;
  for (uint32_t n = node; n != 0; n = FNodes[n].Parent)
    line.push_back(FNodes[n].Move);
  std::reverse(line.begin(), line.end());
  return line;
}

std::vector<TSolverMove> TStageSearch::CandidateLine(size_t i) const {
  return LineTo(FCandidates[i].Node);
}

TSolverTable TStageSearch::CandidateTable(size_t i) {
  ReadTable(&FStore[FNodes[FCandidates[i].Node].Offset], FWork);
  return FWork;
}
