#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "game/SavedGameHelpers.h"

namespace {

using RedoTest = EngineTest;

// The table as Describe tells it, without the move count, which undo and
// redo leave as it is.
std::string Table(const TGameEngine& engine) {
  static const QRegularExpression moves(QStringLiteral(" moves [0-9]+"));
  return QString::fromStdString(Describe(engine)).remove(moves).toStdString();
}

// A move that uncovers a card, a suit sent home and a row dealt: each undone
// in turn, then each redone, the table matches what it was at every step.
TEST_F(RedoTest, RedoAfterAChainOfUndosRetracesEveryStep) {
  Engine.NewGame();
  Arrange({"-3C -4D 5H", "6S", "-4D 5C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "7D", "8D", "9D",
           "10D", "JD", "QD", "KD"});
  std::vector<std::string> states{Table(Engine)};
  Move(PointOn(0, 2), PointOn(1, 0));
  states.push_back(Table(Engine));
  Move(PointOn(2, 2), HomeCentre(0));
  states.push_back(Table(Engine));
  Engine.DealRow();
  states.push_back(Table(Engine));
  EXPECT_FALSE(Engine.CanRedo());
  for (size_t k = states.size() - 1; k > 0; --k) {
    ASSERT_TRUE(Engine.UndoMove());
    EXPECT_EQ(Table(Engine), states[k - 1]);
  }
  EXPECT_TRUE(Host.RedoAvailable);
  for (size_t k = 1; k < states.size(); ++k) {
    Host.Sounds.clear();
    ASSERT_TRUE(Engine.RedoMove());
    EXPECT_EQ(Table(Engine), states[k]);
    EXPECT_FALSE(Host.SoundsPlayed().empty()) << "step " << k << " redone without animation";
  }
  EXPECT_FALSE(Engine.RedoMove());
  EXPECT_FALSE(Host.RedoAvailable);
  for (int c = 0; c < ::Columns; ++c)
    for (int r = 0; At(c, r) != nullptr; ++r)
      EXPECT_EQ(At(c, r)->Position, Engine.SlotPoint(c, r)) << c << ',' << r;
  // Undo still works after redo, back to the first state.
  for (size_t k = states.size() - 1; k > 0; --k)
    ASSERT_TRUE(Engine.UndoMove());
  EXPECT_EQ(Table(Engine), states[0]);
}

TEST_F(RedoTest, ANewStepEmptiesTheRedoList) {
  const QString file = QDir::temp().filePath(QStringLiteral("redo-test.svgm"));
  const std::vector<std::pair<const char*, std::function<void()>>> steps{
      {"move", [&] { Move(PointOn(2, 0), PointOn(3, 0)); }},
      {"row deal", [&] { Engine.DealRow(); }},
      {"new game", [&] { Engine.NewGame(); }},
      {"replay", [&] { Engine.ReplayGame(); }},
      {"load", [&] { Engine.LoadGameFile(file); }},
  };
  for (const auto& [name, step] : steps) {
    Engine.NewGame();
    Engine.SaveGameFile(file);  // a dealt game, as the loader takes it
    Arrange({"5H", "6S", "8C", "9H", "2D", "3D", "4D", "6D", "7D", "JD"});
    Move(PointOn(0, 0), PointOn(1, 0));
    ASSERT_TRUE(Engine.UndoMove());
    ASSERT_TRUE(Host.RedoAvailable) << name;
    step();
    EXPECT_FALSE(Engine.CanRedo()) << name;
    EXPECT_FALSE(Host.RedoAvailable) << name;
    EXPECT_FALSE(Engine.RedoMove()) << name;
  }
  QFile::remove(file);
}

TEST_F(RedoTest, RedoKeepsTheGuardsOfUndo) {
  Arrange({"5H", "6S"});
  Move(PointOn(0, 0), PointOn(1, 0));
  ASSERT_TRUE(Engine.UndoMove());
  const std::string undone = Table(Engine);
  const std::vector<std::pair<bool*, const char*>> guards{
      {&Engine.Busy, "busy"}, {&Engine.Dragging, "dragging"}, {&Host.Fireworks, "fireworks"}};
  for (const auto& [flag, name] : guards) {
    *flag = true;
    EXPECT_FALSE(Engine.RedoMove()) << name;
    *flag = false;
    EXPECT_EQ(Table(Engine), undone) << name;
  }
  EXPECT_TRUE(Engine.RedoMove());
  EXPECT_EQ(ColumnNames(1), (QStringList{"6S", "5H"}));
}

}  // namespace
