// The main window's commands: each hands the work on to the engine or to
// the window that does it.

#include "cards/Sound.h"
#include "ui/mainwindow/Form1.h"
#include "widgets/SubTimer.h"

void TForm1::NewMnuClick() {
  ClearHint();
  FEngine->PromptNewGame();
}

void TForm1::UndoMnuClick() {
  ClearHint();
  FEngine->UndoMove();
}

void TForm1::RedoMnuClick() {
  ClearHint();
  FEngine->RedoMove();
}

void TForm1::SetRedoAvailable(bool available) {
  RedoMnu->setEnabled(available);
}

void TForm1::ReplayMnuClick() {
  ClearHint();
  FEngine->PromptReplay();
}

void TForm1::SmallCardsMnuClick() {
  if (!FEngine->CanStartCommand()) {
    SmallCardsMnu->setChecked(FEngine->SmallCards);
    return;
  }
  FEngine->ApplyCardSize(!FEngine->SmallCards);
}

void TForm1::DisableSoundMnuClick() {
  FSoundPlayer.SoundOff = DisableSoundMnu->isChecked();
  if (FSoundPlayer.SoundOff)
    FSoundPlayer.StopSound();
}

void TForm1::DisplayTimerTimer() {
  GameTime->UpdateDisplay();
  NameTimePanel();
}
