// The hint button, the H key and the Solve window in the real main window,
// with searches that end at once within a count of tables.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "cards/Clock.h"
#include "game/HintController.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/SolveDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/HintDisplay.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/FancyButton.h"

namespace {

// Searches at once, on the caller's thread, within a count of tables.
class TCountedSearcher : public THintSearcher {
 public:
  void Start(const TSolverTable& table, const TSolveLimits&, TPriority, TDone done) override {
    TSolveLimits limits;
    limits.Time = std::chrono::hours(1);
    limits.MaxNodes = 200000;
    done(Solve(table, limits));
  }
  void Cancel() override {}
  bool Running() const override { return false; }
};

class HintWindowTest : public ::testing::Test {
 protected:
  HintWindowTest() : Form(&Sound, &Clock) {
    Form.resize(1024, 720);
    Form.show();
    Form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    Form.VerboseMnu->setChecked(false);
    Form.Hint().SetSearcher(std::make_unique<TCountedSearcher>());
    Form.SolveDlg().SetSearcher(std::make_unique<TCountedSearcher>());
    Form.SolveDlg().StepPauseMs = 0;
  }

  TGameEngine& Engine() { return Form.Engine(); }
  void Key(int key) { QTest::keyClick(&Form, static_cast<Qt::Key>(key)); }
  void NewGame(uint32_t seed) { Engine().DealNumberedGame(seed); }
  bool HintsEnabled() {
    const bool on = Form.FancyButton1->isEnabled();
    EXPECT_EQ(Form.HintMnu->isEnabled(), on);
    EXPECT_EQ(Form.SolveMnu->isEnabled(), on);
    return on;
  }
  void WaitWhilePlaying() {
    while (Form.SolveDlg().Playing())
      QApplication::processEvents();
  }

  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(HintWindowTest, TheButtonServesADealtGameThatIsNotWon) {
  EXPECT_EQ(Form.FancyButton1->text(), "Hint");
  EXPECT_EQ(Form.FancyButton1->toolTip(), "Show Next Hint");
  EXPECT_FALSE(Form.FancyButton1->Glyph().isNull());
  EXPECT_EQ(Form.HintMnu->text(), "&Hint");
  EXPECT_EQ(Form.HintMnu->shortcut(), QKeySequence(Qt::Key_H));
  EXPECT_EQ(Form.SolveMnu->text(), "&Solve...");
  EXPECT_FALSE(HintsEnabled());
  Key(Qt::Key_F2);
  EXPECT_TRUE(HintsEnabled());
  ArrangeTable(Engine(), {"KC QC JC 10C 9C 8C 7C 6C 5C 4C 3C 2C AC"},
               {"S", "H", "D", "C", "S", "H", "D"});
  Key(Qt::Key_H);  // shows the suit going home; the table stays as it was
  EXPECT_EQ(Form.Panel(MessageDis)->text(), "Move Clubs Home");
  EXPECT_EQ(Engine().Table.PileCount(0), 13);
  Engine().TableMouseDown(mbLeft, Engine().SlotPoint(0, 0).x() + 20,
                          Engine().SlotPoint(0, 0).y() + 10);
  Engine().TableMouseUp(Engine().SlotPoint(0, 0).x() + 20, Engine().SlotPoint(0, 0).y() + 10);
  Engine().TableMouseDown(mbLeft, Engine().HomePoint(7).x() + 20, Engine().HomePoint(7).y() + 20);
  Engine().TableMouseUp(Engine().HomePoint(7).x() + 20, Engine().HomePoint(7).y() + 20);
  ASSERT_EQ(Engine().GameState, gsWon);
  EXPECT_FALSE(HintsEnabled());
}

TEST_F(HintWindowTest, TheKeyLightsTheMoveAndAClickPutsItOut) {
  NewGame(2);
  const TSolverTable table = SolverTableOf(Engine());
  const int moves = Engine().MoveCount;
  Key(Qt::Key_H);
  const THintDisplay& display = Form.HintDisplay();
  ASSERT_FALSE(display.Marked().empty());
  for (const TCard* card : display.Marked())
    EXPECT_TRUE(card->Highlighted);
  EXPECT_TRUE(display.Flashing());
  EXPECT_TRUE(display.FlashCard() != nullptr || !display.FlashPlace().isNull());
  EXPECT_TRUE(Form.Panel(MessageDis)->text().startsWith("Move "));
  EXPECT_TRUE(SameTable(SolverTableOf(Engine()), table));
  EXPECT_EQ(Engine().MoveCount, moves);
  EXPECT_EQ(Form.Panel(MoveCntDis)->text(), QString::number(moves));

  const std::vector<TCard*> lit = display.Marked();
  SendMouse(Form.Image1, QEvent::MouseButtonPress, QPoint(900, 650));
  SendMouse(Form.Image1, QEvent::MouseButtonRelease, QPoint(900, 650));
  EXPECT_TRUE(display.Marked().empty());
  EXPECT_FALSE(display.Flashing());
  for (const TCard* card : lit)
    EXPECT_FALSE(card->Highlighted);
}

TEST_F(HintWindowTest, PlayItWinsWithEveryMoveOnTheUndoList) {
  ArrangeTable(Engine(), {"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S", "AS"},
               {"H", "D", "C", "S", "H", "D", "C"});
  Engine().UpdateStatus();
  TSolveDlg& dlg = Form.SolveDlg();
  Form.SolveMnu->trigger();
  EXPECT_EQ(dlg.Message->text(), "This game can be won from here in 2 moves.");
  ASSERT_TRUE(dlg.PlayBtn->isEnabled());
  const int undo = Engine().UndoIndex;
  dlg.PlayBtn->click();
  WaitWhilePlaying();
  EXPECT_EQ(Engine().GameState, gsWon);
  EXPECT_EQ(Engine().UndoIndex, undo + 2);
}

TEST_F(HintWindowTest, PlayingStopsAtAKeyAndItsMovesUndo) {
  NewGame(2);
  Form.AutoMoveMnu->setChecked(true);  // the line's clicks are not auto-moves
  TSolveDlg& dlg = Form.SolveDlg();
  dlg.Execute();
  ASSERT_TRUE(dlg.PlayBtn->isEnabled()) << dlg.Message->text().toStdString();
  dlg.PlayBtn->click();
  while (Engine().MoveCount < 3)
    QApplication::processEvents();
  Key(Qt::Key_Escape);
  WaitWhilePlaying();
  EXPECT_EQ(Engine().GameState, gsPlaying);
  EXPECT_TRUE(Form.Hint().LineKnown());  // the table is on the line played
  const TSolverTable played = SolverTableOf(Engine());
  ASSERT_TRUE(Engine().UndoMove());
  EXPECT_FALSE(SameTable(SolverTableOf(Engine()), played));
  // The answer was for the table before the moves.
  EXPECT_FALSE(dlg.PlayBtn->isEnabled());
}

TEST_F(HintWindowTest, AnAnswerGoesStaleWhenTheTableChanges) {
  NewGame(2);
  TSolveDlg& dlg = Form.SolveDlg();
  dlg.Execute();
  ASSERT_TRUE(dlg.PlayBtn->isEnabled());
  Key(Qt::Key_H);
  Form.Hint().Press();  // the hint follows the window's line
  EXPECT_TRUE(Form.Hint().LineKnown());
  Engine().ClickAt(Engine().DealRect.center().x(), Engine().DealRect.center().y());
  EXPECT_EQ(dlg.Message->text(), "The table has changed since this answer.");
  EXPECT_FALSE(dlg.PlayBtn->isEnabled());
  EXPECT_EQ(dlg.CancelBtn->text(), "&Search Again");
}

}  // namespace
