// Measures a new game's deal in the real main window, its table at
// 1920 x 1080: the time from the command (the first deal a click on the
// stock, later ones "&Deal Row", F2, after a won game) to the first frame
// painted on the table, and to the end of the deal (its last frame shown),
// with the game's real waits and sound. Prints both in ms, one deal a line, for N deals.
//   sorvane-dealtime N [WIDTH HEIGHT [deals]]
// With a size the window is WIDTH x HEIGHT (fitted cards on, as at a first
// start), and after the deals it is made 100 x 60 pixels smaller and larger
// again, six times, a step of the card size each time: from the resize to
// the first paint of the table laid out for it, in ms; "deals" leaves the
// resizes out.
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/StartUp.h"
#include "ui/mainwindow/TableImage.h"

namespace {

using TClockPoint = std::chrono::steady_clock::time_point;

double MsSince(TClockPoint start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// Notes the first paint of the table after it is armed.
class TFirstPaint : public QObject {
 public:
  void Arm() {
    FStart = std::chrono::steady_clock::now();
    FFirstMs = -1;
  }
  // Only a paint for which `ready` holds counts, and its time is taken
  // once it has been painted.
  void ArmUntilPainted(std::function<bool()> ready) {
    Arm();
    FReady = std::move(ready);
  }
  double FirstMs() const { return FFirstMs; }
  TClockPoint Start() const { return FStart; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || FFirstMs >= 0)
      return QObject::eventFilter(watched, event);
    if (!FReady) {
      FFirstMs = MsSince(FStart);
      return false;
    }
    if (FReady()) {
      watched->event(event);
      FFirstMs = MsSince(FStart);
      return true;
    }
    return false;
  }

 private:
  TClockPoint FStart;
  double FFirstMs = -1;
  std::function<bool()> FReady;
};

void Click(QWidget* widget, QPoint at) {
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
}

// Waits, handling events, until the table has been laid out for the
// window's size and painted.
void TimeResizes(TForm1& window, TFirstPaint& firstPaint) {
  const QSize large = window.size();
  for (int i = 0; i < 6; ++i) {
    const QSize size = i % 2 == 0 ? large - QSize(100, 60) : large;
    firstPaint.ArmUntilPainted([&window, size] {
      return window.size() == size && window.Engine().WindowSize() == window.Image1->size();
    });
    window.resize(size);
    for (int wait = 0; wait < 2000 && firstPaint.FirstMs() < 0; ++wait)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    std::printf("resize to %d x %d (scale %.3f): settled and painted in %.1f ms\n", size.width(),
                size.height(), window.Engine().LayoutScale(), MsSince(firstPaint.Start()));
    std::fflush(stdout);
    QApplication::processEvents();
  }
  window.Engine().GameState = gsWon;  // so that quitting asks nothing
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace

int main(int argc, char** argv) {
  const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  QApplication app(argc, argv);
  StartUp();
  TForm1 window(nullptr, nullptr, nullptr, QString());  // the player's settings left out
  window.show();
  const bool sized = argc > 3;
  const bool resizes = sized && !(argc > 4 && std::string(argv[4]) == "deals");
  window.resize(sized ? QSize(std::atoi(argv[2]), std::atoi(argv[3]))
                      : QSize(1920, 1080) + (window.size() - window.Image1->size()));
  TFirstPaint firstPaint;
  window.Image1->installEventFilter(&firstPaint);
  int done = 0;
  QTimer next;
  next.setSingleShot(true);
  QObject::connect(&next, &QTimer::timeout, [&] {
    QApplication::processEvents();
    firstPaint.Arm();
    if (window.Engine().GameState == gsNoGame) {
      Click(window.Image1, window.Image1->WindowPoint(window.Engine().DealRect.center()));
    } else {
      window.Engine().GameState = gsWon;  // so that the command deals without a question
      window.DealMnu->trigger();
    }
    // The deal's last frame may wait for the screen's next refresh.
    while (window.Engine().FrameHeld())
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    std::printf("deal %d: first frame %.1f ms, whole deal %.1f ms\n", done + 1,
                firstPaint.FirstMs(), MsSince(firstPaint.Start()));
    std::fflush(stdout);
    if (++done < deals)
      next.start(300);
    else if (resizes)
      QTimer::singleShot(300, qApp, [&] { TimeResizes(window, firstPaint); });
    else {
      window.Engine().GameState = gsWon;  // so that quitting asks nothing
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
  });
  next.start(500);
  return app.exec();
}
