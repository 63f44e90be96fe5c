#include <gtest/gtest.h>

#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "cards/Sound.h"
#include "cards/SoundBank.h"
#include "cards/SoundIds.h"
#include "cards/SoundRecipes.h"
#include "cards/SoundSynth.h"

namespace {

constexpr int SoundCount = 10;
constexpr double FullScale = 32768.0;

TWaveData ParsedSound(int sound) {
  const std::optional<TWaveData> wave = ParseWave(SoundWave(sound));
  if (!wave) {
    ADD_FAILURE() << SoundNames[sound] << " does not parse";
    return {};
  }
  return *wave;
}

// The 16-bit samples of one channel.
std::vector<int> ChannelSamples(const TWaveData& wave, int channel) {
  std::vector<int> samples;
  const int frameBytes = wave.BytesPerFrame();
  for (int frame = 0; frame < wave.Frames(); ++frame)
    samples.push_back(
        qFromLittleEndian<int16_t>(wave.Samples.constData() + frame * frameBytes + channel * 2));
  return samples;
}

double Energy(const std::vector<int>& samples, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i)
    sum += static_cast<double>(samples[i]) * samples[i];
  return sum;
}

int SignChanges(const std::vector<int>& samples, size_t from, size_t to) {
  int changes = 0;
  for (size_t i = from + 1; i < to; ++i)
    changes += (samples[i - 1] < 0) != (samples[i] < 0);
  return changes;
}

TEST(SoundBankTest, EveryRecordingIsAConsistent16BitPcmWave) {
  for (int sound = 0; sound < SoundCount; ++sound) {
    SCOPED_TRACE(SoundNames[sound]);
    const QByteArray& bytes = SoundWave(sound);
    ASSERT_GE(bytes.size(), 44);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes.constData() + 4), uint32_t(bytes.size() - 8));
    const TWaveData wave = ParsedSound(sound);
    EXPECT_EQ(wave.FormatTag, 1);
    EXPECT_EQ(wave.BitsPerSample, 16);
    EXPECT_EQ(wave.Channels, sound == sndStartMove ? 2 : 1);
    EXPECT_GE(wave.SampleRate, 8000);
    EXPECT_LE(wave.SampleRate, 44100);
    const double seconds = static_cast<double>(wave.Frames()) / wave.SampleRate;
    EXPECT_GE(seconds, 0.03);
    EXPECT_LE(seconds, sound == sndWinner ? 3.0 : 1.2);
  }
}

// The program carries the recordings built in; they are exactly what the
// synthesiser makes.
TEST(SoundBankTest, TheBuiltInRecordingsAreWhatTheSynthesiserMakes) {
  for (int sound = 0; sound < SoundCount; ++sound) {
    const auto channels = SoundRecipes::Synthesise(sound);
    EXPECT_EQ(SoundWave(sound),
              SoundSynth::WaveFile(SoundSynth::Quantise(channels),
                                   static_cast<int>(channels.size()), SoundSynth::SampleRate))
        << SoundNames[sound];
  }
}

TEST(SoundBankTest, FanfareAndRocketLastAboutAsLongAsTheirScenes) {
  const TWaveData winner = ParsedSound(sndWinner), rocket = ParsedSound(sndRocket);
  EXPECT_GE(winner.Frames(), winner.SampleRate);
  EXPECT_GE(rocket.Frames(), rocket.SampleRate * 8 / 10);
}

TEST(SoundBankTest, EveryRecordingPeaksNearMinusSixDecibelsWithoutClipping) {
  for (int sound = 0; sound < SoundCount; ++sound) {
    SCOPED_TRACE(SoundNames[sound]);
    const TWaveData wave = ParsedSound(sound);
    int peak = 0;
    for (int channel = 0; channel < wave.Channels; ++channel)
      for (int sample : ChannelSamples(wave, channel))
        peak = std::max(peak, std::abs(sample));
    EXPECT_GT(peak / FullScale, 0.4);
    EXPECT_LT(peak / FullScale, 0.6);
  }
}

// Quiet ends keep playback free of clicks, and let the looping recordings
// join up with themselves without a jump.
TEST(SoundBankTest, EveryRecordingStartsAndEndsNearSilence) {
  for (int sound = 0; sound < SoundCount; ++sound) {
    SCOPED_TRACE(SoundNames[sound]);
    const TWaveData wave = ParsedSound(sound);
    for (int channel = 0; channel < wave.Channels; ++channel) {
      const std::vector<int> samples = ChannelSamples(wave, channel);
      ASSERT_FALSE(samples.empty());
      EXPECT_LT(std::abs(samples.front()) / FullScale, 0.01);
      EXPECT_LT(std::abs(samples.back()) / FullScale, 0.01);
    }
  }
}

TEST(SoundBankTest, StartMovePansFromLeftToRight) {
  const TWaveData wave = ParsedSound(sndStartMove);
  const std::vector<int> left = ChannelSamples(wave, 0), right = ChannelSamples(wave, 1);
  const size_t third = left.size() / 3, end = left.size();
  EXPECT_GT(Energy(left, 0, third), 2 * Energy(right, 0, third));
  EXPECT_GT(Energy(right, end - third, end), 2 * Energy(left, end - third, end));
}

