// The main window's share of a frame: the engine paints the table picture
// and the window shows it at once (a synchronous repaint of the table), at
// a table of 1920 x 1080.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "cards/Clock.h"
#include "cards/Random.h"
#include "cards/Sound.h"
#include "ui/Form1.h"
#include "ui/TableImage.h"

namespace {

class TSilence : public TSoundOutput {
 public:
  void Play(const QByteArray&, bool) override {}
  void Stop() override {}
};

// A window whose table is 1920 x 1080, with a dealt game and three row deals.
struct TBenchWindow {
  TBenchWindow() : Form(&Silence, &Clock) {
    TRandom::Program().SetSeedSource([] { return 4242u; });
    Form.show();
    const QSize frame = Form.size() - Form.Image1->size();
    Form.resize(QSize(1920, 1080) + frame);
    QApplication::processEvents();
    Form.Engine().NewGame();
    for (int deal = 0; deal < 3; ++deal)
      Form.Engine().DealRow();
  }
  TSilence Silence;
  TManualClock Clock;
  TForm1 Form;
};

void WindowRedraw(benchmark::State& state) {
  TBenchWindow window;
  state.counters["table_width"] = window.Form.Image1->width();
  for (auto _ : state)
    window.Form.Engine().Redraw(true);
}

void WindowDragFrame(benchmark::State& state) {
  TBenchWindow window;
  TGameEngine& engine = window.Form.Engine();
  const QPoint grab = engine.SlotPoint(3, engine.Table.LastRow(3)) + QPoint(20, 20);
  engine.TableMouseDown(mbLeft, grab.x(), grab.y());
  for (int i = 0; i < 12; ++i)
    engine.TableMouseMove(grab.x(), grab.y());
  int step = 0;
  for (auto _ : state) {
    const int dx = (step++ % 200) * 3;
    engine.TableMouseMove(grab.x() + dx, grab.y() + dx / 2);
  }
}

BENCHMARK(WindowRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowDragFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
