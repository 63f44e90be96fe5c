#include "ui/celebration/WinnerWindow.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "cards/Clock.h"
#include "cards/Sound.h"
#include "fireworks/FireworksStop.h"

TWinnerWindow::TWinnerWindow(QWidget& window, QWidget& table, TSoundPlayer& sound, TClock& clock,
                             std::function<void()> redrawTable)
    : Sequence(*this),
      FWindow(window),
      FTable(table),
      FSound(sound),
      FClock(clock),
      FRedrawTable(std::move(redrawTable)) {}

void TWinnerWindow::ShowPicture() {
  FTable.update();
}

// Handles what is pending, then sleeps in the event loop until the next
// event or the deadline: the celebration's pauses cost no processor time.
void TWinnerWindow::WaitForMessages(int64_t deadlineMs) {
  if (&FClock != &TSteadyClock::Instance()) {
    // A clock handed in by tests and tools moves only when waited on.
    QCoreApplication::processEvents();
    FClock.SleepUntilMs(deadlineMs);
    return;
  }
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(static_cast<int>(std::max<int64_t>(deadlineMs - FClock.NowMs(), 0)));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TWinnerWindow::PlaySound(int sound) {
  FSound.PlaySound(sound, false);
}

void TWinnerWindow::StopSound() {
  FSound.StopSound();
}

bool TWinnerWindow::StopRequested() const {
  return FireworksStopRequested;
}

void TWinnerWindow::ClearStopRequest() {
  FireworksStopRequested = false;
}

// Closing the main window ends the program; nobody sees the rest.
bool TWinnerWindow::Terminating() const {
  return QCoreApplication::closingDown() || !FWindow.isVisible();
}
