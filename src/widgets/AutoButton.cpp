#include "widgets/AutoButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

void PaintButtonFace(QPainter& painter, const QRect& rect, bool down, const QPalette& palette) {
  if (rect.isEmpty())
    return;
  painter.fillRect(rect, palette.color(QPalette::Button));
  const QColor light = palette.color(QPalette::Light);
  const QColor dark = palette.color(QPalette::Dark);
  const QColor topLeft = down ? dark : light;
  const QColor bottomRight = down ? light : dark;
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
  painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
  painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
  painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

TAutoButton::TAutoButton(QWidget* parent)
    : QAbstractButton(parent), TimerFactory([] { return std::make_unique<TQtRepeatTimer>(); }) {
  setFocusPolicy(Qt::NoFocus);
}

TAutoButton::~TAutoButton() = default;

void TAutoButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    FPressed = true;
  QAbstractButton::mousePressEvent(event);
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  if (!FPressed || !(FDoRepeat || (FControlRepeat && ctrl)))
    return;
  if (FRepeatTimer == nullptr) {
    FRepeatTimer = TimerFactory();
    FRepeatTimer->OnTimer = [this] { TimerTick(); };
  }
  FRepeatTimer->Start(FInitialDelay);
}

void TAutoButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    FPressed = false;
  QAbstractButton::mouseReleaseEvent(event);
  if (FRepeatTimer != nullptr)
    FRepeatTimer->Stop();
  if (OnMouseUp)
    OnMouseUp();
}

// Clicks only while the button still looks pressed: a pointer dragged off
// the button pauses the repeat until it comes back.
void TAutoButton::TimerTick() {
  FRepeatTimer->SetInterval(FRepeatDelay);
  if (!isDown() || !FPressed)
    return;
  try {
    emit clicked(false);
  } catch (...) {
    FRepeatTimer->Stop();
    throw;
  }
}

void TAutoButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintButtonFace(painter, rect(), isDown(), palette());
}
