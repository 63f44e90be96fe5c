// Measures the hint in the real main window: the time from the H key to the
// hint lit on the table (the first hint of a game, which searches, and the
// later ones), and the processor time the background search takes after each
// move the player makes. The player follows the hints: for each of GAMES
// deals (numbered games 1, 2, ...) it presses H, makes the hinted move, waits
// until the background search has ended (at most its 2 s), and presses H
// again, MOVES times a game. Prints one line a press and a summary, with
// the time a cancelled search takes to end.
#include <sys/resource.h>
#include <QApplication>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/HintController.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/HintDisplay.h"
#include "ui/mainwindow/StartUp.h"
#include "ui/mainwindow/TableImage.h"

namespace {

using TSteady = std::chrono::steady_clock;

double MsSince(TSteady::time_point start) {
  return std::chrono::duration<double, std::milli>(TSteady::now() - start).count();
}

double ProcessCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Presses H and waits for the hint to be lit; the time in ms.
double PressH(TForm1& window) {
  const int before = window.HintDisplay().Shows();
  const auto start = TSteady::now();
  QTest::keyClick(&window, Qt::Key_H);
  while (window.HintDisplay().Shows() == before) {
    QApplication::processEvents(QEventLoop::AllEvents, 1);
    if (window.HintDisplay().Shows() == before)
      QThread::usleep(200);
  }
  return MsSince(start);
}

// Waits while the background search runs; its processor time in ms.
double BackgroundCpu(TForm1& window) {
  const double before = ProcessCpuMs();
  QApplication::processEvents();
  while (window.Hint().Searcher().Running()) {
    QThread::msleep(5);
    QApplication::processEvents();
  }
  return ProcessCpuMs() - before;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty())
    return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5)];
}

// How long a search takes to end once cancelled: a long search of the
// table on the window is started, left running for a while, then cancelled;
// the time until its thread has ended, in ms, for each of `times` tries.
std::vector<double> CancelTimes(TForm1& window, int times) {
  std::vector<double> result;
  TThreadSearcher searcher;
  TSolveLimits limits;
  limits.Time = std::chrono::seconds(10);
  for (int i = 0; i < times; ++i) {
    searcher.Start(SolverTableOf(window.Engine()), limits, THintSearcher::Lowest,
                   [](const TSolveResult&) {});
    QThread::msleep(100 + 50 * static_cast<unsigned>(i));
    const auto start = TSteady::now();
    searcher.Cancel();
    while (!searcher.Idle())
      QThread::usleep(100);
    result.push_back(MsSince(start));
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int moves = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  QApplication app(argc, argv);
  StartUp();
  TForm1 window(nullptr, nullptr, nullptr, QString());  // the player's settings left out
  window.show();
  window.resize(QSize(1280, 720) + (window.size() - window.Image1->size()));
  window.activateWindow();
  if (!QTest::qWaitForWindowExposed(&window))
    std::fprintf(stderr, "the window was not shown\n");
  TGameEngine& engine = window.Engine();

  std::vector<double> first, later, cpuOnLine, cpuOffLine;
  int searchesOnLine = 0, searchesOffLine = 0;
  for (int game = 1; game <= games; ++game) {
    engine.DealNumberedGame(static_cast<uint32_t>(game));
    QApplication::processEvents();
    first.push_back(PressH(window));
    std::printf("game %d first hint %.1f ms%s\n", game, first.back(),
                window.Hint().LineKnown() ? " (line known)" : "");
    for (int m = 0; m < moves && engine.GameState == gsPlaying; ++m) {
      const THint hint = window.HintDisplay().Last();
      if (hint.Kind == THint::hkNoMoves)
        break;
      const bool onLine = window.Hint().LineKnown() && hint.FromLine;
      const int searches = window.Hint().SearchesStarted();
      for (const TPlayerAction& action : hint.Clicks)
        PlayAction(engine, action);
      const double cpu = BackgroundCpu(window);
      (onLine ? cpuOnLine : cpuOffLine).push_back(cpu);
      (onLine ? searchesOnLine : searchesOffLine) += window.Hint().SearchesStarted() - searches;
      if (engine.GameState != gsPlaying)
        break;
      later.push_back(PressH(window));
      std::printf("game %d move %d: background %.0f ms of CPU (%s), next hint %.2f ms\n", game,
                  m + 1, cpu, onLine ? "along the line" : "no line known", later.back());
    }
  }
  engine.DealNumberedGame(1);
  const std::vector<double> cancels = CancelTimes(window, 10);
  std::printf("a search cancelled after 100 to 550 ms ends within: median %.2f ms, max %.2f ms\n",
              Percentile(cancels, 0.5), Percentile(cancels, 1));
  std::printf("first hint of a game: median %.1f ms, max %.1f ms over %zu games\n",
              Percentile(first, 0.5), Percentile(first, 1), first.size());
  std::printf("later hints: median %.2f ms, 90th percentile %.2f ms, max %.2f ms over %zu\n",
              Percentile(later, 0.5), Percentile(later, 0.9), Percentile(later, 1), later.size());
  double sumOn = 0, sumOff = 0;
  for (double v : cpuOnLine)
    sumOn += v;
  for (double v : cpuOffLine)
    sumOff += v;
  std::printf(
      "background CPU per move: along a known line %.1f ms (%zu moves), "
      "with no line known %.0f ms (%zu moves)\n",
      cpuOnLine.empty() ? 0 : sumOn / cpuOnLine.size(), cpuOnLine.size(),
      cpuOffLine.empty() ? 0 : sumOff / cpuOffLine.size(), cpuOffLine.size());
  std::printf("searches started after those moves: %d along a line, %d with none known\n",
              searchesOnLine, searchesOffLine);
  return 0;
}
