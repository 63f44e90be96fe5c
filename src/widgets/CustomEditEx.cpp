#include "widgets/CustomEditEx.h"

TCustomEditEx::TCustomEditEx(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TCustomEditEx::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  const Qt::Alignment horizontal = alignment == taRightJustify ? Qt::AlignRight
                                   : alignment == taCenter     ? Qt::AlignHCenter
                                                               : Qt::AlignLeft;
  setAlignment(horizontal | Qt::AlignVCenter);
}

void TCustomEditEx::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (OnKillFocus)
    OnKillFocus();
}
