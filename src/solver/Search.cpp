#include "solver/Search.h"

#include <algorithm>
#include <memory>

#include "solver/MoveGenerator.h"
#include "solver/SearchBudget.h"
#include "solver/SeenStates.h"
#include "solver/StageSearch.h"

namespace {

// How wide and deep each round of the search looks: the tables to go on from
// after each row deal, and the tables each stage may take from its queue.
// Each round doubles both, until the budget is spent or a round searched
// everything. A wide beam of short stages wins more deals than a narrow one
// of long stages: it compares more ways to reach each deal.
constexpr size_t FirstBeamWidth = 32;
constexpr size_t MostBeamWidth = 1024;
constexpr int64_t FirstStageTables = 125;
constexpr int64_t MostStageTables = int64_t{1} << 20;
// The last stage, with the stock empty, may look at this many times more.
constexpr int64_t LastStageFactor = 4;
// From this round on the search also tries the moves it takes for shuffles,
// so that a search of a small table can end in a proof of a loss.
constexpr int ShufflesFromRound = 2;

// A table a stage starts from, with the line that leads to it.
struct TBeamTable {
  int32_t Score = 0;
  TSolverTable Table;
  std::vector<TSolverMove> Line;
};

// Searches stage by stage between the row deals, a beam at a time: each
// table of the beam is searched up to its next deal, and the best tables
// after that deal, whichever table they came from, make the next beam.
class TBeamSearch {
 public:
  TBeamSearch(const TSolverTable& table, const TSolveLimits& limits, std::stop_token stop)
      : FStart(table), FLimits(limits), FBudget(limits.Time, limits.MaxNodes, std::move(stop)) {}

  TSolveResult Run();

 private:
  bool SearchRound();
  // Searches the stage from each table of `beam`; true on a win. Otherwise
  // `next` holds the best tables after the next deal.
  bool SearchBeam(const std::vector<TBeamTable>& beam, std::vector<TBeamTable>& next);
  void Keep(TStageSearch& stage, const TBeamTable& from, std::vector<TBeamTable>& next);
  // Keeps the best beam's width of `next`.
  void Trim(std::vector<TBeamTable>& next);
  TSolveResult Result(TSolveStatus status) const { return {status, {}, FBudget.Tables()}; }

  TSolverTable FStart;
  TSolveLimits FLimits;
  TSearchBudget FBudget;
  std::unique_ptr<TSeenStates> FSeen;
  std::vector<TSolverMove> FWinLine;
  int64_t FStageTables = FirstStageTables;
  size_t FWidth = FirstBeamWidth;
  // Once the next beam is full, a table must score above its lowest to join.
  bool FBeamFull = false;
  int32_t FLowestInBeam = 0;
  int FRound = 0;
  bool FCut = false;
  bool FGrowable = false;  // a round with higher limits would search more
};

TSolveResult TBeamSearch::Run() {
  if (FStart.Won())
    return Result(TSolveStatus::Won);
  for (;;) {
    if (SearchRound()) {
      TSolveResult result = Result(TSolveStatus::Won);
      result.Line = FWinLine;
      return result;
    }
    if (FBudget.Spent())
      return Result(TSolveStatus::Unknown);
    if (!FCut)
      return Result(TSolveStatus::Lost);
    if (!FGrowable && FRound >= ShufflesFromRound)
      return Result(TSolveStatus::Unknown);
    FStageTables = std::min(FStageTables * 2, MostStageTables);
    FWidth = std::min(FWidth * 2, MostBeamWidth);
    ++FRound;
  }
}

bool TBeamSearch::SearchRound() {
  FSeen = std::make_unique<TSeenStates>(FLimits.MemoryBytes / 4);
  FSeen->Insert(TableHash(FStart));
  FCut = FGrowable = false;
  std::vector<TBeamTable> beam{{0, FStart, {}}};
  while (!beam.empty() && !FBudget.Spent()) {
    std::vector<TBeamTable> next;
    if (SearchBeam(beam, next))
      return true;
    beam = std::move(next);
  }
  return false;
}

bool TBeamSearch::SearchBeam(const std::vector<TBeamTable>& beam, std::vector<TBeamTable>& next) {
  FBeamFull = false;
  // One stage at a time: it may have half the memory; the seen tables have
  // a quarter, the beams a little.
  const size_t bytes = FLimits.MemoryBytes / 2;
  for (const TBeamTable& from : beam) {
    if (FBudget.Spent())
      return false;
    const bool last = from.Table.StockLeft() == 0;
    const TStageSearch::TLimits limits{FStageTables * (last ? LastStageFactor : 1), bytes,
                                       FLimits.MaxLineLength, FRound >= ShufflesFromRound};
    TStageSearch stage(from.Table, static_cast<int>(from.Line.size()), limits, *FSeen, FBudget);
    if (stage.Run()) {
      FWinLine = from.Line;
      FWinLine.insert(FWinLine.end(), stage.WinLine().begin(), stage.WinLine().end());
      return true;
    }
    FCut |= stage.Cut();
    FGrowable |= stage.Capped();
    Keep(stage, from, next);
    // Trimmed as it grows, so that it holds at most three beams' worth.
    if (next.size() > 2 * FWidth)
      Trim(next);
  }
  Trim(next);
  return false;
}

void TBeamSearch::Trim(std::vector<TBeamTable>& next) {
  std::stable_sort(next.begin(), next.end(),
                   [](const TBeamTable& a, const TBeamTable& b) { return a.Score > b.Score; });
  if (next.size() > FWidth) {
    FCut = FGrowable = true;
    next.resize(FWidth);
  }
  FBeamFull = next.size() == FWidth;
  FLowestInBeam = next.empty() ? 0 : next.back().Score;
}

// Adds the stage's best tables after a deal to `next`, at most a beam's
// width, and none that would not make the beam.
void TBeamSearch::Keep(TStageSearch& stage, const TBeamTable& from, std::vector<TBeamTable>& next) {
  const TSolverMove deal{TMoveKind::Deal, 0, 0, 0};
  size_t kept = 0;
  size_t i = 0;
  for (; i < stage.Candidates() && kept < FWidth; ++i) {
    const int32_t score = stage.CandidateScore(i);
    if (FBeamFull && score <= FLowestInBeam)
      break;
    TSolverTable table = stage.CandidateTable(i);
    ApplyMove(table, deal);
    const TSeenStates::TInsert seen = FSeen->Insert(TableHash(table));
    FCut |= seen == TSeenStates::TInsert::Full;
    if (seen == TSeenStates::TInsert::Present)
      continue;
    TBeamTable& dealt = next.emplace_back(TBeamTable{score, std::move(table), from.Line});
    const std::vector<TSolverMove> toDeal = stage.CandidateLine(i);
    dealt.Line.insert(dealt.Line.end(), toDeal.begin(), toDeal.end());
    dealt.Line.push_back(deal);
    ++kept;
  }
  if (i < stage.Candidates())
    FCut = FGrowable = true;
}

}  // namespace

TSolveResult Solve(const TSolverTable& table, const TSolveLimits& limits, std::stop_token stop) {
  return TBeamSearch(table, limits, std::move(stop)).Run();
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
