// The hint button, the Hint and Solve items of the Move menu: the hints'
// controller and its display on the table, and the Solve window.

#include "game/HintController.h"
#include "ui/dialogs/SolveDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/HintDisplay.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/FancyButton.h"

void TForm1::MakeHint() {
  FHint = std::make_unique<THintController>(*FEngine, std::make_unique<TThreadSearcher>());
  FHintDisplay = std::make_unique<THintDisplay>(*FEngine, Image1);
  FHint->OnShow = [this](const THint& hint) { FHintDisplay->Show(hint); };
  FHint->OnClear = [this] { FHintDisplay->Clear(); };
  connect(FancyButton1, &QPushButton::clicked, this, &TForm1::HintMnuClick);
}

void TForm1::HintMnuClick() {
  if (FEngine->CanStartCommand() && !FPlayingLine)
    FHint->Press();
}

void TForm1::ClearHint() {
  if (FHintDisplay != nullptr)
    FHintDisplay->Clear();
}

TSolveDlg& TForm1::SolveDlg() {
  if (FSolveDlg == nullptr) {
    FSolveDlg = new TSolveDlg(*FEngine, std::make_unique<TThreadSearcher>(), this);
    FSolveDlg->OnLineFound = [this](const TSolverTable& table,
                                    const std::vector<TSolverMove>& line) {
      FHint->AdoptLine(table, line);
    };
    FSolveDlg->OnPlaying = [this](bool playing) {
      FPlayingLine = playing;
      if (playing)
        ClearHint();
      else
        FEngine->UpdateStatus();  // the prompt of the auto-move mode again
    };
  }
  return *FSolveDlg;
}

void TForm1::SolveMnuClick() {
  if (FEngine->CanStartCommand() && !FPlayingLine)
    SolveDlg().Execute();
}

// Every status refresh may follow a change of the table: the hint and the
// Solve window look at it, and the hint's button and items follow the game.
void TForm1::StatusUpdated() {
  if (FHint == nullptr)
    return;
  FHint->TableMayHaveChanged();
  if (FSolveDlg != nullptr)
    FSolveDlg->TableMayHaveChanged();
  const bool enabled = FHint->Enabled();
  FancyButton1->setEnabled(enabled);
  HintMnu->setEnabled(enabled);
  SolveMnu->setEnabled(enabled);
}
