// The questions asked before a new deal and before a replay.
#include "game/EngineFixture.h"

class GameCommandsTest : public EngineTest {
 protected:
  // A dealt game with one move made, so a replay or a new deal shows.
  void PlayOneMove() {
    Engine.NewGame();
    Random.SetSeedSource([] { return 7u; });
    Engine.MoveCount = 1;
    Host.GameMessages.clear();
  }
};

TEST_F(GameCommandsTest, NewGameDealsAtOnceBeforeAnyGameAndAfterAWin) {
  Engine.PromptNewGame();
  EXPECT_TRUE(Engine.CardsDealt);
  EXPECT_EQ(Engine.GameState, gsPlaying);
  EXPECT_TRUE(Host.GameMessages.empty());

  Engine.GameState = gsWon;
  Engine.MoveCount = 9;
  Engine.PromptNewGame();
  EXPECT_TRUE(Host.GameMessages.empty());
  EXPECT_EQ(Engine.GameState, gsPlaying);
  EXPECT_EQ(Engine.MoveCount, 0);
}

TEST_F(GameCommandsTest, TheDealQuestionOffersThreeChoicesWithOKAndCancel) {
  PlayOneMove();
  Engine.PromptNewGame();
  ASSERT_EQ(Host.GameMessages.size(), 1u);
  const auto& asked = Host.GameMessages[0];
  EXPECT_EQ(asked.Page, gpChoice);
  EXPECT_EQ(asked.Caption, "Deal?");
  EXPECT_EQ(asked.Text, "");
  EXPECT_EQ(asked.OKCaption, "OK");
  EXPECT_EQ(asked.CancelCaption, "Cancel");
}

TEST_F(GameCommandsTest, KeepPlayingAndCancelLeaveTheGameAsItIs) {
  PlayOneMove();
  const auto table = AllColumns();
  Host.GameMessageAnswers = {gmOK | gmKeepPlaying, gmCancel | gmNewGame, gmCancel | gmReplay};
  for (int i = 0; i < 3; ++i)
    Engine.PromptNewGame();
  EXPECT_EQ(Host.GameMessages.size(), 3u);
  EXPECT_EQ(AllColumns(), table);
  EXPECT_EQ(Engine.MoveCount, 1);
}

TEST_F(GameCommandsTest, OKWithStartNewGameDealsAFreshGame) {
  PlayOneMove();
  const auto table = AllColumns();
  Host.GameMessageAnswers = {gmOK | gmNewGame};
  Engine.PromptNewGame();
  EXPECT_EQ(Engine.MoveCount, 0);
  EXPECT_NE(AllColumns(), table);
  ExpectEveryCardOnce();
}

TEST_F(GameCommandsTest, OKWithRestartCurrentGameReplaysTheDeal) {
  PlayOneMove();
  const auto dealt = AllColumns();
  Engine.DealRow();
  Host.GameMessageAnswers = {gmOK | gmReplay};
  Engine.PromptNewGame();
  EXPECT_EQ(AllColumns(), dealt);
  EXPECT_EQ(Engine.DealCount, 0);
  EXPECT_EQ(Engine.MoveCount, 0);
}

TEST_F(GameCommandsTest, ReplayBeforeAnyDealOnlyTellsThereIsNoGame) {
  Engine.PromptReplay();
  ASSERT_EQ(Host.GameMessages.size(), 1u);
  const auto& asked = Host.GameMessages[0];
  EXPECT_EQ(asked.Page, gpMessage);
  EXPECT_EQ(asked.Caption, "Restart");
  EXPECT_EQ(asked.Text, "No Game To Restart");
  EXPECT_EQ(asked.OKCaption, "OK");
  EXPECT_EQ(asked.CancelCaption, "");
  EXPECT_FALSE(Engine.CardsDealt);
}

TEST_F(GameCommandsTest, ReplayAsksAndRestartsOnlyOnYes) {
  PlayOneMove();
  const auto dealt = AllColumns();
  Engine.DealRow();
  const auto afterRow = AllColumns();
  Host.GameMessageAnswers = {gmCancel | gmNewGame};
  Engine.PromptReplay();
  ASSERT_EQ(Host.GameMessages.size(), 1u);
  EXPECT_EQ(Host.GameMessages[0].Text, "Restart Game?");
  EXPECT_EQ(Host.GameMessages[0].OKCaption, "Yes");
  EXPECT_EQ(Host.GameMessages[0].CancelCaption, "No");
  EXPECT_EQ(AllColumns(), afterRow);

  // The message page still reports the reset first choice; only OK counts.
  Host.GameMessageAnswers = {gmOK | gmNewGame};
  Engine.PromptReplay();
  EXPECT_EQ(AllColumns(), dealt);
}

TEST_F(GameCommandsTest, AWonGameCanBeReplayed) {
  PlayOneMove();
  const auto dealt = AllColumns();
  Engine.GatherCards();
  Engine.GameState = gsWon;
  Host.GameMessageAnswers = {gmOK | gmNewGame};
  Engine.PromptReplay();
  EXPECT_EQ(Engine.GameState, gsPlaying);
  EXPECT_EQ(AllColumns(), dealt);
}
