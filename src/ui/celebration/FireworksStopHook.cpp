#include "ui/celebration/FireworksStopHook.h"

#include <QMouseEvent>

#include "fireworks/FireworksStop.h"

bool TFireworksStopHook::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    FireworksStopRequested = true;
  return QObject::eventFilter(watched, event);
}
