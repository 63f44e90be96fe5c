#include "EngineFixture.h"

namespace {

using AutoMoveTest = EngineTest;

TEST_F(AutoMoveTest, AWholeSuitGoesToTheFirstEmptyHome) {
  Arrange({"5D KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}, {"H", "C"});
  Engine.AutoMove(0);
  EXPECT_EQ(Engine.Table.HomeSlot(2, 12)->Name, "KS");
  EXPECT_EQ(ColumnNames(0), QStringList{"5D"});
}

TEST_F(AutoMoveTest, SameSuitBeatsALowerColumn) {
  Arrange({"9C 8C", "", "10H", "", "", "10C"});
  EXPECT_EQ(Engine.RunStart(0), std::make_pair(0, 1));
  Engine.AutoMove(0);
  EXPECT_EQ(ColumnNames(5), (QStringList{"10C", "9C", "8C"}));
}

TEST_F(AutoMoveTest, OtherwiseTheLowestColumnOneRankHigherWins) {
  Arrange({"JS 9C 8C", "4H", "10H", "", "", "", "", "10D"});
  EXPECT_EQ(Engine.RunStart(0), std::make_pair(1, 2));
  Engine.AutoMove(0);
  EXPECT_EQ(ColumnNames(2), (QStringList{"10H", "9C", "8C"}));
}

TEST_F(AutoMoveTest, WithNoCardTheRunGoesIntoAnEmptyColumn) {
  Arrange({"9C 8C", "4H", "", "2S"});
  Engine.AutoMove(0);
  EXPECT_EQ(ColumnNames(2), (QStringList{"9C", "8C"}));
}

TEST_F(AutoMoveTest, AKingWithNowhereToGoIsRefused) {
  Arrange({"2H KC", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "JS"});
  Engine.AutoMove(0);
  EXPECT_EQ(Error(), "No where to move King of Clubs");
  EXPECT_EQ(ColumnNames(0), (QStringList{"2H", "KC"}));
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_EQ(Engine.UndoIndex, 0);
}

TEST_F(AutoMoveTest, AnAceGoesOnATwoAndAnEmptyColumnDoesNothing) {
  Arrange({"AD", "", "AH 2S"});
  EXPECT_EQ(Engine.FindAnyTarget(0, *At(0, 0)), 2);
  EXPECT_EQ(Engine.FindSameSuitTarget(0, *At(0, 0)), -1);
  Engine.AutoMove(1);
  EXPECT_EQ(Error(), "");
  EXPECT_EQ(Engine.RunStart(2), std::make_pair(1, 1));  // an Ace under a Two breaks the run
}

TEST_F(AutoMoveTest, TheRunStopsAtAFaceDownCard) {
  Arrange({"-9C 8C 7C"});
  EXPECT_EQ(Engine.RunStart(0), std::make_pair(1, 2));
}

}  // namespace
