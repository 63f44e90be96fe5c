#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "widgets/CustomSpin.h"

// A value kept within [minimum, maximum]: clamped, or with `wrap` carried
// round the range as on a dial, where the maximum itself reads as the
// minimum (0..360: 360 is 0, 365 is 5, -5 is 355). `wrapped` tells which
// way it went round, when it did. Limits given the wrong way round clamp.
int64_t BoundedValue(int64_t value, int64_t minimum, int64_t maximum, bool wrap,
                     std::optional<TWrapMode>* wrapped = nullptr);

// The text of a value: decimal, or upper-case hexadecimal (two's complement
// for negative values) with at least `hexDigits` digits.
QString SpinText(int64_t value, bool hexMode, int hexDigits);
// The value of a text, when it is a whole number in that notation.
std::optional<int64_t> ParseSpinText(const QString& text, bool hexMode);

// A spin edit that holds a signed 64-bit integer, in decimal or in
// hexadecimal, optionally within limits that clamp or wrap. The arrows and
// the Up and Down keys step it by Increment, ten increments with Ctrl held;
// the owner may compute each step itself instead. Leaving the edit turns
// whatever was typed into a valid value.
class TIntegerSpin : public TCustomSpin {
 public:
  using TIntegerIncEvent = std::function<void(QObject* Sender, bool Inc, int64_t& Value)>;

  explicit TIntegerSpin(QWidget* parent = nullptr);

  // Reading parses the text; text that is no number gives the last valid value.
  int64_t Value();
  void SetValue(int64_t value);
  int64_t Increment() const { return FIncrement; }
  void SetIncrement(int64_t increment) { FIncrement = increment; }
  int64_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int64_t value);
  int64_t MinValue() const { return FMinValue; }
  void SetMinValue(int64_t value);
  bool OwnerIncrement() const { return FOwnerIncrement; }
  void SetOwnerIncrement(bool owner) { FOwnerIncrement = owner; }
  bool HexMode() const { return FHexMode; }
  void SetHexMode(bool hex);
  int HexDigits() const { return FHexDigits; }
  void SetHexDigits(int digits);

  TIntegerIncEvent OnIncrement;

 protected:
  void UpClick() override { Step(true); }
  void DownClick() override { Step(false); }
  bool IsValidChar(QChar c) const override;
  void FinishEditing() override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int64_t Bounded(int64_t value);
  void Step(bool up);

  int64_t FIncrement = 1;
  int64_t FMaxValue = 0;
  int64_t FMinValue = 0;
  bool FOwnerIncrement = false;
  bool FHexMode = false;
  int FHexDigits = 4;
  int64_t FLastValid = 0;
};
