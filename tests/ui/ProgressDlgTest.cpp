// The loading bar is painted for each new value, and no more often than
// every 50 ms, however many elements the file holds.
#include <gtest/gtest.h>

#include <QEvent>
#include <QProgressBar>

#include "cards/Clock.h"
#include "ui/dialogs/ProgressDlg.h"

namespace {

class TPaintCounter : public QObject {
 public:
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    Paints += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }
};

}  // namespace

TEST(ProgressDlgTest, TheBarIsPaintedForNewValuesOnlyAndAtMostEvery50Ms) {
  const struct {
    const char* Name;
    int Calls, Step, MsApart, Paints;
  } cases[] = {
      {"a game with 200,000 more elements, a second apart", 200004, 25, 1000, 4},
      {"the same, all at once", 200004, 25, 0, 0},
      {"every percent, 10 ms apart", 100, 1, 10, 20},
      {"no change", 1000, 0, 100, 0},
  };
  for (const auto& c : cases) {
    TManualClock clock;
    TProgressDlg progress(nullptr, clock);
    TPaintCounter counter;
    progress.ShowAtZero();
    progress.ProgressBar1->installEventFilter(&counter);
    for (int i = 1; i <= c.Calls; ++i) {
      clock.Delay(c.MsApart);
      progress.SetPosition(i * c.Step);
    }
    EXPECT_EQ(counter.Paints, c.Paints) << c.Name;
    EXPECT_EQ(progress.ProgressBar1->value(), std::min(c.Calls * c.Step, 100)) << c.Name;
  }
}
