#include "fireworks/RecordingWinnerHost.h"

void TRecordingWinnerHost::WaitForMessages(int64_t deadlineMs) {
  ++MessageRounds;
  if (OnMessages)
    OnMessages();
  FClock.SleepUntilMs(deadlineMs);
}
