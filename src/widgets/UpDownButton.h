#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class TArrowButton;

// A pair of arrow buttons, up above down, that repeat while held. A press on
// an arrow moves the keyboard focus to FocusControl (the edit the pair
// belongs to); when the pair itself has the focus, Space clicks the focused
// arrow and the Up and Down keys click theirs.
class TUpDownButton : public QWidget {
 public:
  explicit TUpDownButton(QWidget* parent = nullptr);

  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* control) { FFocusControl = control; }
  // Either arrow is held.
  bool Pressed() const;
  TArrowButton* UpButton() const { return FUpButton; }
  TArrowButton* DownButton() const { return FDownButton; }
  TArrowButton* FocusedButton() const { return FFocusedButton; }

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ArrowPressed(TArrowButton* button);
  void SetFocusedButton(TArrowButton* button);
  bool TakesFocus() const;

  TArrowButton* FUpButton;
  TArrowButton* FDownButton;
  TArrowButton* FFocusedButton;
  QPointer<QWidget> FFocusControl;
};
