// The winner celebration in the real main window, for the documentation:
//   sorvane-celebration measure          wins a game on the program's own
//       clock and prints the wall and processor time of the celebration;
//   sorvane-celebration picture out.png  wins a game on a clock that waits
//       in zero time and writes the window at the celebration's fullest.
// Run it under a display server (scripts/measure-celebration does, under
// Xvfb); the picture also works on the offscreen platform.
#include <QApplication>
#include <QImage>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "cards/Clock.h"
#include "cards/Random.h"
#include "cards/Sound.h"
#include "game/GameEngine.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/StartUp.h"

namespace {

constexpr uint32_t Seed = 20261208;

// Seven suits home and the last one, King down to Ace, alone in the first
// column: one move from the win.
void ArrangeLastMove(TGameEngine& engine) {
  ClearTable(engine.Table);
  const int lastPack = 1, lastSuit = 2;  // the second pack's clubs
  int home = 0;
  for (int pack = 0; pack < 2; ++pack)
    for (int suit = 0; suit < 4; ++suit) {
      if (pack == lastPack && suit == lastSuit)
        continue;
      for (int rank = 0; rank < 13; ++rank) {
        TCard& card = engine.Deck().Card(pack * 52 + suit * 13 + rank);
        card.FaceUp = true;
        engine.Table.HomeSlot(home, rank) = &card;
      }
      ++home;
    }
  for (int row = 0; row < 13; ++row) {
    TCard& card = engine.Deck().Card(lastPack * 52 + lastSuit * 13 + 12 - row);
    card.FaceUp = true;
    engine.Table.Slot(0, row) = &card;
  }
  TDeckState state;
  for (int i = 0; i < 104; ++i)
    state.DeckArray.push_back(i);
  state.ShuffleIndex = 0;
  engine.Deck().Shuffler().SetState(state);
  engine.GameState = gsPlaying;
  engine.CardsDealt = true;
  engine.CardCounter = 13;
  engine.Relayout();
  engine.Redraw(true);
  engine.ResetUndo();
}

// Clicks the King, then the last home pile: the game is won.
void PlayTheLastMove(TGameEngine& engine) {
  const QPoint king = engine.SlotPoint(0, 0) + QPoint(20, 10);
  const QPoint home = engine.HomePoint(7) + QPoint(20, 20);
  engine.TableMouseDown(mbLeft, king.x(), king.y());
  engine.TableMouseUp(king.x(), king.y());
  engine.TableMouseDown(mbLeft, home.x(), home.y());
  engine.TableMouseUp(home.x(), home.y());
}

double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
  return static_cast<double>(TSteadyClock::Instance().NowMs()) / 1000.0;
}

void Settle() {
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
}

// Samples four times a second whether the celebration runs (no command
// can start then): from the first sample that sees it to the last.
int Measure(TForm1& form) {
  double cpuStart = -1, wallStart = 0, cpuEnd = 0, wallEnd = 0, cpuFaded = -1, wallFaded = 0;
  QTimer sampler;
  sampler.setInterval(250);
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    if (form.Engine().CanStartCommand())
      return;
    cpuEnd = ProcessSeconds();
    wallEnd = WallSeconds();
    if (cpuStart < 0) {
      cpuStart = cpuEnd;
      wallStart = wallEnd;
    }
    // The fade is over once the background is black.
    if (cpuFaded < 0 && form.Engine().TablePicture().pixel(0, 0) == qRgb(0, 0, 0)) {
      cpuFaded = cpuEnd;
      wallFaded = wallEnd;
    }
  });
  sampler.start();
  PlayTheLastMove(form.Engine());
  if (cpuStart < 0 || cpuFaded < 0 || wallEnd == wallStart) {
    std::fprintf(stderr, "the celebration was not seen\n");
    return 1;
  }
  const auto report = [](const char* what, double wall, double cpu) {
    std::printf("%s: %.1f s, processor %.0f ms (%.1f %% of one core)\n", what, wall, cpu * 1000,
                100 * cpu / wall);
  };
  report("celebration", wallEnd - wallStart, cpuEnd - cpuStart);
  report("  fade", wallFaded - wallStart, cpuFaded - cpuStart);
  report("  fireworks", wallEnd - wallFaded, cpuEnd - cpuFaded);
  return 0;
}

// Keeps the window as it looks at the frame with the most lit pixels.
int Picture(TForm1& form, const char* path) {
  QImage fullest;
  qsizetype mostLit = 0;
  QTimer watcher;
  watcher.setInterval(0);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    const QImage& table = form.Engine().TablePicture();
    // After the fade the background is black and only sparks are lit.
    if (form.Engine().CanStartCommand() || table.pixel(0, 0) != qRgb(0, 0, 0))
      return;
    qsizetype lit = 0;
    for (int y = 0; y < table.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(table.constScanLine(y));
      for (int x = 0; x < table.width(); ++x)
        lit += (row[x] & 0xffffff) != 0 ? 1 : 0;
    }
    if (lit > mostLit) {
      mostLit = lit;
      fullest = form.grab().toImage();
    }
  });
  watcher.start();
  PlayTheLastMove(form.Engine());
  if (fullest.isNull() || !fullest.save(QString::fromLocal8Bit(path))) {
    std::fprintf(stderr, "could not write %s\n", path);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool measure = argc == 2 && QByteArray(argv[1]) == "measure";
  const bool picture = argc == 3 && QByteArray(argv[1]) == "picture";
  if (!measure && !picture) {
    std::fprintf(stderr, "usage: sorvane-celebration measure | picture out.png\n");
    return 2;
  }
  QApplication app(argc, argv);
  StartUp();
  TRandom::Program().SetSeed(Seed);
  TSilentOutput silence;
  TManualClock clock;
  TForm1 form(picture ? &silence : nullptr, picture ? &clock : nullptr, nullptr, QString());
  form.setGeometry(0, 0, 1024, 700);
  form.show();
  Settle();
  ArrangeLastMove(form.Engine());
  Settle();
  return measure ? Measure(form) : Picture(form, argv[2]);
}
