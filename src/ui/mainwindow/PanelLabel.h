#pragma once

#include <QLabel>

// A status-bar panel whose centred text is drawn smaller when it would not
// fit, so a long prompt or error is never cut off at both ends; a text too
// long for one line even in the smallest size goes on two (a hint's words).
class TPanelLabel : public QLabel {
 public:
  using QLabel::QLabel;

  // The font the current text is drawn in.
  QFont FittedFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextRect() const;
  bool NeedsTwoLines() const;
  QFont TwoLineFont() const;
  int FittedBaseline(const QFont& fitted) const;
};
