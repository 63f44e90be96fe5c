// The main window driven as a player drives it: mouse on the table, keys,
// buttons and the game's questions.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <random>
#include <set>

#include "cards/Clock.h"
#include "cards/SoundIds.h"
#include "fireworks/FireworksStop.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/dialogs/GameMessageDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/FancyButton.h"
#include "widgets/SubTimer.h"

class Form1Test : public ::testing::Test {
 protected:
  Form1Test() : Form(&Sound, &Clock) {
    Form.resize(1024, 720);
    Form.show();
    Form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
  }

  TGameEngine& Engine() { return Form.Engine(); }
  QString PanelText(TStatusPanel panel) { return Form.Panel(panel)->text(); }
  int CardsOnColumns() {
    int n = 0;
    for (int c = 0; c < Columns; ++c)
      n += Engine().Table.PileCount(c);
    return n;
  }
  QPoint TopOf(int c) {
    const int r = Engine().Table.LastRow(c);
    return Engine().SlotPoint(c, r) + QPoint(20, 20);
  }
  void Click(QPoint p) {
    SendMouse(Form.Image1, QEvent::MouseButtonPress, p);
    SendMouse(Form.Image1, QEvent::MouseButtonRelease, p);
  }
  void Drag(QPoint from, QPoint to) {
    SendMouse(Form.Image1, QEvent::MouseButtonPress, from);
    for (int i = 1; i <= 15; ++i)
      SendMouse(Form.Image1, QEvent::MouseMove, from + (to - from) * i / 15);
    SendMouse(Form.Image1, QEvent::MouseButtonRelease, to);
  }
  // A game dealt by hand runs its clock as a dealt one does.
  void SetGameClockRunning() {
    Form.GameTime->Start();
    Form.DisplayTimer->start();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Form.Image1, static_cast<Qt::Key>(key), modifiers);
  }
  // Answers the next game message dialog: picks choice `choice` (or none) and
  // presses OK or Cancel; remembers what the dialog showed.
  void AnswerGameMessage(int choice, bool ok) {
    AnswerNextDialog([this, choice, ok](QWidget* dialog) {
      auto* messages = qobject_cast<QDialog*>(dialog);
      ASSERT_EQ(messages, &Form.GameMessageDlg());
      const TGameMessageDlg& dlg = Form.GameMessageDlg();
      Asked = {dialog->windowTitle(), dlg.MessDis->text(),
               dlg.OKBtn->isVisible() ? dlg.OKBtn->text() : "",
               dlg.CancelBtn->isVisible() ? dlg.CancelBtn->text() : ""};
      if (choice >= 0)
        dlg.DealChoices[static_cast<size_t>(choice)]->setChecked(true);
      QTest::mouseClick(ok ? dlg.OKBtn : dlg.CancelBtn, Qt::LeftButton);
    });
  }

  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
  QStringList Asked;
};

TEST_F(Form1Test, StartsWithTheScoreCaptionAndAskForADeal) {
  EXPECT_EQ(Form.windowTitle(), "Sorvane-32 - 0 points - Deal 0 of 5");
  EXPECT_EQ(PanelText(MessageDis), "Please Deal Cards");
  EXPECT_EQ(PanelText(ScoreDis), "0 Pts.");
  EXPECT_EQ(PanelText(MoveCntDis), "0");
  EXPECT_FALSE(Form.FancyButton1->isEnabled());
  EXPECT_TRUE(Form.DealBtn->isEnabled());
  EXPECT_FALSE(Form.DisplayTimer->isActive());
  // The table picture follows the table's size on the window.
  EXPECT_EQ(Engine().TablePicture().size(), Form.Image1->size());
}

TEST_F(Form1Test, AClickOnTheStockDealsFiftyFourCardsAndStartsTheClock) {
  Click(Engine().DealRect.center());
  EXPECT_EQ(CardsOnColumns(), 54);
  EXPECT_TRUE(Engine().CardsDealt);
  EXPECT_TRUE(Form.DisplayTimer->isActive());
  EXPECT_TRUE(Form.GameTime->Running());
  EXPECT_EQ(PanelText(MessageDis), "Click On Card From Pile");
  // The deal sound loops while the cards fly and stops at the end.
  ASSERT_GE(Sound.Requests.size(), 2u);
  EXPECT_TRUE(Sound.Requests.front().Loop);
  EXPECT_TRUE(Sound.Requests.back().Wave.isEmpty());
}

