// The main window's share of a frame: the engine paints the table picture
// and the window shows it at once (a synchronous repaint of the table), at
// a table of 1920 x 1080. Run with QT_SCALE_FACTOR=2 for a screen at 200 %:
// the same table in window pixels, drawn and shown with four times the pixels.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "DragFrames.h"
#include "cards/Clock.h"
#include "cards/Random.h"
#include "cards/Sound.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"

namespace {

// The main window showing every frame at once, even one that comes sooner
// than its screen could show it: each frame's painting is timed.
class TEveryFrameForm : public TForm1 {
 public:
  using TForm1::TForm1;
  bool FrameDue() override { return true; }
};

// A window whose table is 1920 x 1080 (or a window of `window` pixels,
// fitted cards on), with a dealt game and three row deals.
struct TBenchWindow {
  explicit TBenchWindow(QSize window = QSize())
      : Form(&Silence, &Clock, nullptr, QString()) {  // no settings file
    TRandom::Program().SetSeedSource([] { return 4242u; });
    Form.show();
    const QSize frame = Form.size() - Form.Image1->size();
    Form.resize(window.isValid() ? window : QSize(1920, 1080) + frame);
    QApplication::processEvents();
    Form.Engine().ApplyCardSize(false);  // a scaled offscreen screen is narrow
    Form.Engine().NewGame();
    for (int deal = 0; deal < 4; ++deal)
      Form.Engine().DealRow();
  }
  TSilentOutput Silence;
  TManualClock Clock;
  TEveryFrameForm Form;
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

// Fitted cards in a window of range(0) x range(1) pixels.
TBenchWindow* FitWindow(benchmark::State& state) {
  auto* window =
      new TBenchWindow(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  state.counters["scale"] = window->Form.Engine().LayoutScale();
  return window;
}

void WindowFitDragFrame(benchmark::State& state) {
  std::unique_ptr<TBenchWindow> window(FitWindow(state));
  RunDragFrames(window->Form.Engine(), state);
}

// A resize to a window 100 x 60 pixels smaller and back, each settled: the
// table laid out and drawn for the new size (the cards a step smaller or
// larger, so their pictures drawn again) and shown.
void WindowFitResize(benchmark::State& state) {
  std::unique_ptr<TBenchWindow> window(FitWindow(state));
  TForm1& form = window->Form;
  const QSize sizes[2] = {form.size() - QSize(100, 60), form.size()};
  int next = 0;
  for (auto _ : state) {
    form.resize(sizes[next]);
    next = 1 - next;
    do
      QApplication::processEvents();
    while (form.Engine().WindowSize() != form.Image1->size());
  }
  state.counters["other_scale"] = form.Engine().LayoutScale();
}

// A new deal with fitted cards, its waits taking no time: the painting and
// showing of its frames, each shown at once as on the screen.
void WindowFitNewDeal(benchmark::State& state) {
  std::unique_ptr<TBenchWindow> window(FitWindow(state));
  for (auto _ : state)
    window->Form.Engine().NewGame();
}

BENCHMARK(WindowFitDragFrame)
    ->Args({1900, 1000})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowFitNewDeal)->Args({1900, 1000})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(WindowFitResize)->Args({1900, 1000})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(WindowRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowDragFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowDragFrameFullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
