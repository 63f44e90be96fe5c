#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "game/HintSearch.h"
#include "game/SolverBridge.h"

class QLabel;
class QPushButton;
class TGameEngine;

// The Solve window: a small modeless window that searches the table for a
// way to win with a long budget, says what it found, and plays a found line
// on the table through the game's own clicks (so every move can be undone).
// A change of the table while it searches starts the search again on the new
// table; a change after an answer makes the answer stale: it says so and
// offers to search again.
class TSolveDlg : public QDialog {
 public:
  static constexpr std::chrono::milliseconds Budget{10000};

  TSolveDlg(TGameEngine& engine, std::unique_ptr<THintSearcher> searcher,
            QWidget* parent = nullptr);
  ~TSolveDlg() override;

  // Shows the window and searches the table as it is now.
  void Execute();
  // After every status refresh of the main window.
  void TableMayHaveChanged();

  // A winning line was found for `table` (the hints follow it).
  std::function<void(const TSolverTable&, const std::vector<TSolverMove>&)> OnLineFound;
  // True while the line is played, false when it ends or is stopped.
  std::function<void(bool)> OnPlaying;
  // The pause between two moves played, so the eye can follow.
  int StepPauseMs = 400;

  void SetSearcher(std::unique_ptr<THintSearcher> searcher);
  bool Searching() const { return FState == Searching_; }
  bool Playing() const { return FState == Playing_; }

  QLabel* Message = nullptr;
  QPushButton* PlayBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* CloseBtn = nullptr;

 protected:
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum TState { Idle_, Searching_, Answered_, Stale_, Playing_ };
  void StartSearch();
  void SearchDone(const TSolveResult& result);
  void ShowProgress();
  void CancelClick();
  void PlayClick();
  void PlayStep();
  void StopPlaying();
  void SetState(TState state, const QString& text);

  TGameEngine& FEngine;
  std::unique_ptr<THintSearcher> FSearcher;
  TState FState = Idle_;
  TSolverTable FTable;
  std::vector<TSolverMove> FLine;
  std::vector<TPlayerAction> FActions;
  size_t FNext = 0;
  bool FStopAsked = false;
  QTimer FProgress;
  QElapsedTimer FElapsed;
};
