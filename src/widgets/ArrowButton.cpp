#include "widgets/ArrowButton.h"

#include <QPainter>

namespace {

const QColor ArrowBlack(0, 0, 0);
const QColor ArrowGrey(128, 128, 128);

// A triangle of four rows, 7, 5, 3 and 1 pixels wide, centred on x0 + 3;
// `baseY` is the row of the wide edge and `step` goes towards the tip.
void FillTriangle(QPainter& painter, int x0, int baseY, int step, const QColor& colour) {
  for (int i = 0; i < 4; ++i)
    painter.fillRect(QRect(x0 + i, baseY + step * i, 7 - 2 * i, 1), colour);
}

// A rectangle of every other pixel, on a white ground.
void DottedRect(QPainter& painter, const QRect& rect) {
  if (rect.width() < 1 || rect.height() < 1)
    return;
  int n = 0;
  const auto dot = [&painter, &n](int x, int y) {
    painter.fillRect(QRect(x, y, 1, 1), n++ % 2 == 0 ? Qt::black : Qt::white);
  };
  for (int x = rect.left(); x < rect.right(); ++x)
    dot(x, rect.top());
  for (int y = rect.top(); y < rect.bottom(); ++y)
    dot(rect.right(), y);
  for (int x = rect.right(); x > rect.left(); --x)
    dot(x, rect.bottom());
  for (int y = rect.bottom(); y > rect.top(); --y)
    dot(rect.left(), y);
}

}  // namespace

void PaintArrowButton(QPainter& painter, const QRect& rect, const TArrowButtonState& state,
                      const QPalette& palette) {
  PaintButtonFace(painter, rect, state.Down, palette);
  const QColor colour = state.Enabled ? ArrowBlack : ArrowGrey;
  const int x0 = rect.left() + (rect.width() - 7) / 2;
  const int y0 = rect.top() + (rect.height() - 3) / 2;
  if (state.UpArrow)
    FillTriangle(painter, x0, y0 - 1 + 3, -1, colour);
  else
    FillTriangle(painter, x0, y0, 1, colour);
  if (state.Focused) {
    QRect focus = rect.adjusted(3, 3, -3, -3);
    if (state.Down)
      focus.translate(1, 1);
    DottedRect(painter, focus);
  }
}

TArrowButton::TArrowButton(QWidget* parent) : TAutoButton(parent) {}

void TArrowButton::SetUpArrow(bool up) {
  if (FUpArrow == up)
    return;
  FUpArrow = up;
  update();
}

void TArrowButton::SetFocused(bool focused) {
  if (FFocused == focused)
    return;
  FFocused = focused;
  update();
}

void TArrowButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintArrowButton(painter, rect(), {FUpArrow, isEnabled(), isDown(), FFocused}, palette());
}
