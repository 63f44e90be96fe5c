#pragma once

// Helpers for tests that drive real windows on the offscreen platform.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "cards/Sound.h"
#include "ui/mainwindow/TableImage.h"

// A sound output that records what it is asked to play.
class TFakeSoundOutput : public TSoundOutput {
 public:
  struct TRequest {
    QByteArray Wave;  // empty for a stop
    bool Loop;
  };
  void Play(const QByteArray& wave, bool loop) override { Requests.push_back({wave, loop}); }
  void Stop() override { Requests.push_back({QByteArray(), false}); }
  std::vector<TRequest> Requests;
};

// Runs `answer` on the next modal window as soon as it is open, so a test can
// answer a dialog that a command shows with exec().
inline void AnswerNextDialog(std::function<void(QWidget*)> answer) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [answer, poll] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      answer(dialog);
      *poll = nullptr;  // breaks the cycle that keeps the poll alive
    } else {
      QTimer::singleShot(5, *poll);
    }
  };
  QTimer::singleShot(0, *poll);
}

// A mouse event as the window system would deliver it, through the
// application so that its event filters see it.
// A point on the table is given in table pixels, as the engine lays it out;
// with fitted cards the window's pixel for it is sent.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos,
                      Qt::MouseButton button = Qt::LeftButton) {
  if (const auto* table = dynamic_cast<const TTableImage*>(widget))
    pos = table->WindowPoint(pos);
  const Qt::MouseButtons held =
      type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
  QMouseEvent event(type, pos, widget->mapToGlobal(pos),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
