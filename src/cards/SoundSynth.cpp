#include "cards/SoundSynth.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace SoundSynth {

namespace {

constexpr double FullScale = 32767.0;

void AppendTag(QByteArray& out, const char (&tag)[5]) {
  out.append(tag, 4);
}

template <typename T>
void AppendLittleEndian(QByteArray& out, T value) {
  char bytes[sizeof(T)];
  qToLittleEndian(value, bytes);
  out.append(bytes, sizeof(T));
}

float PeakOf(const std::vector<TSignal>& channels) {
  float peak = 0;
  for (const TSignal& channel : channels)
    for (float sample : channel)
      peak = std::max(peak, std::abs(sample));
  return peak;
}

}  // namespace

int SampleCount(double seconds) {
  return static_cast<int>(std::lround(seconds * SampleRate));
}

double TimeOf(int index) {
  return static_cast<double>(index) / SampleRate;
}

// The "lowbias32" integer mixer: two multiply-xorshift rounds.
uint32_t Hash(uint32_t value) {
  value ^= value >> 16;
  value *= 0x7feb352du;
  value ^= value >> 15;
  value *= 0x846ca68bu;
  value ^= value >> 16;
  return value;
}

float Noise(uint32_t index, uint32_t salt) {
  const uint32_t bits = Hash(index ^ Hash(salt + 0x9e3779b9u));
  // The top 24 bits map exactly onto float steps in -1..1.
  return static_cast<float>(bits >> 8) / 8388608.0f - 1.0f;
}

double Decay(double t, double timeConstant) {
  return t < 0 ? 0 : std::exp(-t / timeConstant);
}

double AttackDecay(double t, double attack, double timeConstant) {
  if (t < 0)
    return 0;
  if (t < attack)
    return t / attack;
  return Decay(t - attack, timeConstant);
}

double Swell(double t, double length) {
  if (t <= 0 || t >= length)
    return 0;
  const double s = std::sin(Pi * t / length);
  return s * s;
}

void FadeEnds(TSignal& signal, double fadeIn, double fadeOut) {
  const int size = static_cast<int>(signal.size());
  const int inLength = std::min(SampleCount(fadeIn), size);
  const int outLength = std::min(SampleCount(fadeOut), size);
  for (int i = 0; i < inLength; ++i)
    signal[i] *= static_cast<float>(0.5 - 0.5 * std::cos(Pi * i / inLength));
  for (int i = 0; i < outLength; ++i)
    signal[size - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(Pi * i / outLength));
}

void MixInto(TSignal& target, const TSignal& source, int offset, float gain) {
  for (size_t i = 0; i < source.size(); ++i) {
    const size_t at = offset + i;
    if (at >= target.size())
      break;
    target[at] += gain * source[i];
  }
}

double TOscillator::Advance(double frequency) {
  const double phase = FPhase;
  FPhase += frequency / SampleRate;
  FPhase -= std::floor(FPhase);
  return phase;
}

float TOscillator::Next(double frequency) {
  return static_cast<float>(std::sin(2 * Pi * Advance(frequency)));
}

float TOnePole::LowPass(float input, double cutoff) {
  const double coefficient = 1 - std::exp(-2 * Pi * cutoff / SampleRate);
  FState += static_cast<float>(coefficient) * (input - FState);
  return FState;
}

float TBandPass::Next(float input, double centre, double q) {
  const float tuning = static_cast<float>(2 * std::sin(Pi * centre / SampleRate));
  const float damping = static_cast<float>(1 / q);
  FLow += tuning * FBand;
  const float high = input - FLow - damping * FBand;
  FBand += tuning * high;
  return FBand;
}

float Harmonics(double phase, double frequency, int count) {
  double sum = 0;
  for (int n = 1; n <= count && n * frequency < SampleRate / 2.0; ++n)
    sum += std::sin(2 * Pi * n * phase) / n;
  return static_cast<float>(sum);
}

std::vector<int16_t> Quantise(const std::vector<TSignal>& channels) {
  const float peak = PeakOf(channels);
  const double scale = peak > 0 ? PeakLevel * FullScale / peak : 0;
  const size_t frames = channels.empty() ? 0 : channels.front().size();
  std::vector<int16_t> samples;
  samples.reserve(frames * channels.size());
  for (size_t frame = 0; frame < frames; ++frame)
    for (const TSignal& channel : channels)
      samples.push_back(static_cast<int16_t>(std::lround(channel[frame] * scale)));
  return samples;
}

QByteArray WaveFile(const std::vector<int16_t>& samples, int channels, int sampleRate) {
  const uint16_t blockAlign = static_cast<uint16_t>(channels * 2);
  const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
  QByteArray out;
  out.reserve(44 + dataSize);
  AppendTag(out, "RIFF");
  AppendLittleEndian<uint32_t>(out, 36 + dataSize);  // the data size is always even
  AppendTag(out, "WAVE");
  AppendTag(out, "fmt ");
  AppendLittleEndian<uint32_t>(out, 16);
  AppendLittleEndian<uint16_t>(out, 1);  // PCM
  AppendLittleEndian<uint16_t>(out, static_cast<uint16_t>(channels));
  AppendLittleEndian<uint32_t>(out, static_cast<uint32_t>(sampleRate));
  AppendLittleEndian<uint32_t>(out, static_cast<uint32_t>(sampleRate) * blockAlign);
  AppendLittleEndian<uint16_t>(out, blockAlign);
  AppendLittleEndian<uint16_t>(out, 16);
  AppendTag(out, "data");
  AppendLittleEndian<uint32_t>(out, dataSize);
  for (int16_t sample : samples)
    AppendLittleEndian<int16_t>(out, sample);
  return out;
}

}  // namespace SoundSynth
