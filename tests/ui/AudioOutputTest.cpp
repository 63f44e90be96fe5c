#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QtEndian>
#include <cstring>

#include "cards/SoundBank.h"
#include "cards/SoundIds.h"
#include "ui/AudioOutput.h"

namespace {

QStringList Warnings;

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg)
    Warnings << message;
}

// This machine has no audio device: every call must come back at once,
// leave nothing playing behind and say nothing.
TEST(AudioOutputTest, PlaysLoopsReplacesAndStopsQuietlyWithoutADevice) {
  Warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
  {
    TAudioOutput output;
    output.Stop();
    output.Play(SoundWave(sndPlayCard), false);
    output.Play(SoundWave(sndDeal), true);
    output.Play(SoundWave(sndMoveTo), true);
    QCoreApplication::processEvents();
    output.Stop();
    output.Stop();
    output.Play(QByteArray("not a wave"), false);
    output.Play(QByteArray(), true);
    output.Play(SoundWave(sndDeal), true);
    QCoreApplication::processEvents();
  }  // destroyed while the loop plays
  qInstallMessageHandler(previous);
  EXPECT_TRUE(Warnings.isEmpty()) << Warnings.join(QLatin1Char('\n')).toStdString();
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
