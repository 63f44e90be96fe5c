#include <gtest/gtest.h>

#include <thread>

#include "solver/MoveGenerator.h"
#include "solver/Search.h"
#include "solver/SeenStates.h"
#include "solver/SolverTables.h"

namespace {

// Plays the line on a copy of the table, each move checked by the rules.
bool LineWins(TSolverTable table, const std::vector<TSolverMove>& line) {
  for (const TSolverMove& move : line) {
    if (!IsLegalMove(table, move))
      return false;
    ApplyMove(table, move);
  }
  return table.Won();
}

TSolveLimits Generous() {
  TSolveLimits limits;
  limits.Time = std::chrono::hours(1);
  return limits;
}

TEST(SearchTest, ProvesSmallTablesWonOrLost) {
  struct TCase {
    const char* Name;
    TSolverTable Table;
    TSolveStatus Expected;
  };
  const std::vector<TCase> cases{
      {"the last Ace back on its suit, then home",
       MakeTable({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S", "AS"}, "", 7), TSolveStatus::Won},
      {"a King's run into an empty column frees its Ace",
       MakeTable({"-AS KS QS JS 10S 9S 8S 7S 6S 5S 4S", "3S 2S"}, "", 7), TSolveStatus::Won},
      {"no move at all",
       MakeTable({"-2S KH", "KD", "KC", "KS", "AD", "AC", "AS", "AH", "KH", "KD"}),
       TSolveStatus::Lost},
      {"a few moves, then stuck",
       MakeTable({"-QD 2H", "3C", "KD", "KC", "KH", "KS", "AD", "AC", "AS", "AH"}),
       TSolveStatus::Lost},
      {"a suit goes home, two odd cards stay",
       MakeTable({"-KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "-AS KS"}, "", 6),
       TSolveStatus::Lost},
  };
  for (const TCase& c : cases) {
    const TSolveResult result = Solve(c.Table, Generous());
    EXPECT_EQ(result.Status, c.Expected) << c.Name;
    if (result.Status == TSolveStatus::Won) {
      EXPECT_TRUE(LineWins(c.Table, result.Line)) << c.Name;
    }
  }
}

TEST(SearchTest, WinsADealWithALineThatPlays) {
  const TSolverTable deal = RandomDeal(9);
  TSolveLimits limits = Generous();
  limits.MaxNodes = 200000;
  const TSolveResult result = Solve(deal, limits);
  ASSERT_EQ(result.Status, TSolveStatus::Won);
  EXPECT_TRUE(LineWins(deal, result.Line));
}

TEST(SearchTest, ASpentBudgetOrAStopLeavesTheAnswerOpen) {
  TSolveLimits fewTables = Generous();
  fewTables.MaxNodes = 50;
  EXPECT_EQ(Solve(RandomDeal(3), fewTables).Status, TSolveStatus::Unknown);
  TSolveLimits shortLines = Generous();
  shortLines.MaxLineLength = 1;
  const TSolverTable twoMovesToWin =
      MakeTable({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S", "AS"}, "", 7);
  EXPECT_EQ(Solve(twoMovesToWin, shortLines).Status, TSolveStatus::Unknown);

  std::stop_source stop;
  TSolveResult result;
  std::thread search([&] { result = Solve(RandomDeal(5), Generous(), stop.get_token()); });
  stop.request_stop();
  search.join();
  EXPECT_EQ(result.Status, TSolveStatus::Unknown);
}

// The seen tables stay within their bytes: once full, a new table is
// refused, and those already in are still known.
TEST(SearchTest, TheSeenTablesStayWithinTheirBytes) {
  TSeenStates seen(4096, 1024);
  bool full = false;
  for (uint64_t hash = 1; hash <= 2000 && !full; ++hash) {
    full = seen.Insert(hash * 0x9E3779B97F4A7C15ull) == TSeenStates::TInsert::Full;
    EXPECT_LE(seen.Bytes(), 4096u);
  }
  EXPECT_TRUE(full);
  EXPECT_EQ(seen.Insert(0x9E3779B97F4A7C15ull), TSeenStates::TInsert::Present);
  // A search held to little memory stops short of a proof, never claims a loss.
  TSolveLimits little = Generous();
  little.MemoryBytes = size_t{64} << 10;
  little.MaxNodes = 20000;
  const TSolveResult result = Solve(RandomDeal(3), little);
  EXPECT_NE(result.Status, TSolveStatus::Lost);
  if (result.Status == TSolveStatus::Won) {
    EXPECT_TRUE(LineWins(RandomDeal(3), result.Line));
  }
}

TEST(SearchTest, BestMovePrefersProgressAndIsNoneWhenStuck) {
  struct TCase {
    TSolverTable Table;
    std::optional<TSolverMove> Expected;
  };
  const std::vector<TCase> cases{
      {MakeTable({"-2S KH", "KD", "KC", "KS", "AD", "AC", "AS", "AH", "KH", "KD"}), std::nullopt},
      {MakeTable({"-2S KH", "KD", "KC", "KS", "AD", "AC", "AS", "AH", "KH", "KD"}, "5C"),
       TSolverMove{TMoveKind::Deal, 0, 0, 0}},
      {MakeTable({"KH"}, "5C"), std::nullopt},
      {MakeTable({"-4D 5H", "6C", "-3C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}),
       TSolverMove{TMoveKind::Home, 2, 0, 0}},
      {MakeTable({"-4D 5H", "6C", "6H 8S", "9D"}), TSolverMove{TMoveKind::Run, 0, 1, 1}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(BestMove(c.Table), c.Expected);
}

}  // namespace
