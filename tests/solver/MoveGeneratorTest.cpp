#include <gtest/gtest.h>

#include <set>

#include "solver/MoveGenerator.h"
#include "solver/SolverTables.h"

namespace {

// A move as text: "1/2>3" (run from column 1, row 2, onto column 3),
// "home 4", "deal".
std::string Text(const TSolverMove& m) {
  switch (m.Kind) {
    case TMoveKind::Run:
      return std::to_string(m.From) + "/" + std::to_string(m.Row) + ">" + std::to_string(m.To);
    case TMoveKind::Home:
      return "home " + std::to_string(m.From);
    case TMoveKind::Deal:
      break;
  }
  return "deal";
}

std::set<std::string> Moves(const TSolverTable& table) {
  std::vector<TScoredMove> moves;
  GenerateMoves(table, moves);
  std::set<std::string> texts;
  for (const TScoredMove& m : moves)
    texts.insert(Text(m.Move));
  return texts;
}

// Ten columns: the given ones, then single Aces, which take no card and go
// nowhere but into an empty column.
std::vector<std::string> Filled(std::vector<std::string> columns) {
  while (columns.size() < SolverColumns)
    columns.push_back("-KH AC");
  return columns;
}

struct TCase {
  const char* Name;
  std::vector<std::string> Columns;
  std::string Stock;
  std::set<std::string> Expected;
};

TEST(MoveGeneratorTest, OffersExactlyTheMovesTheRulesAllow) {
  const std::vector<TCase> cases{
      {"a one-suit run moves whole or from inside, onto any suit one higher",
       Filled({"-5D 9C 8H 7H", "9S", "8D"}),
       "",
       {"0/2>1", "0/3>2", "2/0>1"}},
      {"a mixed run moves only from its one-suit top",
       Filled({"-5D 8H 7S", "9H", "8C"}),
       "",
       {"0/2>2", "2/0>1"}},
      {"a face-down card is no part of a run",
       Filled({"-8S 7S", "8C", "9D"}),
       "",
       {"0/1>1", "1/0>2"}},
      {"into the first empty column only, never a whole column",
       {"-5D 9C 8H", "JS", "", "9S"},
       "",
       {"0/2>2", "0/2>3"}},
      {"no deal while a column is empty; with a stock every empty column counts",
       {"KH", "", "QS", "JD", "JD", "JD", "JD", "JD", "JD", "JD"},
       "AH AH AH",
       {"0/0>1", "2/0>0", "2/0>1", "3/0>1", "3/0>2", "4/0>1", "4/0>2", "5/0>1", "5/0>2", "6/0>1",
        "6/0>2", "7/0>1", "7/0>2", "8/0>1", "8/0>2", "9/0>1", "9/0>2"}},
      {"a deal once every column holds a card", Filled({"KH"}), "AH", {"deal"}},
      {"a whole suit goes home, or a part of it moves",
       Filled({"-2C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "3D"}),
       "",
       {"home 0", "0/12>1"}},
      {"twelve of a suit are not a whole suit",
       Filled({"-2C QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}),
       "",
       {}},
  };
  for (const TCase& c : cases) {
    const auto expected = c.Expected;
    EXPECT_EQ(Moves(MakeTable(c.Columns, c.Stock)), expected) << c.Name;
  }
}

}  // namespace
