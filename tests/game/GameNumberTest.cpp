#include <QDir>
#include <QFile>

#include "game/SavedGameHelpers.h"

namespace {

using GameNumberTest = EngineTest;

// The columns and the stock's order: what a number must deal again.
std::string Deal(const TGameEngine& engine) {
  std::ostringstream out;
  for (int c = 0; c < Columns; ++c)
    for (int r = 0; engine.Table.Slot(c, r) != nullptr; ++r)
      out << engine.Table.Slot(c, r)->Index << (engine.Table.Slot(c, r)->FaceUp ? "u " : "d ");
  for (int32_t index : engine.Deck().Shuffler().DeckArray())
    out << index << ' ';
  return out.str();
}

TEST_F(GameNumberTest, TheSameNumberDealsTheSameTable) {
  for (const uint32_t number : {0u, 1u, 20261208u, 2147483648u, 4294967295u}) {
    Engine.DealNumberedGame(number);
    const std::string first = Deal(Engine);
    EXPECT_EQ(Engine.GameNumber, number);
    Engine.NewGame();  // a deal from the seed source in between
    EXPECT_EQ(Engine.GameNumber, 20261208u) << "the number is taken once only";
    Engine.DealNumberedGame(number);
    EXPECT_EQ(Deal(Engine), first) << number;
    Engine.DealNumberedGame(number + 1);
    EXPECT_NE(Deal(Engine), first) << number;
  }
}

TEST_F(GameNumberTest, ANewGameIsNumberedByItsSeedAndThatNumberDealsItAgain) {
  EXPECT_EQ(Engine.GameNumber, std::nullopt);
  Random.SetSeedSource([] { return 4000000000u; });
  Engine.NewGame();
  const std::string dealt = Deal(Engine);
  EXPECT_EQ(Engine.GameNumber, 4000000000u);
  Random.SetSeedSource([] { return 5u; });
  Engine.DealNumberedGame(4000000000u);
  EXPECT_EQ(Deal(Engine), dealt);
}

TEST_F(GameNumberTest, ReplayKeepsTheNumberAndALoadedGameHasNone) {
  Engine.DealNumberedGame(77);
  Engine.DealRow();
  Engine.ReplayGame();
  EXPECT_EQ(Engine.GameNumber, 77u);
  const QString file = QDir::temp().filePath(QStringLiteral("game-number-test.svgm"));
  Engine.SaveGameFile(file);
  Engine.LoadGameFile(file);
  QFile::remove(file);
  EXPECT_EQ(Engine.GameNumber, std::nullopt);
}

TEST_F(GameNumberTest, NoNumberedDealWhileBusyAndTheNumberIsNotKeptForLater) {
  Engine.NewGame();
  const std::string before = Deal(Engine);
  Engine.Dragging = true;
  Engine.DealNumberedGame(99);
  Engine.Dragging = false;
  EXPECT_EQ(Deal(Engine), before);
  Engine.NewGame();
  EXPECT_EQ(Engine.GameNumber, 20261208u);
}

}  // namespace
