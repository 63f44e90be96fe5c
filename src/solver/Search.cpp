#include "solver/Search.h"

#include <algorithm>
#include <memory>

#include "solver/MoveGenerator.h"
#include "solver/SearchBudget.h"
#include "solver/SeenStates.h"
#include "solver/StageSearch.h"

namespace {

// How much each round of the search may look at: tables per stage and
// tables to deal from per stage. Each round doubles the first and adds to the
// second, until the budget is spent or a round searched everything.
constexpr int64_t FirstStageTables = 3000;
constexpr int64_t MostStageTables = int64_t{1} << 22;
constexpr size_t FirstDealChoices = 3;
constexpr size_t MoreDealChoices = 2;
// The last stage, with the stock empty, may look at this many times more.
constexpr int64_t LastStageFactor = 4;
// From this round on the search also tries the moves it takes for shuffles,
// so that a search of a small table can end in a proof of a loss.
constexpr int ShufflesFromRound = 2;

// Searches stage by stage: in each, the tables reachable without a deal,
// best first; then a row deal from the best of them, and the next stage,
// trying the next best table to deal from when a later stage finds no win.
class TStagedSearch {
 public:
  TStagedSearch(const TSolverTable& table, const TSolveLimits& limits, std::stop_token stop)
      : FStart(table), FLimits(limits), FBudget(limits.Time, limits.MaxNodes, std::move(stop)) {}

  TSolveResult Run();

 private:
  // `choices`: how far down the lists of tables to deal from the stages
  // still to come may go, all together.
  bool SearchStage(const TSolverTable& table, size_t choices);
  TSolveResult Result(TSolveStatus status) const { return {status, {}, FBudget.Tables()}; }

  TSolverTable FStart;
  TSolveLimits FLimits;
  TSearchBudget FBudget;
  std::unique_ptr<TSeenStates> FSeen;
  std::vector<TSolverMove> FLine;
  int64_t FStageTables = FirstStageTables;
  size_t FDealChoices = FirstDealChoices;
  int FRound = 0;
  bool FCut = false;
  bool FGrowable = false;  // a round with higher limits would search more
};

TSolveResult TStagedSearch::Run() {
  if (FStart.Won())
    return Result(TSolveStatus::Won);
  for (;;) {
    FSeen = std::make_unique<TSeenStates>(FLimits.MemoryBytes / 4);
    FSeen->Insert(TableHash(FStart));
    FCut = FGrowable = false;
    FLine.clear();
    if (SearchStage(FStart, FDealChoices)) {
      TSolveResult result = Result(TSolveStatus::Won);
      result.Line = FLine;
      return result;
    }
    if (FBudget.Spent())
      return Result(TSolveStatus::Unknown);
    if (!FCut)
      return Result(TSolveStatus::Lost);
    if (!FGrowable && FRound >= ShufflesFromRound)
      return Result(TSolveStatus::Unknown);
    FStageTables = std::min(FStageTables * 2, MostStageTables);
    FDealChoices += MoreDealChoices;
    ++FRound;
  }
}

bool TStagedSearch::SearchStage(const TSolverTable& table, size_t choices) {
  const bool last = table.StockLeft() == 0;
  // The stages still open share what is left of the memory after the seen tables.
  const size_t bytes = FLimits.MemoryBytes / 2 / (table.StockLeft() / SolverColumns + 1) / 2;
  const TStageSearch::TLimits limits{FStageTables * (last ? LastStageFactor : 1), bytes,
                                     FLimits.MaxLineLength, FRound >= ShufflesFromRound};
  TStageSearch stage(table, static_cast<int>(FLine.size()), limits, *FSeen, FBudget);
  if (stage.Run()) {
    const auto& win = stage.WinLine();
    FLine.insert(FLine.end(), win.begin(), win.end());
    return true;
  }
  FCut |= stage.Cut() || stage.Candidates() > choices + 1;
  FGrowable |= stage.Capped() || stage.Candidates() > choices + 1;
  const size_t tries = std::min(stage.Candidates(), choices + 1);
  for (size_t i = 0; i < tries && !FBudget.Spent(); ++i) {
    TSolverTable next = stage.CandidateTable(i);
    const TSolverMove deal{TMoveKind::Deal, 0, 0, 0};
    ApplyMove(next, deal);
    const TSeenStates::TInsert seen = FSeen->Insert(TableHash(next));
    FCut |= seen == TSeenStates::TInsert::Full;
    if (seen != TSeenStates::TInsert::Added)
      continue;
    const size_t before = FLine.size();
    const std::vector<TSolverMove> toDeal = stage.CandidateLine(i);
    FLine.insert(FLine.end(), toDeal.begin(), toDeal.end());
    FLine.push_back(deal);
    if (SearchStage(next, choices - i))
      return true;
    FLine.resize(before);
  }
  return false;
}

}  // namespace

TSolveResult Solve(const TSolverTable& table, const TSolveLimits& limits, std::stop_token stop) {
  return TStagedSearch(table, limits, std::move(stop)).Run();
}

std::optional<TSolverMove> BestMove(const TSolverTable& table) {
  std::vector<TScoredMove> moves;
  GenerateMoves(table, moves);
  // A whole column into an empty one only changes the order of the columns.
  std::erase_if(moves, [&table](const TScoredMove& m) {
    return m.Move.Kind == TMoveKind::Run && m.Move.Row == 0 && table.Column[m.Move.To].Empty();
  });
  const auto rank = [](const TScoredMove& m) { return m.Score - (m.Shuffle ? 100000 : 0); };
  const auto best = std::max_element(
      moves.begin(), moves.end(), [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
  if (best == moves.end())
    return std::nullopt;
  return best->Move;
}
