// The winner celebration's costs at 1920 x 1080: its busiest frame (the
// model's step and the full repaint, thousands of sparks) and the fade of
// the table to black.
#include <benchmark/benchmark.h>

#include <QImage>

#include "fireworks/Fade.h"
#include "fireworks/Fireworks.h"
#include "fireworks/RecordingWinnerHost.h"
#include "fireworks/WinnerRockets.h"

namespace {

constexpr uint32_t Seed = 20261208;
const QSize FullHd(1920, 1080);

// A seeded celebration (rockets at frames 0, 10, 20 and 30) stopped at the
// frame with the most particles: the particles and the generator then.
struct TBusiest {
  TRocketList Rockets;
  uint32_t Seed = 0;
  int Frame = 0;
};

TBusiest BusiestFrame() {
  TRandom random;
  random.SetSeed(Seed);
  TFireworks fireworks(random);
  QImage picture(FullHd, QImage::Format_RGB32);
  const TWinnerRockets rockets = InitWinnerRockets();
  TBusiest busiest;
  for (int frame = 0; frame == 0 || fireworks.Rockets.Count() > 0; ++frame) {
    if (frame % 10 == 0 && frame / 10 < WinnerRocketCount)
      fireworks.Launch(picture, rockets[static_cast<size_t>(frame / 10)]);
    if (fireworks.Rockets.Count() > busiest.Rockets.Count())
      busiest = {fireworks.Rockets, random.Seed(), frame};
    fireworks.Advance(picture);
  }
  return busiest;
}

const TBusiest& Busiest() {
  static const TBusiest busiest = BusiestFrame();
  return busiest;
}

void Counters(benchmark::State& state) {
  state.counters["particles"] = Busiest().Rockets.Count();
  state.counters["frame"] = Busiest().Frame;
}

// One whole frame as the celebration runs it: step, repaint, ground check.
void BusiestFrameAdvance(benchmark::State& state) {
  TRandom random;
  TFireworks fireworks(random);
  QImage picture(FullHd, QImage::Format_RGB32);
  for (auto _ : state) {
    state.PauseTiming();
    fireworks.Rockets = Busiest().Rockets;
    random.SetSeed(Busiest().Seed);
    state.ResumeTiming();
    fireworks.Advance(picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
  Counters(state);
}

// The repaint alone: clear, depth sort and every particle.
void BusiestFramePaint(benchmark::State& state) {
  TRandom random;
  random.SetSeed(Busiest().Seed);
  TFireworks fireworks(random);
  fireworks.Rockets = Busiest().Rockets;
  QImage picture(FullHd, QImage::Format_RGB32);
  for (auto _ : state) {
    fireworks.Paint(picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
  Counters(state);
}

// One of the fade's 256 blends over the whole table.
void FadeBlend(benchmark::State& state) {
  QImage picture(FullHd, QImage::Format_RGB32);
  picture.fill(qRgb(0, 128, 0));
  for (auto _ : state) {
    BlendColor(picture, qRgb(0, 0, 0), 17);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

// The whole fade, its 7 ms pauses taking no time.
void WholeFade(benchmark::State& state) {
  QImage picture(FullHd, QImage::Format_RGB32);
  for (auto _ : state) {
    picture.fill(qRgb(0, 128, 0));
    TRecordingWinnerHost host;
    FadeImage(host, picture, qRgb(0, 0, 0), 2000);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

}  // namespace

// Qt spreads large fills over worker threads: the processor time counts
// every thread of the process.
BENCHMARK(BusiestFrameAdvance)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BusiestFramePaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(FadeBlend)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(WholeFade)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
