// What the engine tells the statistics: each game once, when it is won or
// when it is left after a step, with its suits, score and time.
#include <functional>

#include "game/EngineFixture.h"

using GameResultsTest = EngineTest;

TEST_F(GameResultsTest, AWinCountsOnceWithItsScoreAndTime) {
  Engine.NewGame();
  Arrange({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}, {"H", "H", "D", "D", "C", "C", "S"});
  Engine.SuitStreak = 4;
  Host.ElapsedSeconds = 125.5;
  Move(PointOn(0, 0), HomeCentre(7));
  // The score holds the bonus of the suits sent home in a row.
  ASSERT_EQ(Host.Results.size(), 1u);
  EXPECT_TRUE(Host.Results[0].Won && Host.Results[0].Score == 994 &&
              Host.Results[0].Seconds == 125.5);
  EXPECT_FALSE(Engine.UndoMove());  // nothing after the win counts it again
  Engine.CountLeftGame();
  Engine.NewGame();
  EXPECT_EQ(Host.Results.size(), 1u);
}

TEST_F(GameResultsTest, AGameLeftAfterAStepCountsOnceByItsSuits) {
  Engine.NewGame();
  const std::string fresh = Engine.SaveGameDocument();
  const std::vector<std::pair<const char*, std::function<void()>>> waysOut = {
      {"new game", [this] { Engine.NewGame(); }},
      {"replay", [this] { Engine.ReplayGame(); }},
      {"load", [this, &fresh] { Engine.LoadGameDocument(fresh.data(), fresh.size()); }},
      {"exit", [this] { Engine.CountLeftGame(); }}};
  for (const auto& [name, leave] : waysOut) {
    SCOPED_TRACE(name);
    for (const bool step : {false, true}) {
      Engine.NextSuits = 2;
      Engine.NewGame();
      Engine.NextSuits = 1;
      if (step) {  // taken back, it still makes the game one played
        Engine.DealRow();
        ASSERT_TRUE(Engine.UndoMove());
      }
      Host.Results.clear();
      leave();
      Engine.CountLeftGame();
      ASSERT_EQ(Host.Results.size(), step ? 1u : 0u);
      EXPECT_TRUE(!step || (!Host.Results[0].Won && Host.Results[0].Suits == 2));
    }
  }
}

TEST_F(GameResultsTest, ALoadedGameCountsWhenPlayedBeforeOrSinceAndAFailedLoadNever) {
  Engine.NewGame();
  const std::string untouched = Engine.SaveGameDocument();
  Engine.DealRow();
  const std::string played = Engine.SaveGameDocument();
  const auto loadAndLeave = [this](const std::string& document, bool step) {
    Engine.LoadGameDocument(document.data(), document.size());
    Host.Results.clear();
    if (step)
      Engine.DealRow();
    Engine.CountLeftGame();
    return Host.Results.size();
  };
  EXPECT_EQ(loadAndLeave(untouched, false), 0u);
  EXPECT_EQ(loadAndLeave(untouched, true), 1u);
  EXPECT_EQ(loadAndLeave(played, false), 1u);
  Engine.LoadGameDocument(played.data(), played.size());
  Host.Results.clear();
  EXPECT_ANY_THROW(Engine.LoadGameDocument("<Sorvane32XML>", 14));
  EXPECT_TRUE(Host.Results.empty());
}
