#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A value text that does not convert to its type.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The texts of single values in saved files: plain decimal integers, "True"
// and "False", and floats in their shortest form of at most 15 significant
// digits.

std::string IntegerText(int32_t value);
std::string BooleanText(bool value);
// Fixed-point when the magnitude is at least 0.00001 and has at most 15
// digits before the separator, otherwise mantissa, "E" and exponent; zero is
// "0", and a separator appears only when there is a fraction.
std::string FloatText(double value, char separator);
// The decimal separator of the user's locale.
char LocaleDecimalSeparator();

// Decimal digits with an optional sign, surrounding blanks allowed.
int32_t ParseInteger(std::string_view text);
// A decimal number with "." or "," as its separator and an optional
// exponent, so that a file written under any locale reads under any other.
double ParseFloat(std::string_view text);
// "True" or "False" in any letter case, or a number (0 is False).
bool ParseBoolean(std::string_view text);