TEST(SoundBankTest, RocketRisesInPitch) {
  const std::vector<int> samples = ChannelSamples(ParsedSound(sndRocket), 0);
  const size_t quarter = samples.size() / 4;
  EXPECT_GT(SignChanges(samples, 3 * quarter, samples.size()),
            2 * SignChanges(samples, 0, quarter));
}

TEST(SoundBankTest, NamesFindTheSameRecordingsAsNumbersRegardlessOfCase) {
  for (int sound = 0; sound < SoundCount; ++sound) {
    SCOPED_TRACE(SoundNames[sound]);
    const QString name = QString::fromLatin1(SoundNames[sound]);
    EXPECT_EQ(&SoundResource(name), &SoundWave(sound));
    EXPECT_EQ(&SoundResource(name.toLower()), &SoundWave(sound));
  }
  for (int sound = 0; sound < SoundCount; ++sound)
    for (int other = sound + 1; other < SoundCount; ++other)
      EXPECT_NE(SoundWave(sound), SoundWave(other)) << SoundNames[sound] << SoundNames[other];
}

TEST(SoundBankTest, UnknownNamesAndNumbersGiveNoRecording) {
  for (const char* name : {"", "MOVE", "ROCKETS", " DEAL", "0"})
    EXPECT_TRUE(SoundResource(QString::fromLatin1(name)).isEmpty()) << name;
  for (int sound : {-1, SoundCount, INT_MIN, INT_MAX})
    EXPECT_TRUE(SoundWave(sound).isEmpty()) << sound;
}

// --- ParseWave on hand-built files ---

QByteArray Le16(int value) {
  char bytes[2];
  qToLittleEndian<uint16_t>(static_cast<uint16_t>(value), bytes);
  return QByteArray(bytes, 2);
}

QByteArray Le32(uint32_t value) {
  char bytes[4];
  qToLittleEndian<uint32_t>(value, bytes);
  return QByteArray(bytes, 4);
}

QByteArray Chunk(const char* tag, const QByteArray& body) {
  QByteArray chunk = QByteArray(tag, 4) + Le32(body.size()) + body;
  if (body.size() % 2 != 0)
    chunk.append('\0');
  return chunk;
}

QByteArray Riff(const QByteArray& chunks) {
  return "RIFF" + Le32(4 + chunks.size()) + "WAVE" + chunks;
}

struct TFormatFields {
  int Tag = 1, Channels = 1, Rate = 8000, Bits = 16;
  int BlockAlign = -1, ByteRate = -1;  // -1: the consistent value
};

QByteArray FormatChunk(const TFormatFields& fields) {
  const int blockAlign =
      fields.BlockAlign >= 0 ? fields.BlockAlign : fields.Channels * fields.Bits / 8;
  const int byteRate = fields.ByteRate >= 0 ? fields.ByteRate : fields.Rate * blockAlign;
  return Chunk("fmt ", Le16(fields.Tag) + Le16(fields.Channels) + Le32(fields.Rate) +
                           Le32(byteRate) + Le16(blockAlign) + Le16(fields.Bits));
}

const QByteArray FourSamples("\x01\x00\x02\x00\x03\x00\x04\x00", 8);

QByteArray SimpleWave() {
  return Riff(FormatChunk({}) + Chunk("data", FourSamples));
}

TEST(ParseWaveTest, ReadsFormatAndSamplesOfAPlainFile) {
  const std::optional<TWaveData> wave = ParseWave(SimpleWave());
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->FormatTag, 1);
  EXPECT_EQ(wave->Channels, 1);
  EXPECT_EQ(wave->SampleRate, 8000);
  EXPECT_EQ(wave->BitsPerSample, 16);
  EXPECT_EQ(wave->Samples, FourSamples);
  EXPECT_EQ(wave->Frames(), 4);
}

TEST(ParseWaveTest, SkipsUnknownChunksAndTheirPadBytes) {
  const QByteArray wave =
      Riff(Chunk("LIST", "abc") + FormatChunk({.Channels = 2, .Bits = 8}) + Chunk("junk", "z") +
           Chunk("data",
                 "\x80\x81\x82\x83\x84"
                 "\x85"));
  ASSERT_EQ(wave.size() % 2, 0);
  const std::optional<TWaveData> parsed = ParseWave(wave);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->Channels, 2);
  EXPECT_EQ(parsed->BitsPerSample, 8);
  EXPECT_EQ(parsed->Samples, QByteArray("\x80\x81\x82\x83\x84\x85"));
  EXPECT_EQ(parsed->Frames(), 3);
}

TEST(ParseWaveTest, AcceptsAnOddDataChunkWithOrWithoutItsFinalPad) {
  const QByteArray padded = Riff(FormatChunk({.Bits = 8}) + Chunk("data", "\x80\x90\xa0"));
  ASSERT_TRUE(ParseWave(padded));
  EXPECT_EQ(ParseWave(padded)->Samples, QByteArray("\x80\x90\xa0"));
  QByteArray unpadded = padded.chopped(1);
  qToLittleEndian<uint32_t>(uint32_t(unpadded.size() - 8), unpadded.data() + 4);
  ASSERT_TRUE(ParseWave(unpadded));
  EXPECT_EQ(ParseWave(unpadded)->Samples, QByteArray("\x80\x90\xa0"));
}

