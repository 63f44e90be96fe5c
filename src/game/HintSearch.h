#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "solver/Search.h"

// Runs the hint's searches away from the window's thread, one at a time, and
// hands each result back on the thread that started it. The controller of
// the hints talks to this seam only, so tests can answer its searches when
// they choose.
class THintSearcher {
 public:
  enum TPriority { Normal, Lowest };
  using TDone = std::function<void(const TSolveResult&)>;

  virtual ~THintSearcher() = default;
  // Starts searching a copy of `table`; `done` comes later, on the caller's
  // thread. A search still running is cancelled first.
  virtual void Start(const TSolverTable& table, const TSolveLimits& limits, TPriority priority,
                     TDone done) = 0;
  // Stops the running search at once; its `done` never comes.
  virtual void Cancel() = 0;
  virtual bool Running() const = 0;
};

// The program's searcher: each search on a std::jthread of its own, at the
// lowest thread priority when asked, stopped through its stop token. The
// result comes back as a queued call on the window's thread and is dropped
// when the search was cancelled or followed by another. A cancelled thread
// is not waited for: it ends on its own within a few milliseconds and is
// joined later (or when the searcher goes).
class TThreadSearcher final : public THintSearcher {
 public:
  TThreadSearcher() = default;
  ~TThreadSearcher() override;
  TThreadSearcher(const TThreadSearcher&) = delete;
  TThreadSearcher& operator=(const TThreadSearcher&) = delete;

  void Start(const TSolverTable& table, const TSolveLimits& limits, TPriority priority,
             TDone done) override;
  void Cancel() override;
  bool Running() const override { return FCurrent != nullptr; }
  // Whether every thread it started has ended (those are joined now).
  bool Idle();

 private:
  // The thread is declared last so that it is joined before the flag goes.
  struct TJob {
    std::atomic<bool> Finished{false};
    std::jthread Thread;
  };
  void Retire();
  void Reap();
  void Finish(uint64_t generation, const TSolveResult& result, const TDone& done);

  QObject FContext;  // lives on the starting thread; results are queued to it
  std::unique_ptr<TJob> FCurrent;
  std::vector<std::unique_ptr<TJob>> FRetired;
  uint64_t FGeneration = 0;
};

// Runs every search at once on the caller's thread, within its limits:
// for tools that measure and for tests of the window.
class TInlineSearcher final : public THintSearcher {
 public:
  void Start(const TSolverTable& table, const TSolveLimits& limits, TPriority,
             TDone done) override {
    ++Searches;
    done(Solve(table, limits));
  }
  void Cancel() override {}
  bool Running() const override { return false; }
  int Searches = 0;
};
