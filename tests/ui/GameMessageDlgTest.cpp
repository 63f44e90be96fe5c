// The game's question box: its pages, its buttons and the result it builds.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "ui/UiTestSupport.h"
#include "ui/dialogs/GameMessageDlg.h"
#include "widgets/FancyButton.h"

class GameMessageDlgTest : public ::testing::Test {
 protected:
  TGameMessageDlg Dlg;
};

TEST_F(GameMessageDlgTest, AnEmptyCancelCaptionLeavesOneButtonAndTheCloseBoxCancels) {
  bool okShown = false, cancelShown = true;
  QString text;
  AnswerNextDialog([&](QWidget* dialog) {
    okShown = Dlg.OKBtn->isVisible();
    cancelShown = Dlg.CancelBtn->isVisible();
    text = Dlg.MessDis->text();
    dialog->close();
  });
  const TGameMessageResult result =
      Dlg.ShowGameMessage(gpMessage, "Restart", "No Game To Restart", "OK", "");
  EXPECT_TRUE(okShown);
  EXPECT_FALSE(cancelShown);
  EXPECT_EQ(text, "No Game To Restart");
  EXPECT_EQ(Dlg.windowTitle(), "Restart");
  EXPECT_EQ(result, gmCancel | gmNewGame);
}

TEST_F(GameMessageDlgTest, EveryCallStartsAtTheFirstChoice) {
  AnswerNextDialog([this](QWidget*) {
    EXPECT_EQ(Dlg.PageControl1->currentIndex(), 1);
    Dlg.DealChoices[1]->setChecked(true);
    QTest::mouseClick(Dlg.OKBtn, Qt::LeftButton);
  });
  EXPECT_EQ(Dlg.ShowGameMessage(gpChoice, "Deal?", "", "OK", "Cancel"), gmOK | gmReplay);

  // A message page still reports the choice, reset to the first one.
  AnswerNextDialog([this](QWidget*) {
    EXPECT_EQ(Dlg.PageControl1->currentIndex(), 0);
    QTest::mouseClick(Dlg.OKBtn, Qt::LeftButton);
  });
  EXPECT_EQ(Dlg.ShowGameMessage(gpMessage, "Restart", "Restart Game?", "Yes", "No"),
            gmOK | gmNewGame);
}

TEST_F(GameMessageDlgTest, KeepPlayingWithOKAndAnyChoiceWithCancel) {
  AnswerNextDialog([this](QWidget*) {
    Dlg.DealChoices[2]->setChecked(true);
    QTest::mouseClick(Dlg.OKBtn, Qt::LeftButton);
  });
  EXPECT_EQ(Dlg.ShowGameMessage(gpChoice, "Deal?", "", "OK", "Cancel"), gmOK | gmKeepPlaying);

  AnswerNextDialog([this](QWidget*) {
    EXPECT_TRUE(Dlg.OKBtn->isVisible());
    EXPECT_TRUE(Dlg.CancelBtn->isVisible());
    Dlg.DealChoices[1]->setChecked(true);
    QTest::mouseClick(Dlg.CancelBtn, Qt::LeftButton);
  });
  EXPECT_EQ(Dlg.ShowGameMessage(gpChoice, "Deal?", "", "OK", "Cancel"), gmCancel | gmReplay);
}
