#pragma once

#include <QAbstractButton>
#include <functional>
#include <memory>

#include "widgets/RepeatTimer.h"

class QPainter;
class QPalette;

// The face of a small speed button: a raised bevel, or a lowered one while
// it is held down.
void PaintButtonFace(QPainter& painter, const QRect& rect, bool down, const QPalette& palette);

// A flat button that repeats its click while it is held: after InitialDelay
// milliseconds, then every RepeatDelay, for as long as it is shown pressed.
// A release over the button clicks once more, as for any button.
class TAutoButton : public QAbstractButton {
 public:
  explicit TAutoButton(QWidget* parent = nullptr);
  ~TAutoButton() override;

  int InitialDelay() const { return FInitialDelay; }
  void SetInitialDelay(int ms) { FInitialDelay = ms; }
  int RepeatDelay() const { return FRepeatDelay; }
  void SetRepeatDelay(int ms) { FRepeatDelay = ms; }
  bool DoRepeat() const { return FDoRepeat; }
  void SetDoRepeat(bool repeat) { FDoRepeat = repeat; }
  // Repeats also without DoRepeat when Ctrl is held at the press.
  bool ControlRepeat() const { return FControlRepeat; }
  void SetControlRepeat(bool repeat) { FControlRepeat = repeat; }
  // Held with the left button since the press.
  bool Pressed() const { return FPressed; }

  // Makes the repeat timer at the first repeating press; tests hand in a
  // manual timer.
  TRepeatTimerFactory TimerFactory;
  std::function<void()> OnMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void TimerTick();

  int FInitialDelay = 400;
  int FRepeatDelay = 100;
  bool FDoRepeat = false;
  bool FControlRepeat = false;
  bool FPressed = false;
  std::unique_ptr<TRepeatTimer> FRepeatTimer;
};
