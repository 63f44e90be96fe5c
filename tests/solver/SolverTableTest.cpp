#include <gtest/gtest.h>

#include "solver/ColumnCache.h"
#include "solver/MoveGenerator.h"
#include "solver/SolverTables.h"

namespace {

// Tables with every kind of move: runs that turn a card up or empty a column,
// a suit home that turns a card up, a deal of the stock given, and a random
// deal.
std::vector<TSolverTable> TablesOfEveryMove(const std::string& stock, uint32_t seed) {
  return {
      MakeTable({"-5D -9C 8H 7H", "9S", "8D", "", "QC JC"}),
      MakeTable({"-4H KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "-2D 5H", "6C", "7D", "8C", "9C",
                 "10C", "JD", "QD", "KD"},
                stock, 2),
      RandomDeal(seed),
  };
}

// Every move, taken back, leaves the table exactly as it was.
TEST(SolverTableTest, EveryMoveTakenBackRestoresTheTable) {
  for (const TSolverTable& start : TablesOfEveryMove("3C 4C 5C", 7)) {
    std::vector<TScoredMove> moves;
    GenerateMoves(start, moves);
    ASSERT_FALSE(moves.empty());
    for (const TScoredMove& m : moves) {
      TSolverTable table = start;
      const TMoveRecord record = ApplyMove(table, m.Move);
      EXPECT_FALSE(SameTable(table, start));
      UndoMove(table, record);
      EXPECT_TRUE(SameTable(table, start)) << int(m.Move.Kind) << ' ' << int(m.Move.From);
    }
  }
}

TEST(SolverTableTest, MovesTurnUpTheCardTheyUncover) {
  TSolverTable table =
      MakeTable({"-5D -9C 8H 7H", "9S", "-3C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"});
  ApplyMove(table, {TMoveKind::Run, 0, 2, 1});
  EXPECT_EQ(table.Column[0].Down, 1);
  ApplyMove(table, {TMoveKind::Home, 2, 0, 0});
  EXPECT_EQ(table.Column[2].Down, 0);
  EXPECT_EQ(table.Column[2].Count, 1);
  EXPECT_EQ(table.SuitsHome, 1);
}

// With cards left in the stock the order of the columns matters: the next
// deal puts a known card on each.
TEST(SolverTableTest, TheHashIgnoresColumnOrderOnlyOnceTheStockIsEmpty) {
  for (const std::string stock : {"", "AH 2H"}) {
    const TSolverTable table = MakeTable({"-5D 9C 8H", "9S", ""}, stock);
    TSolverTable swapped = table;
    std::swap(swapped.Column[0], swapped.Column[5]);
    EXPECT_EQ(TableHash(swapped) == TableHash(table), stock.empty()) << stock;
    EXPECT_NE(TableHash(MakeTable({"5D 9C 8H", "9S", ""}, stock)), TableHash(table));
    EXPECT_NE(TableHash(MakeTable({"-5D 9C 8H", "9S 8H", ""}, stock)), TableHash(table));
  }
  TSolverTable dealt = MakeTable({"KH"}, "AH 2H");
  const uint64_t before = TableHash(dealt);
  ++dealt.StockUsed;
  EXPECT_NE(TableHash(dealt), before);
}

}  // namespace

// The hash and score kept column by column agree with those read from the
// whole table after every kind of move: a run that turns a card up or empties
// a column, a suit home, a deal.
TEST(SolverTableTest, ColumnCacheAgreesWithTheWholeTableAfterEachMove) {
  for (const TSolverTable& start : TablesOfEveryMove("3C 4C 5C 6D 7S 8H 9D 10S JH QS", 11)) {
    TColumnCache cache;
    cache.Refresh(start);
    std::vector<TScoredMove> moves;
    GenerateMoves(start, moves);
    for (const TScoredMove& m : moves) {
      TSolverTable table = start;
      ApplyMove(table, m.Move);
      TColumnCache after = cache;
      after.Refresh(table, m.Move);
      EXPECT_EQ(after.Hash(table), TableHash(table)) << int(m.Move.Kind) << ' ' << int(m.Move.From);
      EXPECT_EQ(after.Score(table), Evaluate(table)) << int(m.Move.Kind) << ' ' << int(m.Move.From);
    }
  }
}
