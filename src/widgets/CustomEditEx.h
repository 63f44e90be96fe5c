#pragma once

#include <QLineEdit>
#include <functional>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A single-line edit whose text can be left, right or centre justified and
// that tells its owner when it has lost the focus.
class TCustomEditEx : public QLineEdit {
 public:
  explicit TCustomEditEx(QWidget* parent = nullptr);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);

  // Called after the edit has lost the focus and its own handling has run.
  std::function<void()> OnKillFocus;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  TAlignment FAlignment = taLeftJustify;
};
