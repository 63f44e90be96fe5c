#include "EngineFixture.h"
#include "cards/SoundIds.h"

namespace {

using StatusTest = EngineTest;

TEST_F(StatusTest, TurningUpCardsAndClearingColumnsScores) {
  Arrange({"-3C -4D 5H", "6S", "-KH 10D"});
  const int base = Engine.GameScore();
  EXPECT_EQ(base, (44 - 3) * 10 + 8 * 15);  // empty columns hide nothing either
  Move(PointOn(0, 2), PointOn(1, 0));
  EXPECT_EQ(Engine.GameScore(), base + 10);
  EXPECT_EQ(Host.Panel(ScoreDis), QString::number(base + 10) + " Pts.");
  EXPECT_EQ(Host.Caption, "Sorvane-32 - " + QString::number(base + 10) + " points - Deal 0 of 5");
  EXPECT_EQ(Host.Panel(MoveCntDis), "1");
}

TEST_F(StatusTest, EmptyingTheLastHiddenCardOfAColumnAddsFifteen) {
  Arrange({"-4D 5H", "6S", "-KH 10D"});
  const int base = Engine.GameScore();
  Move(PointOn(0, 1), PointOn(1, 0));
  EXPECT_EQ(Engine.GameScore(), base + 10 + 15);
}

TEST_F(StatusTest, ASuitSentHomeScoresFiftyLessItsLinks) {
  Arrange({"-4D 5C KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "2D"});
  const int base = Engine.GameScore();
  Move(PointOn(0, 2), HomeCentre(0));
  EXPECT_EQ(Engine.GameScore(), base + 50 - 24);
}

TEST_F(StatusTest, AWinFlashesCountsTheStreakAndGathersTheCards) {
  Arrange({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}, {"H", "H", "D", "D", "C", "C", "S"});
  Engine.SuitStreak = 4;
  Host.ErrorColours.clear();
  Move(PointOn(0, 0), HomeCentre(7));
  EXPECT_EQ(Engine.GameState, gsWon);
  EXPECT_EQ(Engine.CardCounter, 0);
  EXPECT_EQ(Host.Winners, 1);
  EXPECT_FALSE(Host.ClockRunning);
  EXPECT_EQ(Error(), "Congratulations!!");
  // Seven white-red cycles, then the colour the panel had.
  ASSERT_EQ(Host.ErrorColours.size(), 15u);
  EXPECT_EQ(Host.ErrorColours[0], 0xffffffffu);
  EXPECT_EQ(Host.ErrorColours[13], 0xffff0000u);
  // Eight suits home, every column clear; the last five suits came in a row.
  EXPECT_EQ(Engine.GameScore(), 990 + 4);
  EXPECT_TRUE(Host.Caption.startsWith("Sorvane-32 - 994 points"));
  for (const auto& card : Engine.Deck().Cards)
    EXPECT_FALSE(card->FaceUp);
  // After the win clicks on the cards do nothing and undo is refused.
  Click(HomeCentre(0));
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_FALSE(Engine.UndoMove());
  Click(StockCentre());
  EXPECT_EQ(Error(), "No More Cards To Deal!");
}

TEST_F(StatusTest, VerboseErrorsRaiseTheBoxAndQuietOnesOnlyThePanel) {
  Arrange({"5H", "", "9S"});
  Host.Verbose = true;
  Click(PointOn(1, 0));
  ASSERT_EQ(Host.ErrorBoxes.size(), 1);
  EXPECT_EQ(Host.ErrorBoxes[0],
            "No cards to select: Empty Column\r\n\r\nTo disable these messages and enable "
            "advanced\r\nmode options, click the help button.\r\n");
  Host.Verbose = false;
  Host.Sounds.clear();
  Click(PointOn(1, 0));
  EXPECT_EQ(Host.ErrorBoxes.size(), 1);
  EXPECT_EQ(Host.SoundsPlayed(), std::vector<int>{sndError});
  Host.Sounds.clear();
  Host.Verbose = true;
  Engine.ShowError(QString());
  EXPECT_TRUE(Host.Sounds.empty());
  EXPECT_EQ(Host.ErrorBoxes.size(), 1);
  EXPECT_EQ(Error(), "");
}

}  // namespace
