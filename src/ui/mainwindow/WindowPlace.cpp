#include "ui/mainwindow/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The least of a window that must show on a screen to be grabbed and used.
constexpr QSize UsablePart{160, 100};
// Farther than any desktop reaches, and a frame there still fits an int.
constexpr qint64 FarOff = 1 << 24;

bool UsableOn(const QRect& frame, const QRect& screen) {
  const QRect seen = frame & screen;
  return frame.top() >= screen.top() &&
         seen.width() >= std::min(frame.width(), UsablePart.width()) &&
         seen.height() >= std::min(frame.height(), UsablePart.height());
}

QRect CentredOn(const QRect& screen, const QSize& size) {
  QRect frame(QPoint(0, 0), size.boundedTo(screen.size()));
  frame.moveCenter(screen.center());
  return frame;
}

}  // namespace

QRect FitOnScreen(const QRect& frame, const QRect& screen) {
  QRect fitted(frame.topLeft(), frame.size().boundedTo(screen.size()));
  fitted.moveLeft(std::clamp(fitted.left(), screen.left(), screen.right() + 1 - fitted.width()));
  fitted.moveTop(std::clamp(fitted.top(), screen.top(), screen.bottom() + 1 - fitted.height()));
  return fitted;
}

QRect ReachablePlace(const QRect& frame, const QList<QRect>& screens) {
  if (screens.isEmpty())
    return frame;
  for (const QRect& screen : screens) {
    if (!UsableOn(frame, screen))
      continue;
    if (frame.width() <= screen.width() && frame.height() <= screen.height())
      return frame;
    return CentredOn(screen, frame.size());
  }
  return CentredOn(screens.front(), frame.size());
}

QRect FrameFromSettings(const QRect& frame, int clientHeight, int leastClientHeight,
                        int screenHeight, QPoint position) {
  qint64 height = frame.height();
  if (screenHeight > 0)
    height = std::max<qint64>(screenHeight, leastClientHeight) + frame.height() - clientHeight;
  const auto near = [](qint64 value, qint64 low) {
    return static_cast<int>(std::clamp<qint64>(value, low, FarOff));
  };
  return {near(position.x(), -FarOff), near(position.y(), -FarOff), frame.width(), near(height, 1)};
}

void PresentSideWindow(QWidget& window, bool& placed) {
  if (!placed) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      window.move(screen->geometry().center() - window.rect().center());
    placed = true;
  }
  window.show();
  window.raise();
  window.activateWindow();
}
