// Entry point of the benchmark programs: a GUI application on the offscreen
// platform, since the card pictures are drawn with Qt's painter; a widget
// application for the benchmarks of the window.
#include <benchmark/benchmark.h>

#include <cstdlib>
#ifdef SORVANE_BENCH_WIDGETS
#include <QApplication>
using TBenchApplication = QApplication;
#else
#include <QGuiApplication>
using TBenchApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TBenchApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
