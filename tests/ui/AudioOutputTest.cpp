#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QtEndian>
#include <cstring>

#include "cards/SoundBank.h"
#include "cards/SoundIds.h"
#include "ui/mainwindow/AudioOutput.h"

namespace {

QStringList Warnings;

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg)
    Warnings << message;
}

// Without an audio device every call comes back at once and says nothing.
TEST(AudioOutputTest, StaysQuietWithoutADevice) {
  Warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
  {
    TAudioOutput output;
    output.Play(SoundWave(sndDeal), true);
    output.Stop();
    output.Play(SoundWave(sndMoveTo), true);
  }  // destroyed while the loop would play
  qInstallMessageHandler(previous);
  EXPECT_TRUE(Warnings.isEmpty()) << Warnings.join(QLatin1Char('\n')).toStdString();
}

// A sink that takes one format and is pulled by the test as the audio
// system pulls a real one.
class TFakeSink : public TAudioSinkPort {
 public:
  explicit TFakeSink(QAudioFormat takes) : FTakes(takes) {}
  QAudioFormat FormatFor(const QAudioFormat& waveFormat) override {
    return waveFormat == FTakes ? waveFormat : FTakes;
  }
  bool Start(QIODevice* source, const QAudioFormat& format) override {
    Source = source;
    Format = format;
    return true;
  }
  void Stop() override { ++Stops; }
  // What the sink would take in one pull of up to `size` bytes.
  QByteArray Pull(qint64 size) {
    if (Source == nullptr || !Source->isOpen())
      return {};
    QByteArray bytes(size, '\0');
    bytes.truncate(std::max<qint64>(Source->read(bytes.data(), size), 0));
    return bytes;
  }

  QIODevice* Source = nullptr;
  QAudioFormat Format;
  int Stops = 0;

 private:
  QAudioFormat FTakes;
};

QByteArray Repeated(const QByteArray& bytes, qint64 size) {
  QByteArray out;
  while (out.size() < size)
    out += bytes;
  return out.left(size);
}

TEST(AudioOutputTest, PlaysOnceLoopsReplacesAndStopsThroughTheSink) {
  const QByteArray click = SoundWave(sndPlayCard), deal = SoundWave(sndDeal);
  const TWaveData clickData = *ParseWave(click), dealData = *ParseWave(deal);
  auto owned = std::make_unique<TFakeSink>(WaveFormat(clickData));
  TFakeSink& sink = *owned;
  TAudioOutput output(std::move(owned));

  output.Play(click, false);  // once: every sample, then nothing more
  const qint64 size = clickData.Samples.size();
  EXPECT_EQ(sink.Format, WaveFormat(clickData));
  EXPECT_EQ(sink.Pull(size + 100), clickData.Samples);
  EXPECT_EQ(sink.Pull(100), QByteArray());

  output.Play(deal, true);  // looping: the samples again and again
  const qint64 pulled = dealData.Samples.size() * 2 + 7;
  EXPECT_EQ(sink.Pull(pulled), Repeated(dealData.Samples, pulled));

  output.Play(click, false);  // a new sound replaces the loop from its start
  EXPECT_EQ(sink.Pull(64), clickData.Samples.left(64));
  const int stops = sink.Stops;
  output.Stop();
  EXPECT_EQ(sink.Stops, stops + 1);
  EXPECT_EQ(sink.Pull(64), QByteArray());

  output.Play(QByteArray("not a wave"), true);  // nothing to play: stays stopped
  EXPECT_EQ(sink.Pull(64), QByteArray());
}

