// The main window's share of a frame: the engine paints the table picture
// and the window shows it at once (a synchronous repaint of the table), at
// a table of 1920 x 1080. Run with QT_SCALE_FACTOR=2 for a screen at 200 %:
// the same table in window pixels, drawn and shown with four times the pixels.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "DragFrames.h"
#include "cards/Clock.h"
#include "cards/Random.h"
#include "cards/Sound.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"

namespace {

// A window whose table is 1920 x 1080, with a dealt game and three row deals.
struct TBenchWindow {
  TBenchWindow() : Form(&Silence, &Clock, nullptr, QString()) {  // no settings file
    TRandom::Program().SetSeedSource([] { return 4242u; });
    Form.show();
    const QSize frame = Form.size() - Form.Image1->size();
    Form.resize(QSize(1920, 1080) + frame);
    QApplication::processEvents();
    Form.Engine().ApplyCardSize(false);  // a scaled offscreen screen is narrow
    Form.Engine().NewGame();
    for (int deal = 0; deal < 4; ++deal)
      Form.Engine().DealRow();
  }
  TSilentOutput Silence;
  TManualClock Clock;
  TForm1 Form;
};

void WindowRedraw(benchmark::State& state) {
  TBenchWindow window;
  window.Form.Engine().FullRepaints = true;
  state.counters["table_width"] = window.Form.Image1->width();
  for (auto _ : state)
    window.Form.Engine().Redraw(true);
}

void WindowDragFrame(benchmark::State& state) {
  TBenchWindow window;
  state.counters["pixel_ratio"] = window.Form.devicePixelRatioF();
  RunDragFrames(window.Form.Engine(), state);
}

void WindowDragFrameFullRepaint(benchmark::State& state) {
  TBenchWindow window;
  window.Form.Engine().FullRepaints = true;
  RunDragFrames(window.Form.Engine(), state);
}

BENCHMARK(WindowRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowDragFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowDragFrameFullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
