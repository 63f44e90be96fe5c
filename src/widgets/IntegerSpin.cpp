#include "widgets/IntegerSpin.h"

#include <QGuiApplication>
#include <limits>

namespace {

// Hexadecimal texts are never padded beyond this.
constexpr int MostHexDigits = 32;

// a + b, held at the ends of the 64-bit range instead of overflowing.
int64_t SaturatingAdd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum))
    return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

int64_t SaturatingSubtract(int64_t a, int64_t b) {
  int64_t difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference))
    return difference;
  return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

int64_t SaturatingMultiply(int64_t a, int64_t b) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product))
    return product;
  return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                            : std::numeric_limits<int64_t>::max();
}

bool IsHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

}  // namespace

// The wrap is one modulo step over the range's width, so it ends at once
// however far outside the value lies; 128-bit arithmetic keeps the width of
// the widest range exact.
int64_t BoundedValue(int64_t value, int64_t minimum, int64_t maximum, bool wrap,
                     std::optional<TWrapMode>* wrapped) {
  if (wrapped != nullptr)
    wrapped->reset();
  const bool above = value >= maximum;
  const bool below = value < minimum;
  if (!above && !below)
    return value;
  if (wrap && minimum < maximum) {
    const __int128 width = static_cast<__int128>(maximum) - minimum;
    __int128 offset = (static_cast<__int128>(value) - minimum) % width;
    if (offset < 0)
      offset += width;
    if (wrapped != nullptr)
      *wrapped = above ? wmPastMaximum : wmBelowMinimum;
    return static_cast<int64_t>(minimum + offset);
  }
  int64_t result = value;
  if (above)
    result = maximum;
  if (below)
    result = minimum;
  return result;
}

QString SpinText(int64_t value, bool hexMode, int hexDigits) {
  if (!hexMode)
    return QString::number(value);
  const int digits = std::clamp(hexDigits, 0, MostHexDigits);
  return QString::number(static_cast<quint64>(value), 16).toUpper().rightJustified(digits, '0');
}

std::optional<int64_t> ParseSpinText(const QString& text, bool hexMode) {
  bool ok = false;
  int64_t value = 0;
  if (hexMode) {
    const QString digits = text.trimmed();
    // Only bare hexadecimal digits: no sign and no "0x".
    for (QChar c : digits)
      if (!IsHexDigit(c))
        return std::nullopt;
    value = static_cast<int64_t>(digits.toULongLong(&ok, 16));
  } else {
    value = text.trimmed().toLongLong(&ok, 10);
  }
  return ok ? std::optional<int64_t>(value) : std::nullopt;
}

TIntegerSpin::TIntegerSpin(QWidget* parent) : TCustomSpin(parent) {}

int64_t TIntegerSpin::Bounded(int64_t value) {
  if (!UseLimit())
    return value;
  std::optional<TWrapMode> wrapped;
  const int64_t result = BoundedValue(value, FMinValue, FMaxValue, Wrap(), &wrapped);
  if (wrapped && OnWrap)
    OnWrap(this, *wrapped);
  return result;
}

int64_t TIntegerSpin::Value() {
  const std::optional<int64_t> parsed = ParseSpinText(text(), FHexMode);
  if (!parsed)
    return FLastValid;
  FLastValid = Bounded(*parsed);
  return FLastValid;
}

void TIntegerSpin::SetValue(int64_t value) {
  FLastValid = value;
  setText(SpinText(Bounded(value), FHexMode, FHexDigits));
}

void TIntegerSpin::SetMaxValue(int64_t value) {
  if (FMaxValue == value)
    return;
  if (Value() > value)
    SetValue(value);
  FMaxValue = value;
}

void TIntegerSpin::SetMinValue(int64_t value) {
  if (FMinValue == value)
    return;
  if (Value() < value)
    SetValue(value);
  FMinValue = value;
}

void TIntegerSpin::SetHexMode(bool hex) {
  if (FHexMode == hex)
    return;
  const int64_t value = Value();
  FHexMode = hex;
  SetValue(value);
}

void TIntegerSpin::SetHexDigits(int digits) {
  if (FHexDigits == digits)
    return;
  const int64_t value = Value();
  FHexDigits = digits;
  SetValue(value);
}

void TIntegerSpin::Step(bool up) {
  if (isReadOnly()) {
    Beep();
    return;
  }
  if (FOwnerIncrement) {
    int64_t value = Value();
    if (OnIncrement)
      OnIncrement(this, up, value);
    SetValue(value);
    return;
  }
  const bool ctrl = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
  const int64_t step = SaturatingMultiply(FIncrement, ctrl ? 10 : 1);
  const int64_t value = Value();
  SetValue(up ? SaturatingAdd(value, step) : SaturatingSubtract(value, step));
}

bool TIntegerSpin::IsValidChar(QChar c) const {
  if (!FHexMode)
    return TCustomSpin::IsValidChar(c);
  if (c.unicode() < 32)
    return TCustomSpin::IsValidChar(c);
  return EditorEnabled() && IsHexDigit(c);
}

// Text that is no number, an emptied box among it, gets the last valid
// value back; any other is held within the limits and written out anew.
void TIntegerSpin::FinishEditing() {
  SetValue(Value());
}

void TIntegerSpin::focusOutEvent(QFocusEvent* event) {
  TCustomSpin::focusOutEvent(event);
  FinishEditing();
}
