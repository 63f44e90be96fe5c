#pragma once

#include "widgets/AutoButton.h"

// How an arrow button is drawn.
struct TArrowButtonState {
  bool UpArrow = false;
  bool Enabled = true;
  bool Down = false;     // held down
  bool Focused = false;  // the keyboard acts on this button of its pair
};

// Draws an arrow button into `rect`: the button face, a small black
// triangle in its middle (grey when disabled) pointing up or down, and a
// dotted focus rectangle when it has the focus. Pixel exact.
void PaintArrowButton(QPainter& painter, const QRect& rect, const TArrowButtonState& state,
                      const QPalette& palette);

// An auto-repeat button that draws an arrow: one half of a spin edit's pair.
class TArrowButton : public TAutoButton {
 public:
  explicit TArrowButton(QWidget* parent = nullptr);

  bool UpArrow() const { return FUpArrow; }
  void SetUpArrow(bool up);
  bool Focused() const { return FFocused; }
  // Set by the pair that holds the button.
  void SetFocused(bool focused);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool FUpArrow = false;
  bool FFocused = false;
};
