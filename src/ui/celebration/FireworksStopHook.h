#pragma once

#include <QObject>

// Sees every event the program's event loop delivers and raises
// FireworksStopRequested on each left-button press, in any window. It never
// swallows an event.
class TFireworksStopHook : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
