#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// Building blocks for the sound effects: every recording is computed from
// oscillators, envelopes, filters and hash noise, so the same program always
// produces the same bytes and no random generator is involved.
namespace SoundSynth {

// One channel of float samples, nominally in -1..1.
using TSignal = std::vector<float>;

inline constexpr int SampleRate = 22050;
inline constexpr double Pi = 3.14159265358979323846;
// Every recording peaks at half of full scale, about -6 dBFS.
inline constexpr double PeakLevel = 0.5;

// Number of samples in `seconds` at SampleRate.
int SampleCount(double seconds);
// Time in seconds of sample `index`.
double TimeOf(int index);

// A well-mixed 32-bit hash: neighbouring inputs give unrelated outputs.
uint32_t Hash(uint32_t value);
// White noise in -1..1 as a pure function of the sample index; `salt`
// selects an independent noise stream.
float Noise(uint32_t index, uint32_t salt);

// exp(-t / timeConstant), 0 before t = 0.
double Decay(double t, double timeConstant);
// Linear rise over `attack` seconds, then exponential decay.
double AttackDecay(double t, double attack, double timeConstant);
// A smooth bump: 0 at both ends of 0..length, 1 in the middle.
double Swell(double t, double length);

// `seconds` of signal whose sample at index i and time t is sample(i, t).
// Samples are computed in order, so `sample` may keep filter state.
template <typename TSampleFunction>
TSignal Render(double seconds, TSampleFunction sample) {
  TSignal signal(SampleCount(seconds));
  for (int i = 0; i < static_cast<int>(signal.size()); ++i)
    signal[i] = static_cast<float>(sample(i, TimeOf(i)));
  return signal;
}

// Fades both ends with a raised cosine so playback starts and stops
// without a click.
void FadeEnds(TSignal& signal, double fadeIn, double fadeOut);

// Adds `source` times `gain` into `target` from sample `offset` on; what
// falls past the end of `target` is dropped.
void MixInto(TSignal& target, const TSignal& source, int offset, float gain);

// A sine oscillator whose frequency may change every sample (sweeps and
// vibrato stay free of phase jumps).
class TOscillator {
 public:
  // The current phase in cycles (0..1), then advances by one sample.
  double Advance(double frequency);
  float Next(double frequency);

 private:
  double FPhase = 0;  // in cycles, 0..1
};

// First-order low-pass filter; the high-pass is what the low-pass removes.
class TOnePole {
 public:
  float LowPass(float input, double cutoff);
  float HighPass(float input, double cutoff) { return input - LowPass(input, cutoff); }

 private:
  float FState = 0;
};

// A state-variable band-pass whose centre may move every sample. Stable for
// centres below about a sixth of SampleRate.
class TBandPass {
 public:
  float Next(float input, double centre, double q);

 private:
  float FLow = 0, FBand = 0;
};

// A sum of harmonics with amplitudes 1/n, stopping below the Nyquist
// frequency: a soft brass-like tone at `phase` cycles.
float Harmonics(double phase, double frequency, int count);

// Scales all channels together so the loudest sample sits at PeakLevel and
// rounds them to interleaved 16-bit samples. Channels must be equally long.
std::vector<int16_t> Quantise(const std::vector<TSignal>& channels);

// A RIFF WAVE file holding 16-bit PCM samples (interleaved when stereo).
QByteArray WaveFile(const std::vector<int16_t>& samples, int channels, int sampleRate);

}  // namespace SoundSynth
