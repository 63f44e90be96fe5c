#include "widgets/UpDownButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "widgets/ArrowButton.h"

namespace {

constexpr int LeastWidth = 15;

bool IsTabStop(const QWidget* widget) {
  return widget->isEnabled() && widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus);
}

}  // namespace

TUpDownButton::TUpDownButton(QWidget* parent)
    : QWidget(parent), FUpButton(new TArrowButton(this)), FDownButton(new TArrowButton(this)) {
  FUpButton->SetUpArrow(true);
  FFocusedButton = FUpButton;
  setFocusPolicy(Qt::NoFocus);
  setMinimumWidth(LeastWidth);
  for (TArrowButton* button : {FUpButton, FDownButton}) {
    button->SetDoRepeat(true);
    button->installEventFilter(this);
  }
  connect(FUpButton, &QAbstractButton::clicked, this, [this] {
    if (OnUpClick)
      OnUpClick();
  });
  connect(FDownButton, &QAbstractButton::clicked, this, [this] {
    if (OnDownClick)
      OnDownClick();
  });
  resize(17, 23);
}

bool TUpDownButton::Pressed() const {
  return FUpButton->Pressed() || FDownButton->Pressed();
}

bool TUpDownButton::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      (watched == FUpButton || watched == FDownButton))
    ArrowPressed(static_cast<TArrowButton*>(watched));
  return QWidget::eventFilter(watched, event);
}

bool TUpDownButton::TakesFocus() const {
  return IsTabStop(this) && !hasFocus();
}

// The keyboard follows the arrow the player pressed: into the edit the pair
// serves, or else into the pair itself.
void TUpDownButton::ArrowPressed(TArrowButton* button) {
  if (IsTabStop(this))
    SetFocusedButton(button);
  if (FFocusControl != nullptr && IsTabStop(FFocusControl) && !FFocusControl->hasFocus())
    FFocusControl->setFocus(Qt::MouseFocusReason);
  else if (TakesFocus())
    setFocus(Qt::MouseFocusReason);
}

void TUpDownButton::SetFocusedButton(TArrowButton* button) {
  if (FFocusedButton == button)
    return;
  FFocusedButton->SetFocused(false);
  FFocusedButton = button;
  FFocusedButton->SetFocused(hasFocus());
}

// The up button takes the upper half; the down button starts one pixel
// above the up button's bottom, so the two share an edge.
void TUpDownButton::resizeEvent(QResizeEvent*) {
  const int w = std::max(width(), LeastWidth);
  const int upHeight = height() / 2;
  FUpButton->setGeometry(0, 0, w, upHeight);
  FDownButton->setGeometry(0, upHeight - 1, w, height() - upHeight + 1);
}

void TUpDownButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      FFocusedButton->clicked(false);
      break;
    case Qt::Key_Up:
      SetFocusedButton(FUpButton);
      FUpButton->clicked(false);
      break;
    case Qt::Key_Down:
      SetFocusedButton(FDownButton);
      FDownButton->clicked(false);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TUpDownButton::focusInEvent(QFocusEvent* event) {
  FFocusedButton->SetFocused(true);
  QWidget::focusInEvent(event);
}

void TUpDownButton::focusOutEvent(QFocusEvent* event) {
  FFocusedButton->SetFocused(false);
  QWidget::focusOutEvent(event);
}
