// The winner celebration in the main window: won by a drag, watched at its
// rocket sounds, where the player presses keys, clicks or closes the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "cards/Clock.h"
#include "cards/Sound.h"
#include "cards/SoundBank.h"
#include "cards/SoundIds.h"
#include "fireworks/Fade.h"
#include "fireworks/FireworksStop.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/celebration/WinnerWindow.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"

namespace {

// Records the sounds and lets the test act when a rocket leaves.
class TRocketWatch : public TFakeSoundOutput {
 public:
  void Play(const QByteArray& wave, bool loop) override {
    TFakeSoundOutput::Play(wave, loop);
    if (wave == SoundWave(sndRocket) && ++Rockets == 2 && OnSecondRocket)
      OnSecondRocket();
  }
  int Count(int sound) const {
    return static_cast<int>(std::count_if(Requests.begin(), Requests.end(),
                                          [sound](auto& r) { return r.Wave == SoundWave(sound); }));
  }
  int Rockets = 0;
  std::function<void()> OnSecondRocket;
};

class WinnerWindowTest : public ::testing::Test {
 protected:
  WinnerWindowTest() : Form(&Sound, &Clock) {
    Form.resize(1024, 720);
    Form.show();
    Form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    Form.VerboseMnu->setChecked(true);
  }

  TGameEngine& Engine() { return Form.Engine(); }
  QString Error() { return Form.Panel(ErrorDis)->text(); }
  void Click(QPoint p) {
    SendMouse(Form.Image1, QEvent::MouseButtonPress, p);
    SendMouse(Form.Image1, QEvent::MouseButtonRelease, p);
  }
  // Sends the last suit home: the game is won and the celebration runs.
  void WinTheGame() {
    ArrangeTable(Engine(), {"KC QC JC 10C 9C 8C 7C 6C 5C 4C 3C 2C AC"},
                 {"S", "H", "D", "C", "S", "H", "D"});
    const QPoint from = Engine().SlotPoint(0, 0) + QPoint(20, 10);
    const QPoint to = Engine().HomePoint(7) + QPoint(20, 20);
    SendMouse(Form.Image1, QEvent::MouseButtonPress, from);
    for (int i = 1; i <= 15; ++i)
      SendMouse(Form.Image1, QEvent::MouseMove, from + (to - from) * i / 15);
    SendMouse(Form.Image1, QEvent::MouseButtonRelease, to);
  }
  bool EndsWithAStop() const {
    return !Sound.Requests.empty() && Sound.Requests.back().Wave.isEmpty();
  }

  TRocketWatch Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(WinnerWindowTest, AWonGameShowsTheFireworksOnTheTableThenRedrawsIt) {
  QRgb during = 0;
  int dialogs = 0;
  Sound.OnSecondRocket = [&] {
    during = Engine().TablePicture().pixel(3, 3);
    // No command starts meanwhile: no deal, no question, no restart. A
    // dialog that opened would be counted and closed from its own loop.
    const auto closeAnyDialog = [&dialogs] {
      QTimer::singleShot(0, [&dialogs] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
          ++dialogs;
          dialog->close();
        }
      });
    };
    closeAnyDialog();
    QTest::keyClick(Form.Image1, Qt::Key_F2);
    closeAnyDialog();
    QTest::keyClick(Form.Image1, Qt::Key_R);
    Form.SmallCardsMnu->trigger();
    QApplication::processEvents();
  };
  WinTheGame();
  EXPECT_EQ(during, qRgb(0, 0, 0));  // the table faded to black
  EXPECT_EQ(Sound.Count(sndRocket), 4);
  EXPECT_EQ(Sound.Count(sndWinner), 1);
  EXPECT_TRUE(EndsWithAStop());
  EXPECT_EQ(dialogs, 0);
  EXPECT_FALSE(Form.SmallCardsMnu->isChecked());
  EXPECT_EQ(Engine().GameState, gsWon);
  // Redrawn: the table is green again and commands run.
  EXPECT_EQ(Engine().TablePicture().pixel(3, Engine().TablePicture().height() - 3),
            qRgb(0, 128, 0));
  EXPECT_TRUE(Engine().TablePicture() == Engine().PaintedInFull());
  EXPECT_TRUE(Engine().CanStartCommand());
  QApplication::processEvents();
}

TEST_F(WinnerWindowTest, AClickEndsTheCelebrationWithoutTouchingTheTable) {
  Sound.OnSecondRocket = [this] { Click(Engine().DealRect.center()); };
  WinTheGame();
  EXPECT_EQ(Sound.Count(sndRocket), 2);
  EXPECT_EQ(Sound.Count(sndWinner), 0);
  EXPECT_TRUE(EndsWithAStop());
  EXPECT_EQ(Error(), "Congratulations!!");  // the stock click dealt nothing
  EXPECT_TRUE(Engine().CanStartCommand());
}

TEST_F(WinnerWindowTest, ClosingTheWindowEndsTheCelebrationQuietly) {
  Sound.OnSecondRocket = [this] { Form.close(); };
  WinTheGame();
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Sound.Count(sndRocket), 2);
  EXPECT_TRUE(EndsWithAStop());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(Engine().CanStartCommand());
}

// On the program's own clock the pauses sleep in the event loop: events are
// handled as they come, and the loop wakes only for them and the deadline.
TEST(WinnerWindowWaitTest, APauseSleepsUntilItsDeadlineHandlingEventsOnTheWay) {
  class TCountingWindow : public TWinnerWindow {
   public:
    using TWinnerWindow::TWinnerWindow;
    void WaitForMessages(int64_t deadlineMs) override {
      ++Rounds;
      TWinnerWindow::WaitForMessages(deadlineMs);
    }
    int Rounds = 0;
  };
  QWidget window;
  TSilentOutput silence;
  TSoundPlayer sound(silence);
  TClock& clock = TSteadyClock::Instance();
  TCountingWindow host(window, window, sound, clock, [] {});
  bool handled = false;
  QTimer::singleShot(5, [&handled] { handled = true; });
  const int64_t start = clock.NowMs();
  DelayWithMessages(host, 40);
  EXPECT_TRUE(handled);
  EXPECT_GE(clock.NowMs() - start, 40);
  EXPECT_LT(host.Rounds, 20);  // a busy wait would go round thousands of times
}

}  // namespace
