// The whole celebration on a host that waits in zero time.
#include <gtest/gtest.h>

#include <QImage>
#include <stdexcept>

#include "cards/SoundIds.h"
#include "fireworks/RecordingWinnerHost.h"
#include "fireworks/Winner.h"

namespace {

constexpr int FadeEndMs = 256 * 7;

class WinnerTest : public ::testing::Test {
 protected:
  WinnerTest() : Sequence(Host, Random), Picture(640, 480, QImage::Format_RGB32) {
    Random.SetSeed(99);
    Picture.fill(qRgb(0, 128, 0));
    Host.OnMessages = [this] { Watch(); };
  }

  // The animation frame now waiting, or -1 during the fade.
  int Frame() {
    const int64_t now = Host.Clock().NowMs();
    return now < FadeEndMs ? -1 : static_cast<int>((now - FadeEndMs) / 100);
  }
  int FrameOf(int64_t ms) const { return static_cast<int>((ms - FadeEndMs) / 100); }
  void Watch() {
    AlwaysRunning = AlwaysRunning && Sequence.FireworksRunning();
    const TFireworks* fireworks = Sequence.Fireworks();
    if (fireworks == nullptr || Frame() < 0)
      return;
    LastFrame = Frame();
    LastCount = fireworks->Rockets.Count();
    int rockets = 0;
    for (int i = 0; i < fireworks->Rockets.Count(); ++i)
      rockets += fireworks->Rockets[i].Name.IsEmpty() ? 0 : 1;
    RocketsAt.resize(static_cast<size_t>(LastFrame) + 1, -1);
    RocketsAt[static_cast<size_t>(LastFrame)] = rockets;
    if (OnFrame)
      OnFrame(LastFrame);
  }

  TRandom Random;
  TRecordingWinnerHost Host;
  TWinnerSequence Sequence;
  QImage Picture;
  bool AlwaysRunning = true;
  int LastFrame = -1;
  int LastCount = -1;
  std::vector<int> RocketsAt;  // rockets (not stars or sparks) in the air, by frame
  std::function<void(int)> OnFrame;
};

TEST_F(WinnerTest, RocketsLeaveEveryTenFramesTheWinnerSoundFollowsAndTheLastSparkEndsIt) {
  OnFrame = [this](int frame) { Host.Stop = frame == 400; };  // ends a run that would not
  Sequence.ShowWinner(Picture);
  ASSERT_EQ(Host.Sounds.size(), 6u);
  const int expected[] = {sndRocket, sndRocket, sndRocket, sndRocket, sndWinner};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(Host.Sounds[i].Sound, expected[i]);
    EXPECT_EQ(FrameOf(Host.Sounds[i].AtMs), static_cast<int>(i) * 10);
  }
  EXPECT_EQ(Host.Sounds[5].Sound, -1);
  for (int frame = 0; frame < 60; ++frame)
    EXPECT_EQ(RocketsAt[static_cast<size_t>(frame)], std::min(frame / 10 + 1, 4)) << frame;
  EXPECT_EQ(Sequence.WinnerRockets[2].Name.ToString(), "Yellow/Green");
  // It ran until nothing was left, within the 25 s the sparks can live.
  EXPECT_EQ(LastCount, 0);
  EXPECT_GT(LastFrame, 120);
  EXPECT_LT(LastFrame, 250);
  EXPECT_TRUE(AlwaysRunning);
  EXPECT_FALSE(Sequence.FireworksRunning());
  EXPECT_EQ(Sequence.Fireworks(), nullptr);
  EXPECT_EQ(Host.Redraws, 1);
}

TEST_F(WinnerTest, APressDuringTheFadeIsIgnoredAndOneDuringTheFireworksEndsThem) {
  OnFrame = [this](int frame) {
    if (frame == 5)
      Host.Stop = true;
  };
  Host.Stop = true;  // pressed during the fade
  Sequence.ShowWinner(Picture);
  EXPECT_EQ(LastFrame, 5);
  EXPECT_EQ(FrameOf(Host.Sounds.back().AtMs), 6);  // after frame 5's pause
  EXPECT_EQ(Host.Sounds.back().Sound, -1);
  EXPECT_EQ(Host.Redraws, 1);
  EXPECT_FALSE(Sequence.FireworksRunning());
}

TEST_F(WinnerTest, ClosingTheProgramEndsItAtTheNextCheck) {
  OnFrame = [this](int frame) { Host.Closing = frame == 12; };
  Sequence.ShowWinner(Picture);
  EXPECT_EQ(LastFrame, 12);
  EXPECT_EQ(Host.Sounds.size(), 3u);  // two rockets and the stop
  EXPECT_EQ(Host.Sounds.back().Sound, -1);
  EXPECT_FALSE(Sequence.FireworksRunning());
}

// A host whose sound output fails at the winner sound.
class TFailingHost : public TRecordingWinnerHost {
 public:
  void PlaySound(int sound) override {
    TRecordingWinnerHost::PlaySound(sound);
    if (sound == sndWinner)
      throw std::runtime_error("no sound");
  }
};

TEST_F(WinnerTest, AnErrorStillStopsTheSoundAndClearsTheFlagButSkipsTheRedraw) {
  TFailingHost host;
  TWinnerSequence sequence(host, Random);
  EXPECT_THROW(sequence.ShowWinner(Picture), std::runtime_error);
  EXPECT_EQ(host.Sounds.back().Sound, -1);
  EXPECT_FALSE(sequence.FireworksRunning());
  EXPECT_EQ(sequence.Fireworks(), nullptr);
  EXPECT_EQ(host.Redraws, 0);
}

}  // namespace
