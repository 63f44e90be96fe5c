#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <memory>

#include "cards/Sound.h"
#include "cards/SoundBank.h"

class QAudioSink;

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

// Plays the recordings on the system's default audio output, one at a time,
// without waiting for them. With no output device it stays silent.
class TAudioOutput : public TSoundOutput {
 public:
  TAudioOutput();
  ~TAudioOutput() override;

  void Play(const QByteArray& wave, bool loop) override;
  void Stop() override;

 private:
  // Keeps the sink when device and format are unchanged, as most plays are.
  void PrepareSink(const QAudioDevice& device, const QAudioFormat& format);

  // Declared before the sink, so the sink that reads from it goes first.
  std::unique_ptr<TPcmSource> FSource;
  std::unique_ptr<QAudioSink> FSink;
  QAudioDevice FSinkDevice;
};

// The audio format the wave's samples are stored in.
QAudioFormat WaveFormat(const TWaveData& wave);
// The wave's samples turned into `format`: channels mapped (mono is copied
// to every channel, stereo folds to mono), sample rate changed by linear
// interpolation and samples rewritten in the target sample type.
QByteArray ConvertSamples(const TWaveData& wave, const QAudioFormat& format);
