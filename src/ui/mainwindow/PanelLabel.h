#pragma once

#include <QLabel>

// A status-bar panel whose centred text is drawn smaller when it would not
// fit, so a long prompt or error is never cut off at both ends.
class TPanelLabel : public QLabel {
 public:
  using QLabel::QLabel;

  // The font the current text is drawn in.
  QFont FittedFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextRect() const;
  int FittedBaseline(const QFont& fitted) const;
};
