#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <memory>

#include "cards/Sound.h"
#include "cards/SoundBank.h"

// Hands raw PCM bytes to an audio sink as it asks for them; when looping it
// starts again from the beginning instead of running out.
class TPcmSource : public QIODevice {
 public:
  // Replaces the bytes and reopens the source at their start. The size
  // should be whole frames so that a loop stays aligned.
  void Load(const QByteArray& pcm, bool loop);

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray FPcm;
  qint64 FPosition = 0;
  bool FLoop = false;
};

// Where a sound's bytes go: the system's audio sink, which pulls them from a
// source as it plays, or a stand-in that tests pull from themselves.
class TAudioSinkPort {
 public:
  virtual ~TAudioSinkPort() = default;
  // The format to play a wave of `waveFormat` in: the wave's own when the
  // device takes it, else the device's preferred one; invalid with no device.
  virtual QAudioFormat FormatFor(const QAudioFormat& waveFormat) = 0;
  // Starts pulling from `source` in `format`; false when playing failed.
  virtual bool Start(QIODevice* source, const QAudioFormat& format) = 0;
  virtual void Stop() = 0;
};

// The system's default audio output through a Qt audio sink.
std::unique_ptr<TAudioSinkPort> MakeDeviceSink();

// Plays the recordings one at a time, without waiting for them: a new sound
// replaces the one playing, a looping one runs until stopped or replaced.
// With no output device it stays silent.
class TAudioOutput : public TSoundOutput {
 public:
  explicit TAudioOutput(std::unique_ptr<TAudioSinkPort> sink = MakeDeviceSink());
  ~TAudioOutput() override;

  void Play(const QByteArray& wave, bool loop) override;
  void Stop() override;

 private:
  // Declared before the sink, so the sink that reads from it goes first.
  std::unique_ptr<TPcmSource> FSource;
  std::unique_ptr<TAudioSinkPort> FSink;
};

// The audio format the wave's samples are stored in.
QAudioFormat WaveFormat(const TWaveData& wave);
// The wave's samples turned into `format`: channels mapped (mono is copied
// to every channel, stereo folds to mono), sample rate changed by linear
// interpolation and samples rewritten in the target sample type.
QByteArray ConvertSamples(const TWaveData& wave, const QAudioFormat& format);
