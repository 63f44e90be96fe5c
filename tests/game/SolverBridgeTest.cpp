// The solver's view of the engine's table, and its lines played back on the
// engine by clicks.
#include "game/EngineFixture.h"
#include "game/SolverBridge.h"

namespace {

using SolverBridgeTest = EngineTest;

void PlayLine(TGameEngine& engine, const std::vector<TSolverMove>& line) {
  for (const TPlayerAction& action : LineActions(engine, line))
    PlayAction(engine, action);
}

TSolveLimits Generous() {
  TSolveLimits limits;
  limits.Time = std::chrono::hours(1);
  limits.MaxNodes = 200000;
  return limits;
}

TEST_F(SolverBridgeTest, TheSolverSeesTheFacesAndTheStockInDealOrder) {
  Engine.NewGame();
  const TSolverTable table = SolverTableOf(Engine);
  EXPECT_EQ(table.StockLeft(), 50);
  for (int c = 0; c < Columns; ++c) {
    const TSolverColumn& column = table.Column[static_cast<size_t>(c)];
    EXPECT_EQ(column.Count, c % 3 == 0 ? 6 : 5) << c;
    EXPECT_EQ(column.Down, column.Count - 1) << c;
  }
  Engine.DealRow();
  for (int c = 0; c < Columns; ++c) {
    const TCard* top = Engine.Table.TopCard(c);
    EXPECT_EQ(table.Stock[static_cast<size_t>(c)], MakeCard(top->Rank, top->Suit)) << c;
  }
  Arrange({"5H 4H", "-3S 9C"}, {"S", "H"});
  EXPECT_EQ(SolverTableOf(Engine).SuitsHome, 2);
  EXPECT_EQ(SolverTableOf(Engine).Column[1].Down, 1);
}

TEST_F(SolverBridgeTest, AWonLineWinsTheGameWhenClicked) {
  Arrange({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S", "AS"}, {"H", "D", "C", "S", "H", "D", "C"});
  TSolveResult result = Solve(SolverTableOf(Engine), Generous());
  ASSERT_EQ(result.Status, TSolveStatus::Won);
  std::vector<std::string> commands;
  for (const TPlayerAction& action : LineActions(Engine, result.Line))
    commands.push_back(action.Command());
  EXPECT_EQ(commands, (std::vector<std::string>{"pick 1 0", "to 0", "pick 0 0", "home 7"}));
  PlayLine(Engine, result.Line);
  EXPECT_EQ(Engine.GameState, gsWon);

  Random.SetSeedSource([] { return 2u; });
  Engine.NewGame();
  result = Solve(SolverTableOf(Engine), Generous());
  ASSERT_EQ(result.Status, TSolveStatus::Won);
  PlayLine(Engine, result.Line);
  EXPECT_EQ(Engine.GameState, gsWon);
  EXPECT_EQ(Engine.CardCounter, 0);
}

TEST_F(SolverBridgeTest, MovesAreNamedInThePlayersWords) {
  Arrange({"8C", "7H", "", "KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"});
  const TMoveTranslator words(Engine);
  const std::vector<std::pair<TSolverMove, QString>> cases{
      {{TMoveKind::Run, 1, 0, 0}, "Move Seven of Hearts to Eight of Clubs"},
      {{TMoveKind::Run, 1, 0, 2}, "Move Seven of Hearts to Empty Column"},
      {{TMoveKind::Home, 3, 0, 0}, "Move Spades Home"},
      {{TMoveKind::Deal, 0, 0, 0}, "Deal A Row"},
  };
  for (const auto& [move, text] : cases)
    EXPECT_EQ(words.Describe(move), text);
}

TEST_F(SolverBridgeTest, NoHintWithoutAMove) {
  Arrange({"KH"});
  EXPECT_EQ(HintMove(Engine, std::chrono::milliseconds(50)), std::nullopt);
  Arrange({"KH", "QS"});
  EXPECT_EQ(HintMove(Engine, std::chrono::milliseconds(50)),
            (TSolverMove{TMoveKind::Run, 1, 0, 0}));
}

}  // namespace