TEST_F(Form1Test, ADraggedRunMovesAndARefusedDropSlidesBackWithItsReason) {
  ArrangeTable(Engine(), {"-KD 9S 8S", "10H", "5C", "KS", "KH", "KC", "QD", "QH", "QC", "QS"});
  Drag(TopOf(0) - QPoint(0, Engine().PileStep[0]), TopOf(1));
  EXPECT_EQ(Engine().Table.PileCount(1), 3);
  EXPECT_EQ(Engine().Table.PileCount(0), 1);
  EXPECT_TRUE(Engine().Table.Slot(0, 0)->FaceUp);

  QString box;
  AnswerNextDialog([&box](QWidget* dialog) {
    auto* errorBox = dynamic_cast<TErrorBox*>(dialog);
    ASSERT_NE(errorBox, nullptr);
    box = errorBox->Text();
    errorBox->accept();
  });
  const QPoint home = Engine().Table.Slot(2, 0)->Position;
  Drag(TopOf(2), TopOf(4));
  EXPECT_EQ(PanelText(ErrorDis), "No where to move Five of Clubs");
  EXPECT_TRUE(box.startsWith("No where to move Five of Clubs\r\n\r\nTo disable these messages"));
  EXPECT_EQ(Engine().Table.PileCount(2), 1);
  EXPECT_EQ(Engine().Table.Slot(2, 0)->Position, home);
}

TEST_F(Form1Test, ClickAndClickMovesAndCtrlZUndoes) {
  Form.VerboseMnu->setChecked(false);
  ArrangeTable(Engine(), {"9S", "10H", "5C", "KS", "KH", "KC", "QD", "QH", "QC", "QS"});
  Click(TopOf(0));
  EXPECT_EQ(PanelText(MessageDis), "Click On Destination");
  Click(TopOf(1));
  EXPECT_EQ(Engine().Table.PileCount(1), 2);
  EXPECT_EQ(PanelText(MoveCntDis), "1");

  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Engine().Table.PileCount(1), 1);
  EXPECT_EQ(Engine().Table.PileCount(0), 1);
  // The tool-bar button undoes as well.
  Click(TopOf(0));
  Click(TopOf(1));
  ASSERT_EQ(Engine().Table.PileCount(0), 0);
  QTest::mouseClick(Form.UndoBtn, Qt::LeftButton);
  EXPECT_EQ(Engine().Table.PileCount(0), 1);
  EXPECT_EQ(Engine().Table.PileCount(1), 1);
}

// Tab reaches the tool-bar buttons and Space presses the one with the focus;
// the window's shortcut keys keep working while a button has it.
TEST_F(Form1Test, ToolBarButtonsTakeTheFocusWithoutEatingTheShortcuts) {
  Form.setFocus();
  std::set<QWidget*> visited;
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.insert(QApplication::focusWidget());
  }
  EXPECT_TRUE(visited.count(Form.DealBtn) == 1 && visited.count(Form.UndoBtn) == 1);

  Form.DealBtn->setFocus();
  QTest::keyClick(Form.DealBtn, Qt::Key_Space);
  EXPECT_EQ(CardsOnColumns(), 54);
  AnswerGameMessage(-1, false);
  QTest::keyClick(Form.DealBtn, Qt::Key_R);
  EXPECT_EQ(Asked, QStringList({"Restart", "Restart Game?", "Yes", "No"}));
  Asked.clear();
  Engine().MoveCount = 1;
  AnswerGameMessage(2, true);
  QTest::keyClick(Form.DealBtn, Qt::Key_F2);
  EXPECT_EQ(Asked.value(0), "Deal?");
}

