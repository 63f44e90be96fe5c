// How many deals the solver proves winnable: for each seed of a range, the
// driver's deal ("seed N", "new"), one search within the budget on one
// core, and every winning line played back on the engine to check it wins.
// Prints the shares won, lost and unknown, the median and 90th percentile of
// the time of the wins, and the peak memory of the process.
//
//   solve_rate [budget_ms=2000] [first_seed=1] [last_seed=200] [max_tables=0]
//
// A limit of tables (0: none) makes a run repeatable on a busy machine.
#include <sys/resource.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/GameEngine.h"
#include "game/RecordingHost.h"
#include "game/SolverBridge.h"

namespace {

struct TTally {
  int Won = 0, Lost = 0, Unknown = 0, Failed = 0;
  std::vector<double> WinMs;
};

bool ReplayWins(TGameEngine& engine, const std::vector<TSolverMove>& line) {
  for (const TPlayerAction& action : LineActions(engine, line))
    PlayAction(engine, action);
  return engine.GameState == gsWon && engine.CardCounter == 0;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty())
    return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
  return values[at];
}

void SolveSeed(uint32_t seed, int budgetMs, int64_t maxTables, TTally& tally) {
  TRandom::Program().SetSeedSource([seed] { return seed; });
  TRecordingHost host;
  TGameEngine engine(host);
  engine.ResizeTable(QSize(800, 520));
  engine.EngineStart();
  engine.NewGame();
  TSolveLimits limits;
  limits.Time = std::chrono::milliseconds(budgetMs);
  limits.MaxNodes = maxTables;
  const auto start = std::chrono::steady_clock::now();
  const TSolveResult result = Solve(SolverTableOf(engine), limits);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const char* word = "unknown";
  if (result.Status == TSolveStatus::Won) {
    const bool wins = ReplayWins(engine, result.Line);
    word = wins ? "won" : "FAILED";
    ++(wins ? tally.Won : tally.Failed);
    tally.WinMs.push_back(ms);
  } else if (result.Status == TSolveStatus::Lost) {
    word = "lost";
    ++tally.Lost;
  } else {
    ++tally.Unknown;
  }
  std::printf("seed %u: %s in %.0f ms, %lld tables, line %zu\n", seed, word, ms,
              static_cast<long long>(result.Nodes), result.Line.size());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const int budgetMs = argc > 1 ? std::atoi(argv[1]) : 2000;
  const int first = argc > 2 ? std::atoi(argv[2]) : 1;
  const int last = argc > 3 ? std::atoi(argv[3]) : 200;
  const int64_t maxTables = argc > 4 ? std::atoll(argv[4]) : 0;
  TTally tally;
  for (int seed = first; seed <= last; ++seed)
    SolveSeed(static_cast<uint32_t>(seed), budgetMs, maxTables, tally);
  const double deals = last - first + 1;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "budget %d ms, seeds %d..%d: won %d (%.1f %%), lost %d (%.1f %%), unknown %d (%.1f %%), "
      "replay failures %d\nwins: median %.0f ms, 90th percentile %.0f ms; peak memory %ld MiB\n",
      budgetMs, first, last, tally.Won, 100 * tally.Won / deals, tally.Lost,
      100 * tally.Lost / deals, tally.Unknown, 100 * tally.Unknown / deals, tally.Failed,
      Percentile(tally.WinMs, 0.5), Percentile(tally.WinMs, 0.9), usage.ru_maxrss / 1024);
  return tally.Failed == 0 ? 0 : 1;
}
