// Measures how long the program takes from the moment it is started to the
// first painted table: it starts as the game starts and prints the time at
// which the table's first paint arrives, counted from the wall-clock time in
// nanoseconds given on the command line (the caller's `date +%s%N` just
// before starting it), then quits.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/StartUp.h"
#include "ui/mainwindow/TableImage.h"

namespace {

class TFirstPaint : public QObject {
 public:
  explicit TFirstPaint(long long startNs) : FStartNs(startNs) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !FSeen) {
      FSeen = true;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
      std::printf("%.1f\n", static_cast<double>(ns - FStartNs) / 1e6);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  long long FStartNs;
  bool FSeen = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sorvane-firstframe start-time-ns\n");
    return 2;
  }
  TFirstPaint firstPaint(std::atoll(argv[1]));
  QApplication app(argc, argv);
  StartUp();
  TForm1 window;
  window.Image1->installEventFilter(&firstPaint);
  window.show();
  return app.exec();
}
