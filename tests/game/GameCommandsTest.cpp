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
  // The one question asked so far, shown on `page` with these texts.
  void ExpectAskedOnce(int page, const QString& caption, const QString& text, const QString& ok,
                       const QString& cancel) {
    ASSERT_EQ(Host.GameMessages.size(), 1u);
    const auto& asked = Host.GameMessages[0];
    EXPECT_EQ(asked.Page, page);
    EXPECT_EQ(asked.Caption, caption);
    EXPECT_EQ(asked.Text, text);
    EXPECT_EQ(asked.OKCaption, ok);
    EXPECT_EQ(asked.CancelCaption, cancel);
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
  ExpectAskedOnce(gpChoice, "Deal?", "", "OK", "Cancel");
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
  ExpectAskedOnce(gpMessage, "Restart", "No Game To Restart", "OK", "");
  EXPECT_FALSE(Engine.CardsDealt);
}

TEST_F(GameCommandsTest, ReplayAsksAndRestartsOnlyOnYes) {
  PlayOneMove();
  const auto dealt = AllColumns();
  Engine.DealRow();
  const auto afterRow = AllColumns();
  Host.GameMessageAnswers = {gmCancel | gmNewGame};
  Engine.PromptReplay();
  ExpectAskedOnce(gpMessage, "Restart", "Restart Game?", "Yes", "No");
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

// A pressed card hangs on the pointer until the release: no question may
// take that release, and no undo may pull the table from under the cards.
TEST_F(GameCommandsTest, NoCommandStartsWhileCardsHangOnThePointer) {
  PlayOneMove();
  Engine.PushUndo();
  const auto before = AllColumns();
  const int undoIndex = Engine.UndoIndex;
  Engine.TableMouseDown(mbLeft, PointOn(0, Engine.Table.LastRow(0)).x(),
                        PointOn(0, Engine.Table.LastRow(0)).y());
  ASSERT_TRUE(Engine.Dragging);
  Engine.PromptNewGame();
  Engine.PromptReplay();
  EXPECT_FALSE(Engine.UndoMove());
  EXPECT_TRUE(Host.GameMessages.empty());
  EXPECT_EQ(AllColumns(), before);
  EXPECT_EQ(Engine.UndoIndex, undoIndex);
}

TEST_F(GameCommandsTest, NoCommandOrTablePressStartsWhileTheFireworksRun) {
  PlayOneMove();
  Engine.PushUndo();
  const auto before = AllColumns();
  Host.Fireworks = true;
  EXPECT_FALSE(Engine.CanStartCommand());
  Engine.PromptReplay();
  Engine.TableMouseDown(mbLeft, StockCentre().x(), StockCentre().y());
  Engine.TableMouseUp(StockCentre().x(), StockCentre().y());
  EXPECT_FALSE(Engine.UndoMove());
  EXPECT_TRUE(Host.GameMessages.empty());
  EXPECT_EQ(Engine.DealCount, 0);
  EXPECT_EQ(AllColumns(), before);
}
