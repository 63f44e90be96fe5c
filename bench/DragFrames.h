#pragma once

// Times one pointer move of a drag per iteration: the five top cards of
// column 3 (its first face-up card and four row deals) are picked up, follow
// the pointer past the start of the drag, then keep moving across the table.
#include <benchmark/benchmark.h>

#include "game/GameEngine.h"

inline void RunDragFrames(TGameEngine& engine, benchmark::State& state) {
  const QPoint grab = engine.SlotPoint(3, engine.Table.LastRow(3) - 4) + QPoint(20, 10);
  engine.TableMouseDown(mbLeft, grab.x(), grab.y());
  for (int i = 0; i < 12; ++i)
    engine.TableMouseMove(grab.x(), grab.y());
  int step = 0;
  for (auto _ : state) {
    const int dx = (step++ % 200) * 3;
    engine.TableMouseMove(grab.x() + dx, grab.y() + dx / 2);
  }
}
