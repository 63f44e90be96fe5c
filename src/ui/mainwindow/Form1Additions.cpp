// The main window's commands beside the classic game: dealing a game by its
// number, and later the suits and the statistics; each hands on to the
// engine or to its own window.

#include <QActionGroup>
#include <QMenu>

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

void TForm1::MakeSuitsMenu(QMenu* options) {
  SuitsMnu = options->addMenu(QStringLiteral("S&uits"));
  auto* group = new QActionGroup(SuitsMnu);
  const auto add = [this, group](const QString& caption, int suits) {
    QAction* item = SuitsMnu->addAction(caption);
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, suits] { SuitsMnuClick(suits); });
    return item;
  };
  OneSuitMnu = add(QStringLiteral("&One Suit (Spades)"), 1);
  TwoSuitsMnu = add(QStringLiteral("&Two Suits (Hearts and Spades)"), 2);
  FourSuitsMnu = add(QStringLiteral("&Four Suits"), 4);
  FourSuitsMnu->setChecked(true);
}

// The game on the table keeps its suits; the panel says when the choice
// takes effect.
void TForm1::SuitsMnuClick(int suits) {
  FEngine->NextSuits = suits;
  const QString words = suits == 1   ? QStringLiteral("one suit")
                        : suits == 2 ? QStringLiteral("two suits")
                                     : QStringLiteral("four suits");
  SetPanelText(ErrorDis, QStringLiteral("The next new game deals ") + words);
}

void TForm1::CheckSuits(int suits) {
  (suits == 1 ? OneSuitMnu : suits == 2 ? TwoSuitsMnu : FourSuitsMnu)->setChecked(true);
}
