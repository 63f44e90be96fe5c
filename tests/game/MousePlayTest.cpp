#include <limits>

#include "EngineFixture.h"
#include "cards/SoundIds.h"

namespace {

using MousePlayTest = EngineTest;

TEST_F(MousePlayTest, HitTestFindsColumnsSlotsAndHomePiles) {
  Arrange({"-9C -8D 7H 6H", ""}, {"S"});
  const int w = Engine.Deck().CardWidth();
  const QPoint gap = Engine.SlotPoint(1, 0) - QPoint(2, -10);
  EXPECT_EQ(Engine.HitTest(gap.x(), gap.y()).Column, -1);
  EXPECT_EQ(Engine.HitTest(gap.x(), gap.y()).Row, -1);

  const QPoint top = Engine.SlotPoint(0, 3);
  TTablePos p = Engine.HitTest(top.x() + 5, top.y() + 80);  // lower, uncovered part
  EXPECT_EQ(p.Column, 0);
  EXPECT_EQ(p.Row, 3);
  EXPECT_EQ(p.Card, At(0, 3));
  p = Engine.HitTest(top.x() + 5, top.y() + Engine.Deck().CardHeight() + 2);  // below it
  EXPECT_EQ(p.Column, 0);
  EXPECT_EQ(p.Card, nullptr);
  p = Engine.HitTest(top.x() + w - 1, Engine.SlotPoint(0, 1).y() + 3);  // strip of a covered card
  EXPECT_EQ(p.Row, 1);
  p = Engine.HitTest(top.x() + w, top.y());  // right edge is outside
  EXPECT_EQ(p.Column, -1);

  p = Engine.HitTest(HomeCentre(0).x(), HomeCentre(0).y());
  EXPECT_EQ(p.Column, 0);
  EXPECT_EQ(p.Row, -1);
  EXPECT_EQ(p.Card->Name, "KS");
  p = Engine.HitTest(HomeCentre(5).x(), HomeCentre(5).y());
  EXPECT_EQ(p.Column, 5);
  EXPECT_EQ(p.Card, nullptr);
  p = Engine.HitTest(Engine.SlotPoint(1, 0).x() + 3, Engine.SlotPoint(1, 0).y() + 200);
  EXPECT_EQ(p.Column, 1);
  EXPECT_EQ(p.Card, nullptr);
}

TEST_F(MousePlayTest, APressInTheGapCancelsThePick) {
  Arrange({"5H", "9S"});
  Click(PointOn(0, 0));
  EXPECT_EQ(Engine.SelectStage, 1);
  EXPECT_TRUE(At(0, 0)->Highlighted);
  EXPECT_EQ(Host.Panel(MessageDis), "Click On Destination");
  const QPoint gap = Engine.SlotPoint(1, 0) - QPoint(3, -20);
  Click(gap);
  EXPECT_EQ(Error(), "Not A Valid Card");
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_FALSE(Engine.MoveDone);
  EXPECT_EQ(Host.Panel(MessageDis), "Click On Card From Pile");
  Click(PointOn(1, 0));  // a fresh pick, and the old highlight is gone
  EXPECT_FALSE(At(0, 0)->Highlighted);
  EXPECT_TRUE(At(1, 0)->Highlighted);
}

TEST_F(MousePlayTest, OnlyTheLeftAndRightButtonsPlay) {
  Arrange({"5H", "6S"});
  Engine.TableMouseDown(mbMiddle, PointOn(0, 0).x(), PointOn(0, 0).y());
  EXPECT_EQ(Engine.SelectStage, 0);
  Click(PointOn(0, 0), mbRight);
  Click(PointOn(1, 0), mbRight | mbMiddle);
  EXPECT_EQ(ColumnNames(1), (QStringList{"6S", "5H"}));
}

TEST_F(MousePlayTest, ADragStartsMovingAtTheEleventhMoveAndDropsOnTheTarget) {
  Arrange({"-3C 5H", "6S"});
  const QPoint from = PointOn(0, 1);
  Engine.TableMouseDown(mbLeft, from.x(), from.y());
  ASSERT_EQ(Engine.PressedCard, At(0, 1));
  EXPECT_EQ(Engine.PressedPos, Engine.SlotPoint(0, 1));
  Host.Sounds.clear();
  for (int i = 1; i <= 11; ++i)
    Engine.TableMouseMove(from.x() + i, from.y());
  EXPECT_EQ(Host.SoundsPlayed(), std::vector<int>{sndStartMove});
  EXPECT_EQ(At(0, 1)->Position, Engine.SlotPoint(0, 1));  // not yet following
  Engine.TableMouseMove(from.x() + 40, from.y() + 7);
  EXPECT_EQ(At(0, 1)->Position, Engine.SlotPoint(0, 1) + QPoint(40, 7));
  EXPECT_TRUE(At(0, 1)->Moving);
  const QPoint to = PointOn(1, 0);
  Engine.TableMouseMove(to.x(), to.y());
  Engine.TableMouseUp(to.x(), to.y());
  EXPECT_EQ(ColumnNames(1), (QStringList{"6S", "5H"}));
  EXPECT_EQ(ColumnNames(0), QStringList{"3C"});
  EXPECT_FALSE(Engine.Dragging);
  EXPECT_FALSE(At(1, 1)->Moving);
  EXPECT_EQ(At(1, 1)->Position, Engine.SlotPoint(1, 1));
}

TEST_F(MousePlayTest, ARefusedDropSlidesTheCardsBack) {
  Arrange({"9H 8H", "KS"});
  Drag(PointOn(0, 0), PointOn(1, 0));
  EXPECT_EQ(Error(), "No where to move Nine of Hearts");
  EXPECT_EQ(At(0, 0)->Position, Engine.SlotPoint(0, 0));
  EXPECT_EQ(At(0, 1)->Position, Engine.SlotPoint(0, 1));
  EXPECT_FALSE(At(0, 1)->Moving);
}

TEST_F(MousePlayTest, ADropOnTheStockDealsARow) {
  Arrange({"9H", "KS", "2C", "3C", "4C", "5C", "6C", "7C", "8C", "9C"});
  Drag(PointOn(0, 0), StockCentre());
  EXPECT_EQ(Engine.DealCount, 1);
  EXPECT_EQ(Engine.Table.PileCount(0), 2);
  EXPECT_EQ(At(0, 0)->Name, "9H");
}

TEST_F(MousePlayTest, PressesWhileBusyAreIgnored) {
  Arrange({"5H", "6S"});
  Engine.Busy = true;
  Click(PointOn(0, 0));
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_EQ(Engine.PressedCard, nullptr);
}

TEST_F(MousePlayTest, TheCardUnderTheCursorIsNamed) {
  Arrange({"-9C 5H"});
  Engine.TableMouseMove(PointOn(0, 1).x(), PointOn(0, 1).y());
  EXPECT_EQ(Host.Panel(CurCardDis), "5H");
  Engine.TableMouseMove(PointOn(0, 0).x(), PointOn(0, 0).y());
  EXPECT_EQ(Host.Panel(CurCardDis), "Down");
  Engine.TableMouseMove(900, 700);
  EXPECT_EQ(Host.Panel(CurCardDis), "None");
}

TEST_F(MousePlayTest, AReleaseWithoutDragLeavesThePickInPlace) {
  Arrange({"5H", "6S"});
  Engine.TableMouseDown(mbLeft, PointOn(0, 0).x(), PointOn(0, 0).y());
  Engine.TableMouseMove(PointOn(0, 0).x() + 2, PointOn(0, 0).y());
  Engine.TableMouseUp(PointOn(0, 0).x() + 2, PointOn(0, 0).y());
  EXPECT_EQ(Engine.SelectStage, 1);
  EXPECT_FALSE(Engine.Dragging);
}

TEST_F(MousePlayTest, AutoMoveModeMovesTheTopRunOnAClick) {
  Host.AutoMove = true;
  Arrange({"-KD 9C 8C", "10H", "", "", "", "10C"});
  Click(PointOn(0, 0));  // anywhere on the column
  EXPECT_EQ(ColumnNames(5), (QStringList{"10C", "9C", "8C"}));
  EXPECT_EQ(ColumnNames(0), QStringList{"KD"});
  EXPECT_EQ(Host.Panel(MessageDis), "Click on card to Move");
  EXPECT_EQ(Engine.SelectStage, 0);
}

TEST_F(MousePlayTest, AutoMoveAfterExactlyTenMovesDoesNeither) {
  Host.AutoMove = true;
  Arrange({"9C", "10H"});
  const QPoint from = PointOn(0, 0);
  Engine.TableMouseDown(mbLeft, from.x(), from.y());
  for (int i = 0; i < 10; ++i)
    Engine.TableMouseMove(from.x(), from.y());
  Engine.TableMouseUp(from.x(), from.y());
  EXPECT_EQ(ColumnNames(0), QStringList{"9C"});
  EXPECT_EQ(Engine.SelectStage, 1);
  Click(PointOn(1, 0));  // taken as the destination
  EXPECT_EQ(ColumnNames(1), (QStringList{"10H", "9C"}));
}

// After a move or a refused move, by the mouse or by auto-move, the picture
// shows no picked card.
TEST_F(MousePlayTest, NoHighlightIsLeftOnThePictureAfterAMove) {
  struct TCase {
    const char* Name;
    bool AutoMove;
    std::vector<QString> Columns;
    int Source, Dest;  // Dest -1: a click on the source column only
  };
  const TCase cases[] = {
      {"auto-move", true, {"9C", "10H"}, 0, -1},
      {"auto-move refused", true, {"KC", "10H"}, 0, -1},
      {"click then click", false, {"9C", "10H"}, 0, 1},
      {"click then refused click", false, {"9C", "JH"}, 0, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Host.AutoMove = c.AutoMove;
    Arrange(c.Columns);
    Engine.RepaintAll();
    Engine.Redraw(true);
    Click(PointOn(c.Source, 0));
    if (c.Dest >= 0)
      Click(PointOn(c.Dest, 0));
    for (int i = 0; i < Engine.Deck().CardCount(); ++i)
      EXPECT_FALSE(Engine.Deck().Card(i).Highlighted) << i;
    EXPECT_EQ(Engine.TablePicture(), Engine.PaintedInFull());
  }
}

}  // namespace

// No mouse sends such points, but the engine takes any int: a drag to the
// ends of int slides the cards back and leaves the table as it was.
TEST_F(MousePlayTest, ADragToTheEndsOfIntPutsTheCardsBack) {
  Host.AutoMove = true;
  constexpr int Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();
  for (const QPoint end : {QPoint(Low, Low), QPoint(High, High), QPoint(Low, High)}) {
    Arrange({"-9C 5H 4H", "9S"});
    const QPoint from = PointOn(0, 1);
    Engine.TableMouseDown(mbLeft, from.x(), from.y());
    for (int i = 0; i < 12; ++i)
      Engine.TableMouseMove(end.x(), end.y());
    Engine.TableMouseUp(end.x(), end.y());
    EXPECT_EQ(ColumnNames(0), QStringList({"-9C", "5H", "4H"}));
    EXPECT_EQ(At(0, 1)->Position, Engine.SlotPoint(0, 1));
    EXPECT_EQ(At(0, 2)->Position, Engine.SlotPoint(0, 2));
  }
}
