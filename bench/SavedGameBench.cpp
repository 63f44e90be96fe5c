// Saving and loading a game in the middle of play: the whole document
// built and written through a temporary file, and read, checked and put on
// the table (with its full redraw), on a 1280 x 800 table.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "game/GameEngine.h"
#include "game/GameFile.h"
#include "game/RecordingHost.h"

namespace {

// A dealt game after three row deals and a few moves, saved once.
struct TBenchGame {
  TBenchGame() : Engine(Host, Random) {
    Random.SetSeedSource([] { return 4242u; });
    Engine.ResizeTable(QSize(1280, 800));
    Engine.EngineStart();
    Engine.NewGame();
    for (int deal = 0; deal < 3; ++deal)
      Engine.DealRow();
    for (int c = 0; c < Columns; ++c)
      Engine.AutoMove(c);
    Host.ElapsedSeconds = 754.318204;
    Path = Folder.filePath(QStringLiteral("bench.svgm"));
    Engine.SaveGameFile(Path);
  }
  TRecordingHost Host;
  TRandom Random;
  TGameEngine Engine;
  QTemporaryDir Folder;
  QString Path;
};

void SaveGame(benchmark::State& state) {
  TBenchGame game;
  for (auto _ : state)
    game.Engine.SaveGameFile(game.Path);
  state.counters["bytes"] = static_cast<double>(QFileInfo(game.Path).size());
}

// Building the document alone, without the file and its flush to the disk.
void WriteDocument(benchmark::State& state) {
  TBenchGame game;
  for (auto _ : state)
    benchmark::DoNotOptimize(game.Engine.SaveGameDocument());
}

void LoadGame(benchmark::State& state) {
  TBenchGame game;
  for (auto _ : state)
    game.Engine.LoadGameFile(game.Path);
}

// Reading and checking only: what a refused file costs at most.
void ReadAndCheck(benchmark::State& state) {
  TBenchGame game;
  const std::string document = game.Engine.SaveGameDocument();
  for (auto _ : state) {
    const TSavedGame saved =
        ReadGameDocument(document.data(), document.size(), game.Engine.Deck(), {});
    CheckSavedGame(saved, game.Engine.Deck());
    benchmark::DoNotOptimize(saved.CardCounter);
  }
}

BENCHMARK(SaveGame)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadGame)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndCheck)->Unit(benchmark::kMillisecond);

}  // namespace
