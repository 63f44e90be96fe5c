// Makes the picture of a game in progress for the documentation: the real
// main window with a fixed deal, a few moves and one row dealt, written as
// PNG. Run it under a display server (scripts/screenshot does, under Xvfb).
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <cstdio>

#include "cards/Clock.h"
#include "cards/Random.h"
#include "cards/Sound.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/StartUp.h"

namespace {

// A few sensible moves: every column whose top run can go somewhere, twice over.
void PlaySomeMoves(TGameEngine& engine) {
  for (int round = 0; round < 2; ++round)
    for (int c = 0; c < Columns; ++c)
      engine.AutoMove(c);
}

QImage Capture(QWidget& window) {
  if (QScreen* screen = window.screen()) {
    const QPixmap shot = screen->grabWindow(window.winId());
    if (!shot.isNull())
      return shot.toImage();
  }
  return window.grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sorvane-screenshot picture.png\n");
    return 2;
  }
  QApplication app(argc, argv);
  StartUp();
  TRandom::Program().SetSeedSource([] { return 20261208u; });
  TSilentOutput silence;
  TManualClock clock;
  TForm1 form(&silence, &clock, nullptr, QString());  // the player's settings left out
  form.setGeometry(0, 0, 1024, 700);
  form.show();
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();

  form.VerboseMnu->setChecked(false);  // refused auto-moves must not stop the run with a box
  TGameEngine& engine = form.Engine();
  engine.NewGame();
  PlaySomeMoves(engine);
  engine.DealRow();
  PlaySomeMoves(engine);
  engine.UpdateStatus();
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();

  const QImage picture = Capture(form);
  if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
