// Playing from the keyboard: the frame's walk, clicks from keys, and what a
// screen reader is told of each place.
#include "EngineFixture.h"
#include "cards/SoundIds.h"

namespace {

class KeyPlayTest : public EngineTest {
 protected:
  // The frame as "place row", the row only on a column.
  QString Frame() const {
    const TKeyFocus& focus = Engine.KeyFocus();
    return ColumnOfPlace(focus.Place) >= 0 ? QStringLiteral("%1 %2").arg(focus.Place).arg(focus.Row)
                                           : QString::number(focus.Place);
  }
  void Keys(const std::vector<TFocusStep>& steps) {
    for (TFocusStep step : steps)
      Engine.MoveFocus(step);
  }
};

TEST_F(KeyPlayTest, TheFrameWalksThePlacesAndTheFaceUpCardsAndStopsAtTheEnds) {
  Arrange({"-9C 8H 7H 6H", "", "5S"});
  EXPECT_FALSE(Engine.KeyFocus().Shown);
  EXPECT_TRUE(Engine.MoveFocus(fsLeft));  // the first key only shows the frame
  EXPECT_TRUE(Engine.KeyFocus().Shown);
  EXPECT_EQ(Frame(), "1 3");
  EXPECT_EQ(Host.Panel(CurCardDis), "6H");
  struct TCase {
    std::vector<TFocusStep> Steps;
    QString Frame;
  };
  const std::vector<TCase> cases = {
      {{fsUp}, "1 2"},
      {{fsUp, fsUp, fsUp}, "1 1"},  // the face-down card is no stop
      {{fsDown, fsDown, fsDown}, "1 3"},
      {{fsUp, fsRight, fsLeft}, "1 3"},  // a column is framed from its last card
      {{fsLeft}, "0"},
      {{fsLeft, fsUp, fsDown}, "0"},  // the stock stays put
      {{fsRight, fsRight}, "2 0"},    // the empty column
      {std::vector<TFocusStep>(30, fsRight), "18"},
  };
  for (const TCase& c : cases) {
    Keys(c.Steps);
    EXPECT_EQ(Frame(), c.Frame);
  }
  EXPECT_FALSE(Engine.MoveFocus(fsRight));
  EXPECT_EQ(Host.Panel(CurCardDis), "None");  // an empty home pile
}

TEST_F(KeyPlayTest, AMoveFromTheKeysIsTheMouseMoveAndUndoesAlike) {
  Arrange({"-3C 5H", "6S"});
  Engine.RepaintAll();
  Engine.Redraw(true);
  Engine.ShowFocus();
  Host.Sounds.clear();
  Engine.ActivateFocus();
  EXPECT_EQ(Engine.SelectStage, 1);
  EXPECT_TRUE(At(0, 1)->Highlighted);
  EXPECT_FALSE(Engine.Dragging);  // the keys hold no cards on a pointer
  EXPECT_EQ(Host.Panel(MessageDis), "Click On Destination");
  Engine.MoveFocus(fsRight);
  Engine.ActivateFocus();
  EXPECT_EQ(ColumnNames(0), QStringList{"3C"});
  EXPECT_EQ(ColumnNames(1), (QStringList{"6S", "5H"}));
  EXPECT_EQ(Host.SoundsPlayed(), (std::vector<int>{sndPlayCard, sndMoveTo}));
  EXPECT_EQ(Engine.MoveCount, 1);
  EXPECT_EQ(Frame(), "2 1");  // on the column's new last card

  ASSERT_TRUE(Engine.UndoMove());
  EXPECT_EQ(ColumnNames(0), (QStringList{"-3C", "5H"}));
  EXPECT_EQ(Frame(), "2 0");
  EXPECT_EQ(Engine.TablePicture(), Engine.PaintedInFull());
}

TEST_F(KeyPlayTest, EscapeDropsThePickAndDDealsARow) {
  Arrange({"5H", "9S"});
  Engine.ShowFocus();
  Engine.ActivateFocus();
  ASSERT_EQ(Engine.SelectStage, 1);
  Engine.DropSelection();
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_FALSE(At(0, 0)->Highlighted);
  EXPECT_EQ(Host.Panel(MessageDis), "Click On Card From Pile");
  Engine.MoveFocus(fsRight);
  Engine.ActivateFocus();  // a fresh pick, not a destination
  EXPECT_EQ(Engine.Selection[0].Column, 1);

  Engine.NewGame();
  const int count = Engine.Table.PileCount(1);
  Engine.DealFromKey();
  EXPECT_EQ(Engine.DealCount, 1);
  EXPECT_EQ(Engine.Table.PileCount(1), count + 1);
  EXPECT_EQ(Frame(), QStringLiteral("2 %1").arg(count));  // on the dealt card
}

TEST_F(KeyPlayTest, EnterOnAnEmptyColumnPutsTheRunThere) {
  Arrange({"-2C 5H 4H", ""});
  Engine.ShowFocus();
  Engine.MoveFocus(fsUp);
  Engine.ActivateFocus();
  Engine.MoveFocus(fsRight);
  EXPECT_EQ(Engine.FocusArea(), QRect(Engine.SlotPoint(1, 0), Engine.Deck().CardSize()));
  Engine.ActivateFocus();
  EXPECT_EQ(ColumnNames(1), (QStringList{"5H", "4H"}));
}

// The frame is drawn only after a key, and repainting it leaves the picture
// as a whole repaint paints it.
TEST_F(KeyPlayTest, TheFrameIsOnThePictureOnlyWhileShown) {
  Arrange({"-9C 8H 7H", "6S"});
  Engine.RepaintAll();
  Engine.Redraw(true);
  const QImage before = Engine.TablePicture().copy();
  Engine.ShowFocus();
  const QImage framed = Engine.TablePicture().copy();
  EXPECT_NE(framed, before);
  const TFocusFrame& frame = Engine.PaintedFocusFrame();
  EXPECT_TRUE(frame.Outer.contains(Engine.FocusArea()));
  EXPECT_EQ(framed.pixel(frame.Outer.topLeft()), 0xffffffffu);
  Engine.MoveFocus(fsUp);
  Engine.MoveFocus(fsRight);
  EXPECT_EQ(Engine.TablePicture(), Engine.PaintedInFull());
  Engine.HideFocus();
  EXPECT_EQ(Engine.TablePicture(), before);
}

TEST_F(KeyPlayTest, PlacesAreNamedForScreenReaders) {
  Arrange({"-9C -8D QH JH", "", "-4S"}, {"S"});
  struct TCase {
    int Place;
    QString Name;
  };
  const std::vector<TCase> cases = {
      {FirstColumnPlace, "Column 1: 2 face down, Queen of Hearts, Jack of Hearts"},
      {FirstColumnPlace + 1, "Column 2: empty"},
      {FirstColumnPlace + 2, "Column 3: 1 face down"},
      {FirstHomePlace, "Home 1: Spades, full"},
      {FirstHomePlace + 7, "Home 8: empty"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(Engine.PlaceName(c.Place), c.Name);
  Engine.ShowFocus();
  Engine.MoveFocus(fsUp);
  EXPECT_EQ(Engine.FocusDescription(), "Frame on Queen of Hearts and 1 card on it");
  Engine.ApplySuits(1);  // names follow the suit a card plays as
  EXPECT_EQ(Engine.PlaceName(FirstColumnPlace),
            "Column 1: 2 face down, Queen of Spades, Jack of Spades");
}

TEST_F(KeyPlayTest, TheStockSaysHowManyDealsAreLeft) {
  EXPECT_EQ(Engine.PlaceName(StockPlace), "Stock: no game dealt");
  Engine.NewGame();
  const QStringList expected = {"Stock: 5 deals left", "Stock: 4 deals left",
                                "Stock: 3 deals left", "Stock: 2 deals left",
                                "Stock: 1 deal left",  "Stock: no deals left"};
  for (const QString& name : expected) {
    EXPECT_EQ(Engine.PlaceName(StockPlace), name);
    Engine.DealRow();
  }
}

}  // namespace
