// The engine's painting under play: a full table repaint, one frame of a
// drag (repainting what changed, and repainting everything), and a whole new
// deal (54 animated cards, waits taking no time).
#include <benchmark/benchmark.h>

#include "DragFrames.h"
#include "cards/Card.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"

namespace {

struct TBenchTable {
  explicit TBenchTable(QSize size) : Engine(Host, Random) {
    Random.SetSeedSource([] { return 4242u; });
    Engine.ResizeTable(size);
    Engine.EngineStart();
    Engine.NewGame();
    for (int deal = 0; deal < 4; ++deal)
      Engine.DealRow();
  }
  TRecordingHost Host;
  TRandom Random;
  TGameEngine Engine;
};

QSize SizeOf(const benchmark::State& state) {
  return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

void EngineRedraw(benchmark::State& state) {
  TBenchTable table(SizeOf(state));
  table.Engine.FullRepaints = true;
  for (auto _ : state)
    table.Engine.Redraw(true);
}

void DragFrame(benchmark::State& state) {
  TBenchTable table(SizeOf(state));
  RunDragFrames(table.Engine, state);
}

void DragFrameFullRepaint(benchmark::State& state) {
  TBenchTable table(SizeOf(state));
  table.Engine.FullRepaints = true;
  RunDragFrames(table.Engine, state);
}

void NewDeal(benchmark::State& state) {
  TBenchTable table(SizeOf(state));
  for (auto _ : state)
    table.Engine.NewGame();
}

BENCHMARK(EngineRedraw)->Args({1280, 800})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(DragFrame)->Args({1280, 800})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(DragFrameFullRepaint)->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(NewDeal)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
