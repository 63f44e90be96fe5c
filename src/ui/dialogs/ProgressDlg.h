#pragma once

#include <QDialog>
#include <cstdint>

#include "cards/Clock.h"

class QFrame;
class QProgressBar;

// The small window that shows how far a saved game has loaded: a bar from
// 0 to 100 in a panel, on top of the other windows, shown without waiting.
class TProgressDlg : public QDialog {
 public:
  explicit TProgressDlg(QWidget* parent = nullptr, TClock& clock = TSteadyClock::Instance());

  // Shows the window centred on the screen with the bar at 0 and paints it.
  void ShowAtZero();
  // Sets the bar (values beyond 0..100 are held at its ends). A new value is
  // painted at once, but no sooner than RepaintInterval after the last
  // painting: a file with many elements calls this for each of them.
  void SetPosition(int percent);

  static constexpr int64_t RepaintIntervalMs = 50;

  QFrame* Panel1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;

 private:
  void Repaint();

  TClock& FClock;
  int64_t FPaintedAt = 0;
};
