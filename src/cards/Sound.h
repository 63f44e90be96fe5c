#pragma once

#include <QByteArray>

// Where the recordings are played: the window's audio output, or a fake that
// records the requests in tests.
class TSoundOutput {
 public:
  virtual ~TSoundOutput() = default;
  // Starts the wave data and returns at once, replacing whatever plays;
  // with loop set it repeats until stopped or replaced.
  virtual void Play(const QByteArray& wave, bool loop) = 0;
  // Stops whatever plays, also a looping recording.
  virtual void Stop() = 0;
};

// An output that plays nothing, for tools that run the game without sound.
class TSilentOutput : public TSoundOutput {
 public:
  void Play(const QByteArray&, bool) override {}
  void Stop() override {}
};

// The game's two sound operations and the sound-off switch.
class TSoundPlayer {
 public:
  explicit TSoundPlayer(TSoundOutput& output) : FOutput(output) {}

  // Plays sound number 0..9 (TSoundId) unless the sound is off; other
  // numbers play nothing.
  void PlaySound(int sound, bool loop);
  // Works whether or not the sound is off.
  void StopSound();

  bool SoundOff = false;

 private:
  TSoundOutput& FOutput;
};