// The desktop's standard keys reach their items from the table, and the
// menus show them.
TEST_F(Form1Test, TheStandardKeysReachTheirItems) {
  const std::pair<QAction*, QKeySequence> items[] = {
      {Form.ContentsMnu, QKeySequence(Qt::Key_F1)},
      {Form.LoadMnu, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {Form.SaveMnu, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {Form.SaveAsMnu, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {Form.ExitMnu, QKeySequence(Qt::CTRL | Qt::Key_Q)},
  };
  for (const auto& [item, keys] : items) {
    SCOPED_TRACE(item->text().toStdString());
    EXPECT_TRUE(item->shortcuts().contains(keys));
    item->disconnect();  // only the item's firing is looked at, not its command
    QSignalSpy fired(item, &QAction::triggered);
    const QKeyCombination key = keys[0];
    Key(key.key(), key.keyboardModifiers());
    EXPECT_EQ(fired.size(), 1);
  }
}

TEST(Form1Layout, TheTableIsLaidOutAt801By472WithTheFrameAtItsPlace) {
  TFakeSoundOutput sound;
  TManualClock clock;
  TForm1 form(&sound, &clock);
  form.show();
  EXPECT_EQ(form.Image1->size(), QSize(801, 472));
  EXPECT_EQ(form.Engine().TablePicture().size(), QSize(801, 472));
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(467, 264));
}

TEST_F(Form1Test, F2DealsAtOnceBeforeAnyGameAndAsksDuringOne) {
  Key(Qt::Key_F2);
  EXPECT_EQ(CardsOnColumns(), 54);
  Engine().MoveCount = 3;

  AnswerGameMessage(2, true);  // Keep Playing this Game
  Key(Qt::Key_F2);
  EXPECT_EQ(Asked, QStringList({"Deal?", "", "OK", "Cancel"}));
  EXPECT_EQ(Engine().MoveCount, 3);

  AnswerGameMessage(0, false);  // Cancel
  QTest::mouseClick(Form.DealBtn, Qt::LeftButton);
  EXPECT_EQ(Engine().MoveCount, 3);

  const TUndoItem start = Engine().GameStart;
  Engine().DealRow();
  AnswerGameMessage(1, true);  // Restart Current Game
  Key(Qt::Key_F2);
  EXPECT_EQ(Engine().MoveCount, 0);
  EXPECT_EQ(Engine().DealCount, 0);
  EXPECT_EQ(CardsOnColumns(), 54);

  AnswerGameMessage(-1, true);  // the choice starts at Start New Game
  Key(Qt::Key_F2);
  EXPECT_EQ(Engine().DealCount, 0);
  EXPECT_EQ(CardsOnColumns(), 54);
  EXPECT_NE(Engine().GameStart.DeckState.DeckArray, start.DeckState.DeckArray);
}

TEST_F(Form1Test, RBeforeAnyDealTellsThereIsNoGameToRestart) {
  AnswerGameMessage(-1, true);
  Key(Qt::Key_R);
  EXPECT_EQ(Asked, QStringList({"Restart", "No Game To Restart", "OK", ""}));
  EXPECT_FALSE(Engine().CardsDealt);
}

TEST_F(Form1Test, RDuringAGameRestartsItOnYes) {
  Key(Qt::Key_F2);
  Engine().DealRow();
  AnswerGameMessage(-1, false);
  Key(Qt::Key_R);
  EXPECT_EQ(Asked, QStringList({"Restart", "Restart Game?", "Yes", "No"}));
  EXPECT_EQ(Engine().DealCount, 1);
  AnswerGameMessage(-1, true);
  Key(Qt::Key_R);
  EXPECT_EQ(Engine().DealCount, 0);
}

TEST_F(Form1Test, ALeftPressAnywhereRaisesTheFireworksStop) {
  FireworksStopRequested = false;
  QTest::mousePress(Form.Panel(ScoreDis), Qt::RightButton);
  EXPECT_FALSE(FireworksStopRequested);
  QTest::mousePress(Form.Panel(ScoreDis), Qt::LeftButton);
  EXPECT_TRUE(FireworksStopRequested);
  QTest::mouseRelease(Form.Panel(ScoreDis), Qt::LeftButton);
  FireworksStopRequested = false;
}

TEST_F(Form1Test, ResizingReFansTheColumns) {
  ArrangeTable(Engine(), {"-KD -QD -JD -10D -9D -8D -7D -6D -5D -4D -3D -2D -AD KS QS JS 10S 9S"});
  const int tall = Engine().PileStep[0];
  Form.resize(1024, 420);
  QApplication::processEvents();
  EXPECT_EQ(Engine().TablePicture().size(), Form.Image1->size());
  EXPECT_LT(Engine().PileStep[0], tall);
  const TCard* top = Engine().Table.TopCard(0);
  EXPECT_LE(top->Position.y() + Engine().Deck().CardHeight(), Form.Image1->height());
}

TEST_F(Form1Test, SoundOffSilencesTheGameButStillStops) {
  Form.DisableSoundMnu->trigger();
  EXPECT_TRUE(Form.Sound().SoundOff);
  Sound.Requests.clear();
  Key(Qt::Key_F2);
  ASSERT_FALSE(Sound.Requests.empty());
  for (const auto& request : Sound.Requests)
    EXPECT_TRUE(request.Wave.isEmpty());
}

TEST_F(Form1Test, OptionsSetTheMarksTheEngineReads) {
  EXPECT_TRUE(Form.VerboseMnu->isChecked());
  Form.AutoMoveMnu->trigger();
  Key(Qt::Key_F2);
  EXPECT_EQ(PanelText(MessageDis), "Click on card to Move");
  const int width = Engine().Deck().CardWidth();
  Form.SmallCardsMnu->trigger();
  EXPECT_TRUE(Form.SmallCardsMnu->isChecked());
  EXPECT_LT(Engine().Deck().CardWidth(), width);
}

TEST_F(Form1Test, EveryMenuItemHasItsCommand) {
  for (QAction* item : {Form.CardBacksMnu, Form.SaveDefaultsMnu, Form.RestoreDefaultsMnu,
                        Form.FactoryDefaultsMnu, Form.AboutMnu, Form.ReloadMnu->menuAction()})
    EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
}

TEST_F(Form1Test, TheLastSuitHomeWinsFlashesTheBannerAndGathersTheCards) {
  ArrangeTable(Engine(), {"KC QC JC 10C 9C 8C 7C 6C 5C 4C 3C 2C AC"},
               {"S", "H", "D", "C", "S", "H", "D"});
  SetGameClockRunning();
  const QColor green = Form.Panel(ErrorDis)->palette().color(QPalette::WindowText);
  Drag(Engine().SlotPoint(0, 0) + QPoint(20, 10), Engine().HomePoint(7) + QPoint(20, 20));

  EXPECT_EQ(Engine().GameState, gsWon);
  EXPECT_EQ(PanelText(ErrorDis), "Congratulations!!");
  EXPECT_EQ(Form.Panel(ErrorDis)->palette().color(QPalette::WindowText), green);
  EXPECT_FALSE(Form.DisplayTimer->isActive());
  EXPECT_FALSE(Form.GameTime->Running());
  EXPECT_EQ(Form.windowTitle(), "Sorvane-32 - 990 points - Deal 0 of 5");
  EXPECT_EQ(CardsOnColumns(), 0);
  // After the win a click on the stock has nothing left to deal.
  Form.VerboseMnu->setChecked(false);
  Click(Engine().DealRect.center());
  EXPECT_EQ(PanelText(ErrorDis), "No More Cards To Deal!");
}

// Presses, moves and releases of either button anywhere on the table, stock
// clicks and undos in any order never lose or double a card.
TEST_F(Form1Test, WildMouseAndUndoKeepEveryCardInExactlyOnePlace) {
  Form.VerboseMnu->setChecked(false);
  Key(Qt::Key_F2);
  std::minstd_rand pick(20261208);
  const auto any = [&pick](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
  const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseMove,
                                QEvent::MouseMove, QEvent::MouseButtonRelease};
  for (int step = 0; step < 1500; ++step) {
    // Half the events aim at a card of the table, the others anywhere.
    const int c = any(Columns);
    const QPoint p = any(2) == 0 ? Engine().SlotPoint(c, any(Engine().Table.PileCount(c) + 1)) +
                                       QPoint(10 + any(50), 5 + any(20))
                                 : QPoint(any(Form.Image1->width() + 40) - 20,
                                          any(Form.Image1->height() + 40) - 20);
    switch (any(40)) {
      case 0:
        Click(Engine().DealRect.center());
        break;
      case 1:
        Key(Qt::Key_Z, Qt::ControlModifier);
        break;
      default:
        SendMouse(Form.Image1, types[any(5)], p, any(4) == 0 ? Qt::RightButton : Qt::LeftButton);
    }
    if (step % 250 == 0)
      ExpectEveryCardOnce(Engine());
    if (step == 750)
      Form.AutoMoveMnu->trigger();  // the game now picks the targets: many more moves
  }
  SendMouse(Form.Image1, QEvent::MouseButtonRelease, QPoint(5, 5));
  ExpectEveryCardOnce(Engine());
  EXPECT_FALSE(Engine().Busy);
}
