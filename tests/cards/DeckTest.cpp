#include <gtest/gtest.h>

#include "cards/CardNames.h"
#include "cards/CardResources.h"
#include "cards/Deck.h"
#include "support/QtPrinters.h"

namespace {

class DeckTest : public ::testing::Test {
 protected:
  DeckTest() : Deck(Random, Clock) { Deck.SetPacks(2); }

  // Puts every card out of the way, invisible, so a test places only its own.
  void ClearTable() {
    for (auto& card : Deck.Cards) {
      card->Position = QPoint(-1000, -1000);
      card->Visible = false;
      card->ZOrder = 0;
    }
  }
  TCard& Put(int index, QPoint at, int zOrder = 1) {
    TCard& card = Deck.Card(index);
    card.Position = at;
    card.ZOrder = zOrder;
    card.Visible = true;
    return card;
  }

  TRandom Random;
  TManualClock Clock;
  TDeck Deck;
};

TEST(CardNamesTest, IdentityFollowsTheIndex) {
  EXPECT_EQ(ShortName(RankOf(0), SuitOf(0)), "AH");
  EXPECT_EQ(ShortName(RankOf(48), SuitOf(48)), "10S");
  EXPECT_EQ(ShortName(RankOf(51), SuitOf(51)), "KS");
  EXPECT_EQ(ShortName(RankOf(52), SuitOf(52)), "AH");
  EXPECT_EQ(ShortName(RankOf(64), SuitOf(64)), "KH");
  EXPECT_EQ(ShortName(RankOf(103), SuitOf(103)), "KS");
  EXPECT_EQ(ShortName(RankOf(26), SuitOf(26)), "AC");
  EXPECT_EQ(ShortName(RankOf(25), SuitOf(25)), "KD");
  EXPECT_EQ(LongName(11, 3), "Queen of Spades");
  EXPECT_EQ(LongName(0, 0), "Ace of Hearts");
  EXPECT_EQ(LongName(9, 1), "Ten of Diamonds");
  EXPECT_EQ(LongName(13, 0), "??");
  EXPECT_EQ(LongName(0, -1), "??");
}

TEST_F(DeckTest, CardsCarryTheirIdentityAndStartState) {
  ASSERT_EQ(Deck.CardCount(), 104);
  EXPECT_EQ(Deck.Shuffler().Packs(), 2);
  EXPECT_EQ(Deck.Shuffler().CardCount(), 104);
  for (int i = 0; i < 104; ++i) {
    const TCard& card = Deck.Card(i);
    EXPECT_EQ(card.Index, i);
    EXPECT_EQ(card.Rank, i % 13);
    EXPECT_EQ(card.Suit, (i / 13) % 4);
    EXPECT_EQ(card.ZOrder, i);
    EXPECT_EQ(card.Name, Deck.ShortName(i));
    EXPECT_TRUE(card.FaceUp && card.Visible);
    EXPECT_FALSE(card.DealFaceUp || card.Highlighted || card.Moving);
    EXPECT_EQ(card.Position, QPoint(0, 0));
  }
  EXPECT_EQ(Deck.Card(51).Name, "KS");
  EXPECT_EQ(Deck.Card(52).Name, "AH");
  EXPECT_EQ(Deck.Card(75).LongName(), "Jack of Diamonds");
}

TEST_F(DeckTest, ShortNameOutsideTheDeckIsQuestionMarks) {
  EXPECT_EQ(Deck.ShortName(-1), "??");
  EXPECT_EQ(Deck.ShortName(104), "??");
  EXPECT_EQ(Deck.ShortName(103), "KS");
}

TEST_F(DeckTest, SecondPackSharesTheFirstPacksFacePicture) {
  EXPECT_EQ(Deck.Card(52).Face(), CardResources::Picture(1));
  EXPECT_EQ(Deck.Card(52).Face(), Deck.Card(0).Face());
  EXPECT_NE(Deck.Card(52).Face(), Deck.Card(53).Face());
  Deck.SetLargeCards(false);
  EXPECT_EQ(Deck.Card(52).Face(), CardResources::Picture(1001));
  EXPECT_EQ(Deck.Card(103).Face(), CardResources::Picture(1052));
}

TEST_F(DeckTest, PictureSizesFollowTheCardSize) {
  EXPECT_EQ(Deck.CardSize(), QSize(71, 96));
  const TCard& card = Deck.Card(7);
  EXPECT_EQ(card.MaskPicture.size(), QSize(71, 96));
  EXPECT_EQ(card.MaskPicture.depth(), 1);
  EXPECT_EQ(card.GlowPicture.size(), QSize(77, 102));
  EXPECT_EQ(card.ShadowPicture.size(), QSize(83, 108));
  EXPECT_EQ(card.Underlay.size(), QSize(83, 108));
  EXPECT_EQ(Deck.SlotPicture.size(), QSize(71, 96));
  Deck.SetLargeCards(false);
  EXPECT_EQ(Deck.CardSize(), QSize(54, 72));
  EXPECT_EQ(card.GlowPicture.size(), QSize(60, 76));
  EXPECT_EQ(card.ShadowPicture.size(), QSize(66, 84));
  EXPECT_EQ(card.Underlay.size(), QSize(66, 84));
  EXPECT_EQ(Deck.SlotPicture.size(), QSize(54, 72));
}

TEST_F(DeckTest, SettersWithTheCurrentValueLoadNothing) {
  const int loads = Deck.PictureLoads();
  Deck.SetCardBack(TDeck::DefaultCardBack);
  Deck.SetLargeCards(true);
  Deck.SetPacks(2);
  EXPECT_EQ(Deck.PictureLoads(), loads);
  Deck.SetCardBack(0);
  EXPECT_EQ(Deck.PictureLoads(), loads + 1);
  EXPECT_EQ(Deck.Card(3).BackPicture, CardResources::Picture(200));
}

TEST_F(DeckTest, PictureChangesKeepPositionsAndFlags) {
  TCard& card = Deck.Card(10);
  card.Position = QPoint(40, 50);
  card.FaceUp = false;
  card.Highlighted = true;
  Deck.SetLargeCards(false);
  Deck.SetCardBack(12);
  EXPECT_EQ(card.Position, QPoint(40, 50));
  EXPECT_FALSE(card.FaceUp);
  EXPECT_TRUE(card.Highlighted);
}

TEST_F(DeckTest, AnUnknownBackLeavesTheBackEmpty) {
  Deck.SetCardBack(13);
  EXPECT_TRUE(Deck.Card(0).BackPicture.isNull());
  Deck.SetCardBack(-1);
  EXPECT_TRUE(Deck.Card(0).BackPicture.isNull());
  EXPECT_FALSE(Deck.Card(0).Face().isNull());
}

TEST_F(DeckTest, ChangingPacksMakesNewCards) {
  Deck.Card(5).Position = QPoint(9, 9);
  Deck.SetPacks(1);
  EXPECT_EQ(Deck.CardCount(), 52);
  EXPECT_EQ(Deck.Shuffler().CardCount(), 52);
  EXPECT_EQ(Deck.Card(5).Position, QPoint(0, 0));
  EXPECT_FALSE(Deck.Card(51).Face().isNull());
}

TEST_F(DeckTest, CardBoundsExcludeTheRightAndBottomEdges) {
  const TCard& card = Put(0, QPoint(10, 20));
  EXPECT_EQ(card.BoundsRect(), QRect(10, 20, 71, 96));
  EXPECT_TRUE(card.ContainsPoint(QPoint(10, 20)));
  EXPECT_TRUE(card.ContainsPoint(QPoint(80, 115)));
  EXPECT_FALSE(card.ContainsPoint(QPoint(81, 50)));
  EXPECT_FALSE(card.ContainsPoint(QPoint(50, 116)));
  EXPECT_FALSE(card.ContainsPoint(QPoint(9, 50)));
  EXPECT_FALSE(card.ContainsPoint(QPoint(50, 19)));
}

TEST_F(DeckTest, CenteredRectCentresALargerPicture) {
  const TCard& card = Put(0, QPoint(100, 100));
  EXPECT_EQ(card.CenteredRect(card.ShadowPicture), QRect(94, 94, 83, 108));
  EXPECT_EQ(card.CenteredRect(card.GlowPicture), QRect(97, 97, 77, 102));
  EXPECT_EQ(card.CenteredRect(card.Face()), card.BoundsRect());
  Deck.SetLargeCards(false);
  EXPECT_EQ(card.CenteredRect(card.GlowPicture), QRect(97, 98, 60, 76));
}

TEST_F(DeckTest, OverlapCountsTouchingEdges) {
  ClearTable();
  const TCard& a = Put(0, QPoint(0, 0));
  const TCard& touching = Put(1, QPoint(71, 0));
  const TCard& apart = Put(2, QPoint(72, 0));
  const TCard& below = Put(3, QPoint(0, 96));
  EXPECT_TRUE(a.Overlaps(touching));
  EXPECT_TRUE(touching.Overlaps(a));
  EXPECT_FALSE(a.Overlaps(apart));
  EXPECT_TRUE(a.Overlaps(below));
}

TEST_F(DeckTest, CardAtFindsTheTopmostCardAndTheGrabPoint) {
  ClearTable();
  Put(3, QPoint(100, 100), 5);
  Put(4, QPoint(100, 120), 6);
  EXPECT_EQ(Deck.CardAt(QPoint(110, 125)), 4);
  EXPECT_EQ(Deck.DragOffset, QPoint(10, 5));
  EXPECT_EQ(Deck.CardAt(QPoint(110, 110)), 3);
  EXPECT_EQ(Deck.DragOffset, QPoint(10, 10));
}

TEST_F(DeckTest, CardAtPrefersTheLowerIndexOnEqualStacking) {
  ClearTable();
  Put(60, QPoint(0, 0), 7);
  Put(9, QPoint(0, 0), 7);
  EXPECT_EQ(Deck.CardAt(QPoint(5, 5)), 9);
}

TEST_F(DeckTest, CardAtOnNothingAnswersMinusOneAndClearsTheOffset) {
  ClearTable();
  Put(3, QPoint(100, 100), 5);
  Deck.CardAt(QPoint(120, 120));
  EXPECT_EQ(Deck.CardAt(QPoint(171, 120)), -1);
  EXPECT_EQ(Deck.DragOffset, QPoint(0, 0));
}

TEST_F(DeckTest, CardAtAlsoFindsInvisibleCards) {
  ClearTable();
  Put(3, QPoint(0, 0), 5).Visible = false;
  EXPECT_EQ(Deck.CardAt(QPoint(1, 1)), 3);
}

TEST_F(DeckTest, RestackGoesOnTopOfVisibleOverlappingCards) {
  ClearTable();
  TCard& card = Put(0, QPoint(0, 0), 99);
  Deck.Restack(card);
  EXPECT_EQ(card.ZOrder, 1);  // nothing beneath

  Put(1, QPoint(71, 96), 8);  // touches the bottom-right corner only
  Deck.Restack(card);
  EXPECT_EQ(card.ZOrder, 9);

  Put(2, QPoint(10, 10), 20).Visible = false;  // invisible cards do not count
  Put(3, QPoint(200, 0), 50);                  // nor do cards elsewhere
  Deck.Restack(card);
  EXPECT_EQ(card.ZOrder, 9);
}

TEST_F(DeckTest, RestackUnderACardHeldOnTopDoesNotWrapAround) {
  ClearTable();
  Put(1, QPoint(0, 0), TDeck::TopZOrder);
  TCard& card = Put(0, QPoint(5, 5), 1);
  Deck.Restack(card);
  EXPECT_EQ(card.ZOrder, TDeck::TopZOrder);
}

TEST_F(DeckTest, PlaceCardsOnTopKeepsTheGroupRigidAndOrdered) {
  ClearTable();
  Put(10, QPoint(100, 100), 1);
  Put(11, QPoint(100, 120), 2);
  Put(12, QPoint(100, 140), 3);
  Deck.CardAt(QPoint(110, 130));  // grabbed card 11 at (10, 10)
  Deck.PlaceCards(QPoint(310, 210), {11, 12, 10}, true);
  EXPECT_EQ(Deck.Card(11).Position, QPoint(300, 200));
  EXPECT_EQ(Deck.Card(12).Position, QPoint(300, 220));
  EXPECT_EQ(Deck.Card(10).Position, QPoint(300, 180));
  EXPECT_EQ(Deck.Card(11).ZOrder, 2147483645);
  EXPECT_EQ(Deck.Card(12).ZOrder, 2147483646);
  EXPECT_EQ(Deck.Card(10).ZOrder, 2147483647);
  for (int index : {10, 11, 12})
    EXPECT_TRUE(Deck.Card(index).Moving && Deck.Card(index).Visible);
}

TEST_F(DeckTest, PlaceCardsDownRestacksOntoWhatLiesBeneathInListOrder) {
  ClearTable();
  Put(30, QPoint(0, 0), 4);  // the card the run is dropped onto
  Put(20, QPoint(500, 500), 2147483646).Moving = true;
  Put(21, QPoint(500, 520), 2147483647).Moving = true;
  Deck.PlaceCards(QPoint(0, 20), {20, 21}, false);
  EXPECT_EQ(Deck.Card(20).Position, QPoint(0, 20));
  EXPECT_EQ(Deck.Card(21).Position, QPoint(0, 40));
  EXPECT_EQ(Deck.Card(20).ZOrder, 5);
  EXPECT_EQ(Deck.Card(21).ZOrder, 6);
  EXPECT_FALSE(Deck.Card(20).Moving || Deck.Card(21).Moving);
}

TEST_F(DeckTest, PlaceCardsIgnoresEmptyAndForeignLists) {
  ClearTable();
  Put(1, QPoint(5, 5));
  Deck.PlaceCards(QPoint(50, 50), {}, true);
  Deck.PlaceCards(QPoint(50, 50), {1, 104}, true);
  EXPECT_EQ(Deck.Card(1).Position, QPoint(5, 5));
}

struct Frame {
  QPoint Position;
  int32_t ZOrder;
  bool Moving;
};

TEST_F(DeckTest, AnimateCardsWithOneStepShowsStartThenRestackedEnd) {
  ClearTable();
  Put(0, QPoint(10, 10));
  Put(1, QPoint(10, 30));
  std::vector<Frame> frames;
  Deck.DragOffset = QPoint(4, 4);
  Deck.AnimateCards(QPoint(10, 10), QPoint(200, 100), 1, 15, {0, 1}, [&](bool full) {
    EXPECT_TRUE(full);
    frames.push_back({Deck.Card(0).Position, Deck.Card(0).ZOrder, Deck.Card(0).Moving});
  });
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].Position, QPoint(10, 10));
  EXPECT_TRUE(frames[0].Moving);
  EXPECT_EQ(frames[0].ZOrder, 2147483646);
  EXPECT_EQ(frames[1].Position, QPoint(200, 100));
  EXPECT_FALSE(frames[1].Moving);
  EXPECT_EQ(frames[1].ZOrder, 1);
  EXPECT_EQ(Deck.Card(1).Position, QPoint(200, 120));
  EXPECT_EQ(Deck.Card(1).ZOrder, 2);
  EXPECT_EQ(Deck.DragOffset, QPoint(0, 0));
  EXPECT_EQ(Clock.DelayCount(), 2);
  EXPECT_EQ(Clock.ElapsedMs(), 30);
}