TEST(ParseWaveTest, RefusesEveryTruncation) {
  const QByteArray wave = SimpleWave();
  for (qsizetype length = 0; length < wave.size(); ++length)
    EXPECT_FALSE(ParseWave(wave.left(length))) << length;
  EXPECT_TRUE(ParseWave(wave));
}

TEST(ParseWaveTest, RefusesWrongMagic) {
  QByteArray riff = SimpleWave(), wave = SimpleWave();
  riff.replace(0, 4, "RIFX");
  wave.replace(8, 4, "AVI ");
  EXPECT_FALSE(ParseWave(riff));
  EXPECT_FALSE(ParseWave(wave));
}

TEST(ParseWaveTest, RefusesChunksReachingPastTheFileOrTheRiffEnd) {
  QByteArray longData = SimpleWave();
  qToLittleEndian<uint32_t>(1000, longData.data() + longData.indexOf("data") + 4);
  EXPECT_FALSE(ParseWave(longData));
  QByteArray hugeData = SimpleWave();
  qToLittleEndian<uint32_t>(0xfffffff0u, hugeData.data() + hugeData.indexOf("data") + 4);
  EXPECT_FALSE(ParseWave(hugeData));
  QByteArray shortRiff = SimpleWave();
  qToLittleEndian<uint32_t>(uint32_t(shortRiff.size() - 8 - 2), shortRiff.data() + 4);
  EXPECT_FALSE(ParseWave(shortRiff));
}

TEST(ParseWaveTest, RefusesMissingOrBrokenChunks) {
  EXPECT_FALSE(ParseWave(Riff(Chunk("data", FourSamples))));
  EXPECT_FALSE(ParseWave(Riff(FormatChunk({}))));
  EXPECT_FALSE(ParseWave(Riff(FormatChunk({}) + Chunk("data", FourSamples) + "xx")));
  EXPECT_FALSE(
      ParseWave(Riff(Chunk("fmt ", Le16(1) + Le16(1) + Le32(8000)) + Chunk("data", FourSamples))));
  EXPECT_FALSE(ParseWave(Riff(FormatChunk({}) + Chunk("data", FourSamples.left(3)))));
}

TEST(ParseWaveTest, RefusesFormatsItCannotPlayOrThatContradictThemselves) {
  const TFormatFields refused[] = {
      {.Tag = 3},   {.Channels = 0}, {.Channels = 3},   {.Rate = 0},
      {.Bits = 24}, {.Bits = 12},    {.BlockAlign = 4}, {.ByteRate = 8000},
  };
  for (const TFormatFields& fields : refused)
    EXPECT_FALSE(ParseWave(Riff(FormatChunk(fields) + Chunk("data", FourSamples))))
        << fields.Tag << " " << fields.Channels << " " << fields.Rate << " " << fields.Bits;
}

// --- TSoundPlayer ---

class TFakeOutput : public TSoundOutput {
 public:
  struct TPlay {
    const QByteArray* Wave;
    bool Loop;
  };
  void Play(const QByteArray& wave, bool loop) override { Plays.push_back({&wave, loop}); }
  void Stop() override { ++Stops; }

  std::vector<TPlay> Plays;
  int Stops = 0;
};

TEST(SoundPlayerTest, PlaysTheNumberedRecordingWithItsLoopFlag) {
  TFakeOutput output;
  TSoundPlayer player(output);
  player.PlaySound(sndDeal, true);
  player.PlaySound(sndError, false);
  player.StopSound();
  ASSERT_EQ(output.Plays.size(), 2u);
  EXPECT_EQ(output.Plays[0].Wave, &SoundWave(sndDeal));
  EXPECT_TRUE(output.Plays[0].Loop);
  EXPECT_EQ(output.Plays[1].Wave, &SoundWave(sndError));
  EXPECT_FALSE(output.Plays[1].Loop);
  EXPECT_EQ(output.Stops, 1);
}

TEST(SoundPlayerTest, SoundOffSilencesPlayingButNotStopping) {
  TFakeOutput output;
  TSoundPlayer player(output);
  player.SoundOff = true;
  player.PlaySound(sndMoveTo, true);
  player.StopSound();
  EXPECT_TRUE(output.Plays.empty());
  EXPECT_EQ(output.Stops, 1);
  player.SoundOff = false;
  player.PlaySound(sndMoveTo, false);
  EXPECT_EQ(output.Plays.size(), 1u);
}

TEST(SoundPlayerTest, NumbersOutsideTheTenPlayNothing) {
  TFakeOutput output;
  TSoundPlayer player(output);
  for (int sound : {-1, SoundCount, INT_MIN, INT_MAX})
    player.PlaySound(sound, false);
  EXPECT_TRUE(output.Plays.empty());
  EXPECT_EQ(output.Stops, 0);
}

}  // namespace
