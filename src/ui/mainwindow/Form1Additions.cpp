// The main window's commands beside the classic game: dealing a game by its
// number, and later the suits and the statistics; each hands on to the
// engine or to its own window.

#include "ui/dialogs/SelectGameDlg.h"
#include "ui/mainwindow/Form1.h"

TSelectGameDlg& TForm1::SelectGameDlg() {
  if (FSelectGameDlg == nullptr)
    FSelectGameDlg = new TSelectGameDlg(this);
  return *FSelectGameDlg;
}

void TForm1::SelectGameMnuClick() {
  if (!FEngine->CanStartCommand() || !SelectGameDlg().Execute(FEngine->GameNumber))
    return;
  FEngine->DealNumberedGame(FSelectGameDlg->Number());
}
