#include "game/HintSearch.h"

#include <QMetaObject>

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace {

// The search must never slow the game down: the thread takes only time no
// other thread of the machine wants.
void LowerThisThread() {
#if defined(__linux__)
  sched_param param{};
  param.sched_priority = 0;
  pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
#endif
}

// A search told to stop must get the processor to see it: on a busy machine
// a thread of the lowest priority may wait a long time for its turn.
void RaiseToNormal(std::jthread& thread) {
#if defined(__linux__)
  sched_param param{};
  param.sched_priority = 0;
  pthread_setschedparam(thread.native_handle(), SCHED_OTHER, &param);
#else
  (void)thread;
#endif
}

}  // namespace

TThreadSearcher::~TThreadSearcher() {
  Retire();
  FRetired.clear();  // stop requested; each join is quick
}

void TThreadSearcher::Start(const TSolverTable& table, const TSolveLimits& limits,
                            TPriority priority, TDone done) {
  Retire();
  Reap();
  const uint64_t generation = ++FGeneration;
  FCurrent = std::make_unique<TJob>();
  TJob* job = FCurrent.get();
  job->Thread = std::jthread([this, job, table, limits, priority, generation,
                              done = std::move(done)](std::stop_token stop) {
    if (priority == Lowest)
      LowerThisThread();
    TSolveResult result = Solve(table, limits, stop);
    if (!stop.stop_requested())
      QMetaObject::invokeMethod(
          &FContext,
          [this, generation, done, result = std::move(result)] {
            Finish(generation, result, done);
          },
          Qt::QueuedConnection);
    job->Finished = true;
  });
}

void TThreadSearcher::Cancel() {
  ++FGeneration;
  Retire();
}

void TThreadSearcher::Retire() {
  if (FCurrent == nullptr)
    return;
  FCurrent->Thread.request_stop();
  RaiseToNormal(FCurrent->Thread);
  FRetired.push_back(std::move(FCurrent));
}

void TThreadSearcher::Reap() {
  std::erase_if(FRetired, [](const std::unique_ptr<TJob>& job) { return job->Finished.load(); });
}

bool TThreadSearcher::Idle() {
  Reap();
  return FCurrent == nullptr && FRetired.empty();
}

void TThreadSearcher::Finish(uint64_t generation, const TSolveResult& result, const TDone& done) {
  if (generation != FGeneration)
    return;  // cancelled, or another search started since
  FRetired.push_back(std::move(FCurrent));
  Reap();
  done(result);
}