TEST_F(DeckTest, AnimateCardsRoundsHalfwayStepsToEven) {
  ClearTable();
  Put(0, QPoint(0, 0));
  std::vector<QPoint> path;
  // 5 pixels in 2 steps: 2.5 rounds to 2; -5 in 2 steps: -2.5 rounds to -2.
  Deck.AnimateCards(QPoint(0, 0), QPoint(5, -5), 2, 1, {0},
                    [&](bool) { path.push_back(Deck.Card(0).Position); });
  EXPECT_EQ(path, (std::vector<QPoint>{{0, 0}, {2, -2}, {5, -5}}));
  path.clear();
  // 3 pixels in 2 steps: 1.5 rounds to 2.
  Deck.AnimateCards(QPoint(0, 0), QPoint(3, 0), 2, 1, {0},
                    [&](bool) { path.push_back(Deck.Card(0).Position); });
  EXPECT_EQ(path[1], QPoint(2, 0));
  // With no wait between them no frame but the last would be seen: only it
  // is shown.
  path.clear();
  Deck.AnimateCards(QPoint(0, 0), QPoint(3, 0), 2, 0, {0},
                    [&](bool) { path.push_back(Deck.Card(0).Position); });
  EXPECT_EQ(path, (std::vector<QPoint>{{3, 0}}));
}

TEST_F(DeckTest, AnimateCardsWithoutRefreshDoesNothing) {
  ClearTable();
  Put(0, QPoint(7, 7));
  Deck.AnimateCards(QPoint(7, 7), QPoint(70, 70), 5, 10, {0}, {});
  EXPECT_EQ(Deck.Card(0).Position, QPoint(7, 7));
  EXPECT_EQ(Clock.DelayCount(), 0);
}

TEST_F(DeckTest, VisibilityAndHighlightsForTheWholeDeck) {
  Deck.Card(3).Highlighted = true;
  Deck.Card(90).Highlighted = true;
  Deck.ClearHighlights();
  Deck.SetAllVisible(false);
  for (const auto& card : Deck.Cards)
    EXPECT_FALSE(card->Highlighted || card->Visible);
  Deck.SetAllVisible(true);
  EXPECT_TRUE(Deck.Card(50).Visible);
}

}  // namespace
