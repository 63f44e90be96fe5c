#pragma once

#include <QDialog>

class QFrame;
class QProgressBar;

// The small window that shows how far a saved game has loaded: a bar from
// 0 to 100 in a panel, on top of the other windows, shown without waiting.
class TProgressDlg : public QDialog {
 public:
  explicit TProgressDlg(QWidget* parent = nullptr);

  // Shows the window centred on the screen with the bar at 0 and paints it.
  void ShowAtZero();
  // Sets the bar (values beyond 0..100 are held at its ends) and repaints it at once.
  void SetPosition(int percent);

  QFrame* Panel1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
};
