#pragma once

#include <QWidget>
#include <functional>

#include "fireworks/Winner.h"
#include "fireworks/WinnerHost.h"

class TClock;
class TSoundPlayer;

// The winner celebration on the main window: the table shows the picture,
// the event loop runs while the celebration waits, sleeping between events,
// and the celebration stops on a left press anywhere or when the window
// closes.
class TWinnerWindow : public TWinnerHost {
 public:
  TWinnerWindow(QWidget& window, QWidget& table, TSoundPlayer& sound, TClock& clock,
                std::function<void()> redrawTable);

  TWinnerSequence Sequence;

  void ShowPicture() override;
  void WaitForMessages(int64_t deadlineMs) override;
  TClock& Clock() override { return FClock; }
  void PlaySound(int sound) override;
  void StopSound() override;
  bool StopRequested() const override;
  void ClearStopRequest() override;
  bool Terminating() const override;
  void RedrawTable() override { FRedrawTable(); }

 private:
  QWidget& FWindow;
  QWidget& FTable;
  TSoundPlayer& FSound;
  TClock& FClock;
  std::function<void()> FRedrawTable;
};
