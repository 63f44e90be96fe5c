#include "EngineFixture.h"
#include "cards/SoundIds.h"

namespace {

using UndoTest = EngineTest;

TEST_F(UndoTest, UndoRightAfterANewDealRestoresItAndThenStops) {
  Engine.NewGame();
  const auto dealt = AllColumns();
  Host.Sounds.clear();
  EXPECT_TRUE(Engine.UndoMove());
  EXPECT_EQ(AllColumns(), dealt);
  EXPECT_TRUE(Host.SoundsPlayed().empty());  // nothing to animate
  EXPECT_FALSE(Engine.UndoMove());
  EXPECT_EQ(AllColumns(), dealt);
  EXPECT_FALSE(Engine.Busy);
}

TEST_F(UndoTest, UndoOfARowDealReturnsTheCardsFromColumnNineToZero) {
  Engine.NewGame();
  const auto dealt = AllColumns();
  Engine.DealRow();
  std::vector<int> dealtRow;
  for (int c = 0; c < ::Columns; ++c)
    dealtRow.push_back(Engine.Table.TopCard(c)->Index);
  const QPoint stock = Engine.StockPoint;
  // Record the order in which the dealt cards reach the stock.
  std::vector<int> returned;
  Host.OnShowTable = [&] {
    for (int index : dealtRow)
      if (Engine.Deck().Card(index).Position == stock &&
          std::find(returned.begin(), returned.end(), index) == returned.end())
        returned.push_back(index);
  };
  Host.Sounds.clear();
  EXPECT_TRUE(Engine.UndoMove());
  Host.OnShowTable = nullptr;
  EXPECT_EQ(returned, std::vector<int>(dealtRow.rbegin(), dealtRow.rend()));
  EXPECT_EQ(AllColumns(), dealt);
  EXPECT_EQ(Engine.DealCount, 0);
  EXPECT_EQ(Engine.Deck().Shuffler().ShuffleIndex(), 50);
  EXPECT_EQ(Host.SoundsPlayed(), std::vector<int>{sndUndo});
  for (int index : dealtRow) {
    EXPECT_EQ(Engine.Deck().Card(index).Position, stock);
    EXPECT_FALSE(Engine.Deck().Card(index).FaceUp);
  }
  ExpectEveryCardOnce();
}

TEST_F(UndoTest, UndoOfASuitSentHomePutsItBackAndKeepsTheMoveCount) {
  Arrange({"-4D 5C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"});
  Move(PointOn(0, 2), HomeCentre(0));
  ASSERT_EQ(Engine.CardCounter, 104 - 13);
  EXPECT_EQ(Engine.MoveCount, 13);
  EXPECT_TRUE(Engine.UndoMove());
  EXPECT_EQ(Engine.CardCounter, 104);
  EXPECT_EQ(Engine.MoveCount, 13);
  EXPECT_EQ(Engine.Table.HomeSlot(0, 0), nullptr);
  EXPECT_EQ(Engine.Table.PileCount(0), 15);
  EXPECT_EQ(NameAt(0, 14), "AS");
  EXPECT_EQ(Engine.GameScore(), (44 - 1) * 10 + 9 * 15 + 2 * 12);
}

TEST_F(UndoTest, UndoOfAMoveTurnsTheUncoveredCardFaceDownAgain) {
  Arrange({"-3C -4D 5H", "6S"});
  Move(PointOn(0, 2), PointOn(1, 0));
  EXPECT_EQ(ColumnNames(0), (QStringList{"-3C", "4D"}));
  EXPECT_EQ(Engine.MoveCount, 1);
  EXPECT_TRUE(Engine.UndoMove());
  EXPECT_EQ(ColumnNames(0), (QStringList{"-3C", "-4D", "5H"}));
  EXPECT_EQ(ColumnNames(1), QStringList{"6S"});
  EXPECT_EQ(Engine.MoveCount, 1);
  EXPECT_EQ(At(0, 2)->Position, Engine.SlotPoint(0, 2));
}

TEST_F(UndoTest, AMoveThatEmptiesItsColumnTurnsNothingUp) {
  Arrange({"5H", "6S"});
  const int flipsBefore = Host.Clock().NowMs();
  Move(PointOn(0, 0), PointOn(1, 0));
  EXPECT_EQ(Engine.Table.PileCount(0), 0);
  // Only the 8-step move (9 frames of 10 ms) was waited for, no flip.
  EXPECT_EQ(Host.Clock().NowMs() - flipsBefore, 9 * 10);
}

TEST_F(UndoTest, TheRingKeeps999Steps) {
  Arrange({"5H", "6S", "6C"});
  for (int i = 0; i < 1000; ++i)
    Engine.PushUndo();
  EXPECT_EQ(Engine.UndoIndex, 0);
  EXPECT_EQ(Engine.UndoFloor, 1);
  int undone = 0;
  while (Engine.UndoMove())
    ++undone;
  EXPECT_EQ(undone, 999);
}

TEST_F(UndoTest, NoUndoAfterAWinOrWhileBusy) {
  Arrange({"5H", "6S"});
  Move(PointOn(0, 0), PointOn(1, 0));
  Engine.Busy = true;
  EXPECT_FALSE(Engine.UndoMove());
  Engine.Busy = false;
  Engine.GameState = gsWon;
  EXPECT_FALSE(Engine.UndoMove());
  EXPECT_EQ(ColumnNames(1), (QStringList{"6S", "5H"}));
}

TEST_F(UndoTest, UndoLeavesAPickedSourceInPlace) {
  Arrange({"5H", "6S", "9D"});
  Move(PointOn(0, 0), PointOn(1, 0));
  Click(PointOn(2, 0));
  EXPECT_TRUE(Engine.UndoMove());
  EXPECT_EQ(Engine.SelectStage, 1);
  EXPECT_EQ(Host.Panel(MessageDis), "Click On Destination");
}

TEST_F(UndoTest, RestoringPutsTheStockFaceDownAndKeepsTheMoveCount) {
  Engine.NewGame();
  TUndoItem start;
  Engine.SaveItem(start);
  Engine.DealRow();
  Engine.MoveCount = 12;
  for (auto& card : Engine.Deck().Cards)
    card->FaceUp = true;
  Engine.RestoreItem(start);
  EXPECT_EQ(Engine.MoveCount, 12);
  const TShuffler& shuffler = Engine.Deck().Shuffler();
  for (int i = 0; i < shuffler.ShuffleIndex(); ++i) {
    const TCard& card = Engine.Deck().Card(shuffler.DeckArray()[static_cast<size_t>(i)]);
    EXPECT_FALSE(card.FaceUp);
    EXPECT_EQ(card.Position, Engine.StockPoint);
  }
}

TEST_F(UndoTest, ADamagedSnapshotIsRefusedAndTheTableStays) {
  Engine.NewGame();
  const auto dealt = AllColumns();
  TUndoItem damaged;
  Engine.SaveItem(damaged);
  damaged.Counter = 3;
  damaged.Pile[0][0].Card = nullptr;
  damaged.DeckState.DeckArray.resize(20);
  EXPECT_THROW(Engine.RestoreItem(damaged), EDeckStateError);
  EXPECT_EQ(AllColumns(), dealt);
  EXPECT_EQ(Engine.CardCounter, 104);
}

}  // namespace
