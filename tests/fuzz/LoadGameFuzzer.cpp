// libFuzzer target: any bytes handed to the saved-game reader as a file's
// contents. A load either succeeds with every card in exactly one place or
// fails with an error and leaves the game on the table exactly as it was.
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

#include "cards/Card.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"

namespace {

struct TFuzzTable {
  TFuzzTable() : Engine(Host) {
    Engine.ResizeTable(QSize(320, 240));
    Engine.EngineStart();
    Engine.NewGame();
  }
  TRecordingHost Host;
  TGameEngine Engine;
};

TFuzzTable* Table = nullptr;

bool SameSnapshot(const TUndoItem& a, const TUndoItem& b) {
  for (size_t p = 0; p < a.Home.size(); ++p)
    for (size_t s = 0; s < a.Home[p].size(); ++s)
      if (a.Home[p][s].Card != b.Home[p][s].Card)
        return false;
  for (size_t c = 0; c < a.Pile.size(); ++c)
    for (size_t r = 0; r < a.Pile[c].size(); ++r)
      if (a.Pile[c][r].Card != b.Pile[c][r].Card ||
          (a.Pile[c][r].Card != nullptr && a.Pile[c][r].FaceUp != b.Pile[c][r].FaceUp))
        return false;
  return a.Counter == b.Counter && a.DealCount == b.DealCount && a.DeckState == b.DeckState;
}

// Every card in one home slot, one column slot or the stock.
bool EveryCardOnce(const TGameEngine& engine) {
  std::vector<int> places(104, 0);
  for (const auto& pile : engine.Table.Home)
    for (const TCard* card : pile)
      if (card != nullptr)
        ++places[static_cast<size_t>(card->Index)];
  for (const auto& column : engine.Table.Pile)
    for (const TCard* card : column)
      if (card != nullptr)
        ++places[static_cast<size_t>(card->Index)];
  const TShuffler& stock = engine.Deck().Shuffler();
  for (int i = 0; i < stock.ShuffleIndex(); ++i)
    ++places[static_cast<size_t>(stock.DeckArray()[static_cast<size_t>(i)])];
  for (int count : places)
    if (count != 1)
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication application(*argc, *argv);
  Table = new TFuzzTable;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TGameEngine& engine = Table->Engine;
  TUndoItem before, startBefore = engine.GameStart;
  engine.SaveItem(before);
  const int32_t counterBefore = engine.CardCounter;
  int progressCalls = 0;
  try {
    engine.LoadGameDocument(reinterpret_cast<const char*>(data), size,
                            [&progressCalls](int) { ++progressCalls; });
  } catch (const std::exception& error) {
    TUndoItem after;
    engine.SaveItem(after);
    if (std::strlen(error.what()) == 0 || !SameSnapshot(before, after) ||
        !SameSnapshot(startBefore, engine.GameStart) || engine.CardCounter != counterBefore)
      std::abort();  // a refused file changed the game, or said nothing
    return 0;
  }
  if (!EveryCardOnce(engine) || engine.GameState != gsPlaying || progressCalls == 0)
    std::abort();
  return 0;
}