TEST(AudioOutputTest, ConvertsForASinkThatTakesAnotherFormat) {
  QAudioFormat stereoFloat;
  stereoFloat.setSampleRate(44100);
  stereoFloat.setChannelCount(2);
  stereoFloat.setSampleFormat(QAudioFormat::Float);
  auto owned = std::make_unique<TFakeSink>(stereoFloat);
  TFakeSink& sink = *owned;
  TAudioOutput output(std::move(owned));
  const QByteArray click = SoundWave(sndPlayCard);
  output.Play(click, false);
  EXPECT_EQ(sink.Format, stereoFloat);
  const QByteArray expected = ConvertSamples(*ParseWave(click), stereoFloat);
  EXPECT_EQ(sink.Pull(expected.size() + 8), expected);
}

QByteArray ReadAll(TPcmSource& source, qint64 size) {
  QByteArray bytes(size, '\0');
  bytes.truncate(source.read(bytes.data(), size));
  return bytes;
}

TEST(PcmSourceTest, RunsOutOnceOrWrapsAroundWhenLooping) {
  TPcmSource source;
  source.Load("abcd", false);
  EXPECT_EQ(ReadAll(source, 3), "abc");
  EXPECT_EQ(ReadAll(source, 10), "d");
  EXPECT_EQ(ReadAll(source, 10), "");
  source.Load("abcd", true);
  EXPECT_EQ(ReadAll(source, 3), "abc");
  EXPECT_EQ(ReadAll(source, 10), "dabcdabcda");
  EXPECT_GT(source.bytesAvailable(), 0);
  source.Load(QByteArray(), true);
  EXPECT_EQ(ReadAll(source, 10), "");
}

TWaveData MonoWave16(std::initializer_list<int16_t> samples, int rate) {
  TWaveData wave{
      .FormatTag = 1, .Channels = 1, .SampleRate = rate, .BitsPerSample = 16, .Samples = {}};
  for (int16_t sample : samples) {
    char bytes[2];
    qToLittleEndian(sample, bytes);
    wave.Samples.append(bytes, 2);
  }
  return wave;
}

QAudioFormat Format(int rate, int channels, QAudioFormat::SampleFormat sampleFormat) {
  QAudioFormat format;
  format.setSampleRate(rate);
  format.setChannelCount(channels);
  format.setSampleFormat(sampleFormat);
  return format;
}

template <typename T>
std::vector<T> Values(const QByteArray& bytes) {
  std::vector<T> values(bytes.size() / sizeof(T));
  std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(T));
  return values;
}

TEST(ConvertSamplesTest, DoublesRateAndCopiesMonoToBothChannels) {
  const TWaveData wave = MonoWave16({0, 16384, -32768}, 22050);
  const std::vector<float> out =
      Values<float>(ConvertSamples(wave, Format(44100, 2, QAudioFormat::Float)));
  const std::vector<float> expected = {0,      0,      0.25f, 0.25f, 0.5f, 0.5f,
                                       -0.25f, -0.25f, -1,    -1,    -1,   -1};
  EXPECT_EQ(out, expected);
}

TEST(ConvertSamplesTest, FoldsStereoToMonoAndRewritesTheSampleType) {
  const TWaveData stereo{.FormatTag = 1,
                         .Channels = 2,
                         .SampleRate = 8000,
                         .BitsPerSample = 8,
                         .Samples = QByteArray("\x80\xff\x00\x80", 4)};
  const std::vector<int16_t> out =
      Values<int16_t>(ConvertSamples(stereo, Format(8000, 1, QAudioFormat::Int16)));
  const std::vector<int16_t> expected = {16256, -16384};
  EXPECT_EQ(out, expected);
}

TEST(ConvertSamplesTest, GivesNothingForAnUnusableTarget) {
  const TWaveData wave = MonoWave16({1, 2}, 22050);
  EXPECT_TRUE(ConvertSamples(wave, QAudioFormat()).isEmpty());
  EXPECT_TRUE(ConvertSamples(wave, Format(0, 2, QAudioFormat::Int16)).isEmpty());
  EXPECT_TRUE(ConvertSamples(TWaveData{}, Format(44100, 2, QAudioFormat::Int16)).isEmpty());
}

}  // namespace
