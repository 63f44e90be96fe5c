#include "widgets/RepeatTimer.h"

#include <algorithm>

TQtRepeatTimer::TQtRepeatTimer() {
  QObject::connect(&FTimer, &QTimer::timeout, [this] {
    if (OnTimer)
      OnTimer();
  });
}

void TManualRepeatTimer::Start(int intervalMs) {
  FInterval = std::max(intervalMs, 1);
  FDue = FInterval;
  FActive = true;
}

void TManualRepeatTimer::SetInterval(int intervalMs) {
  FInterval = std::max(intervalMs, 1);
  FDue = FInterval;
}

void TManualRepeatTimer::Advance(int ms) {
  while (FActive && ms >= FDue) {
    ms -= FDue;
    FDue = FInterval;
    if (OnTimer)
      OnTimer();
  }
  if (FActive)
    FDue -= ms;
}
