#pragma once

#include "game/GameEngine.h"

// Holds the engine's Busy flag for a deal, an undo or a replay and clears it
// on every way out, also when an exception passes.
class TGameEngine::TBusyScope {
 public:
  explicit TBusyScope(TGameEngine& engine) : FEngine(engine) { FEngine.Busy = true; }
  ~TBusyScope() { FEngine.Busy = false; }
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;

 private:
  TGameEngine& FEngine;
};
