#include "EngineFixture.h"
#include "cards/SoundIds.h"

namespace {

using MoveRulesTest = EngineTest;

TEST_F(MoveRulesTest, ARunOfOneSuitMovesOntoAnyCardOneRankHigher) {
  Arrange({"-2C 7H 6H 5H", "8S", "7C", ""});
  Move(PointOn(0, 1), PointOn(1, 0));
  EXPECT_EQ(ColumnNames(1), (QStringList{"8S", "7H", "6H", "5H"}));
  EXPECT_EQ(ColumnNames(0), QStringList{"2C"});  // uncovered and turned up
  EXPECT_EQ(Engine.MoveCount, 1);
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_EQ(Error(), "");
  EXPECT_EQ(Engine.UndoIndex, 1);
  // Picked at the Six the rest of the run goes onto any Seven.
  Move(PointOn(1, 2), PointOn(2, 0));
  EXPECT_EQ(ColumnNames(2), (QStringList{"7C", "6H", "5H"}));
  // And any run goes into an empty column.
  Move(PointOn(1, 1), PointOn(3, 0));
  EXPECT_EQ(ColumnNames(3), QStringList{"7H"});
  EXPECT_EQ(ColumnNames(1), QStringList{"8S"});
  EXPECT_EQ(Engine.MoveCount, 3);
  ExpectEveryCardOnce();
}

TEST_F(MoveRulesTest, CardsThatAreNotARunStayWithoutAWord) {
  Arrange({"7H 6C", "8S"});
  Host.Sounds.clear();
  Move(PointOn(0, 0), PointOn(1, 0));
  EXPECT_EQ(ColumnNames(0), (QStringList{"7H", "6C"}));
  EXPECT_EQ(ColumnNames(1), QStringList{"8S"});
  EXPECT_EQ(Error(), "");
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_EQ(Engine.MoveCount, 0);
  EXPECT_EQ(Engine.UndoIndex, 0);
  EXPECT_EQ(Host.SoundsPlayed(), std::vector<int>{sndPlayCard});
}

TEST_F(MoveRulesTest, AWrongRankIsRefusedWithTheCardsName) {
  Arrange({"AD", "3S", ""});
  Move(PointOn(0, 0), PointOn(1, 0));
  EXPECT_EQ(Error(), "No where to move Ace of Diamonds");
  EXPECT_EQ(Host.SoundsPlayed().back(), sndError);
  EXPECT_EQ(ColumnNames(0), QStringList{"AD"});
  EXPECT_EQ(Engine.UndoIndex, 0);
  Move(PointOn(0, 0), PointOn(2, 0));
  EXPECT_EQ(ColumnNames(2), QStringList{"AD"});
  EXPECT_EQ(Error(), "");  // a move clears the error panel
}

class FullSuitTest : public EngineTest {
 protected:
  void SetUp() override {
    Arrange({"-4D KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS",
             "9H"},
            {"H"});
  }
};

TEST_F(FullSuitTest, AWholeSuitGoesHomeWhicheverCardWasPicked) {
  // The King, the card below it, and a card inside the suit.
  for (const int picked : {2, 1, 8}) {
    SCOPED_TRACE(picked);
    Arrange({"-4D 5C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}, {"H"});
    const int moves = Engine.MoveCount;
    Move(PointOn(0, picked), HomeCentre(3));
    ASSERT_NE(Engine.Table.HomeSlot(3, 0), nullptr) << Error().toStdString();
    EXPECT_EQ(Engine.Table.HomeSlot(3, 0)->Name, "AS");
    EXPECT_EQ(Engine.Table.HomeSlot(3, 12)->Name, "KS");
    EXPECT_EQ(ColumnNames(0), (QStringList{"-4D", "5C"}));
    EXPECT_EQ(Engine.CardCounter, 104 - 26);
    EXPECT_EQ(Engine.MoveCount, moves + 13);
    EXPECT_EQ(Engine.SuitStreak, 1);
    ExpectEveryCardOnce();
  }
}

TEST_F(FullSuitTest, TwelveCardsAreNotASuit) {
  Move(PointOn(1, 0), HomeCentre(3));
  EXPECT_EQ(Error(), "You can only move a full suit to the out piles.");
  EXPECT_EQ(Engine.Table.PileCount(1), 12);
}

TEST_F(FullSuitTest, ClickingTheSourceColumnAgainSendsTheSuitToTheFirstEmptyHome) {
  Move(PointOn(0, 1), PointOn(0, 5));
  EXPECT_EQ(Engine.Table.HomeSlot(1, 12)->Name, "KS");
  EXPECT_EQ(Engine.Table.PileCount(0), 1);
}

TEST_F(FullSuitTest, AnOccupiedHomeIsRefused) {
  Move(PointOn(0, 1), HomeCentre(0));
  EXPECT_EQ(Error(), "Pocket not empty");
  EXPECT_EQ(Engine.Table.PileCount(0), 14);
  EXPECT_EQ(Engine.CardCounter, 104 - 13);
}

TEST_F(FullSuitTest, SuitHomePlaysMovetoLoopingThenOnce) {
  Host.Sounds.clear();
  Move(PointOn(0, 1), HomeCentre(3));
  ASSERT_GE(Host.Sounds.size(), 3u);
  EXPECT_EQ(Host.Sounds[1].Sound, sndMoveTo);
  EXPECT_TRUE(Host.Sounds[1].Loop);
  EXPECT_EQ(Host.Sounds[2].Sound, sndMoveTo);
  EXPECT_FALSE(Host.Sounds[2].Loop);
}

TEST_F(MoveRulesTest, SourceRefusalsSayWhy) {
  Arrange({"-9C 5D", "", "KH"}, {"S"});
  Click(HomeCentre(0));
  EXPECT_EQ(Error(), "Can't Move From Home");
  Click(PointOn(1, 0));
  EXPECT_EQ(Error(), "No cards to select: Empty Column");
  Click(Engine.SlotPoint(0, 1) + QPoint(20, Engine.Deck().CardHeight() + 5));
  EXPECT_EQ(Error(), "No card to select.");
  Click(PointOn(0, 0));
  EXPECT_EQ(Error(), "Only face-up cards can move");
  EXPECT_EQ(Engine.SelectStage, 0);
  Click(QPoint(1000, 700));
  EXPECT_EQ(Error(), "Not A Valid Card");
}

TEST_F(MoveRulesTest, AutoMoveModeAcceptsFaceDownPicksButMovesNoBrokenRun) {
  Host.AutoMove = true;
  Arrange({"-QD JD", "", "-4D KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"});
  Drag(PointOn(0, 0), PointOn(1, 0));
  EXPECT_EQ(ColumnNames(0), (QStringList{"-QD", "JD"}));
  EXPECT_EQ(Engine.Table.PileCount(1), 0);
  // A drop on a home pile still takes the full suit on top of the column.
  Drag(PointOn(2, 0), HomeCentre(0));
  EXPECT_EQ(ColumnNames(2), QStringList{"4D"});
  EXPECT_EQ(Engine.Table.HomeSlot(0, 12)->Name, "KS");
}

// A pick survives a new deal and an undo; if its slot then holds another
// card, the destination click moves nothing.
TEST_F(MoveRulesTest, APickFromBeforeANewDealOrAnUndoMovesNothing) {
  Arrange({"5H", "6S", "6C 5D"});
  Click(PointOn(0, 0));  // picks the Five of Hearts
  Engine.NewGame();
  EXPECT_EQ(Engine.SelectStage, 1);
  Click(PointOn(1, 0));
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_EQ(Engine.MoveCount, 0);

  Arrange({"5H", "6S", "6C", "5D"});
  Move(PointOn(0, 0), PointOn(1, 0));  // the Five of Hearts leaves column 0
  Move(PointOn(3, 0), PointOn(0, 0));  // the Five of Diamonds takes its place
  Click(PointOn(0, 0));                // and is picked
  ASSERT_TRUE(Engine.UndoMove());
  ASSERT_TRUE(Engine.UndoMove());
  ASSERT_EQ(NameAt(0, 0), "5H");
  Click(PointOn(2, 0));
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_EQ(ColumnNames(0), QStringList{"5H"});
  EXPECT_EQ(ColumnNames(2), QStringList{"6C"});
  ExpectEveryCardOnce();
}

}  // namespace
