// What the engine tells the statistics: each game once, when it is won or
// when it is left after a step, with its suits, score and time.
#include <functional>

#include "game/EngineFixture.h"

namespace {

class GameResultsTest : public EngineTest {
 protected:
  // A dealt game whose next move, 1S home, wins it.
  void DealNearlyWonGame() {
    Engine.NewGame();
    Arrange({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}, {"H", "H", "D", "D", "C", "C", "S"});
  }
  void Load(const std::string& document) {
    Engine.LoadGameDocument(document.data(), document.size());
  }
};

struct TWayOut {
  const char* Name;
  std::function<void()> Leave;
};

}  // namespace

TEST_F(GameResultsTest, AWinCountsOnceWithItsScoreAndTime) {
  DealNearlyWonGame();
  Engine.SuitStreak = 4;
  Host.ElapsedSeconds = 125.5;
  Move(PointOn(0, 0), HomeCentre(7));
  ASSERT_EQ(Host.Results.size(), 1u);
  const TGameResult won = Host.Results[0];
  EXPECT_TRUE(won.Won);
  EXPECT_EQ(won.Suits, 4);
  EXPECT_EQ(won.Score, 990 + 4);  // with the bonus of the suits in a row
  EXPECT_EQ(won.Seconds, 125.5);
  // Nothing after the win counts it again: undo, redo, leaving it.
  EXPECT_FALSE(Engine.UndoMove());
  EXPECT_FALSE(Engine.RedoMove());
  Engine.CountLeftGame();
  Engine.NewGame();
  EXPECT_EQ(Host.Results.size(), 1u);
}

TEST_F(GameResultsTest, AGameLeftAfterAStepCountsOnceAndOnlyThen) {
  Engine.NewGame();
  const std::string fresh = Engine.SaveGameDocument();
  const std::vector<TWayOut> ways = {
      {"new game", [this] { Engine.NewGame(); }},
      {"replay", [this] { Engine.ReplayGame(); }},
      {"numbered deal", [this] { Engine.DealNumberedGame(7); }},
      {"load", [this, &fresh] { Load(fresh); }},
      {"exit", [this] { Engine.CountLeftGame(); }},
  };
  for (const TWayOut& way : ways) {
    SCOPED_TRACE(way.Name);
    // Left without a step: not counted.
    Engine.NextSuits = 2;
    Engine.NewGame();
    Engine.NextSuits = 1;
    Host.Results.clear();
    way.Leave();
    EXPECT_TRUE(Host.Results.empty());
    // A step, even one taken back, makes it a game played, counted once by
    // its own suits.
    Engine.NextSuits = 2;
    Engine.NewGame();
    Engine.NextSuits = 1;
    Engine.DealRow();
    ASSERT_TRUE(Engine.UndoMove());
    Host.ElapsedSeconds = 42;
    Host.Results.clear();
    way.Leave();
    ASSERT_EQ(Host.Results.size(), 1u);
    EXPECT_FALSE(Host.Results[0].Won);
    EXPECT_EQ(Host.Results[0].Suits, 2);
    EXPECT_EQ(Host.Results[0].Seconds, 42);
    Engine.CountLeftGame();
    EXPECT_EQ(Host.Results.size(), 1u);
  }
}

TEST_F(GameResultsTest, ALoadedGameCountsWhenItWasPlayedBeforeOrSinceAndAFailedLoadNever) {
  Engine.NewGame();
  const std::string untouched = Engine.SaveGameDocument();
  Engine.DealRow();
  const std::string played = Engine.SaveGameDocument();
  Engine.NewGame();
  Host.Results.clear();

  Load(untouched);
  Engine.CountLeftGame();
  EXPECT_TRUE(Host.Results.empty());
  Load(untouched);
  Engine.DealRow();
  Engine.CountLeftGame();
  EXPECT_EQ(Host.Results.size(), 1u);
  Load(played);
  Engine.CountLeftGame();
  EXPECT_EQ(Host.Results.size(), 2u);

  // A file that is refused leaves the game on the table uncounted.
  Load(played);
  Engine.DealRow();
  const std::string broken = "<Sorvane32XML>";
  EXPECT_ANY_THROW(Load(broken));
  EXPECT_EQ(Host.Results.size(), 2u);
  Engine.CountLeftGame();
  EXPECT_EQ(Host.Results.size(), 3u);
}
