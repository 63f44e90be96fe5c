#include "persist/ValueText.h"

#include <QLocale>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int SignificantDigits = 15;
// Fixed-point covers the decimal exponents -5 .. 14.
constexpr int LowestFixedExponent = -5;

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

[[noreturn]] void Refuse(std::string_view text, const char* type) {
  throw EConvertError("'" + std::string(text) + "' is not a valid " + type + " value");
}

// Checks the shape [sign] digits [separator digits] [E [sign] digits] with
// at least one digit before the exponent, and returns it in the form
// from_chars reads: no leading "+", "." as the separator.
bool NormalisedFloat(std::string_view text, std::string& normal) {
  size_t i = 0;
  normal.clear();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-')
      normal += '-';
    ++i;
  }
  int mantissaDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits)
    normal += text[i];
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    normal += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits)
      normal += text[i];
  }
  if (mantissaDigits == 0)
    return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    normal += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      normal += text[i++];
    int exponentDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits)
      normal += text[i];
    if (exponentDigits == 0)
      return false;
  }
  return i == text.size();
}

bool TryParseFloat(std::string_view text, double& value) {
  std::string normal;
  if (!NormalisedFloat(Trimmed(text), normal))
    return false;
  const char* end = normal.data() + normal.size();
  const auto [last, error] = std::from_chars(normal.data(), end, value);
  return error == std::errc() && last == end && std::isfinite(value);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size())
    return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(text[i]) != lower(word[i]))
      return false;
  }
  return true;
}

}  // namespace

std::string IntegerText(int32_t value) {
  return std::to_string(value);
}

std::string BooleanText(bool value) {
  return value ? "True" : "False";
}

std::string FloatText(double value, char separator) {
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value < 0 ? "-INF" : "INF";
  if (value == 0)
    return "0";
  // d.dddddddddddddde[+-]x: the 15 significant digits, rounded once.
  std::array<char, 40> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::scientific, SignificantDigits - 1);
  (void)error;  // 40 characters always hold the form
  const std::string_view form(buffer.data(), static_cast<size_t>(end - buffer.data()));
  const bool negative = form.front() == '-';
  const size_t e = form.find('e');
  std::string digits;
  for (char c : form.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
    if (IsDigit(c))
      digits += c;
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  const int exponent = std::atoi(form.data() + e + 1);

  std::string text = negative ? "-" : "";
  if (exponent >= LowestFixedExponent && exponent < SignificantDigits) {
    if (exponent < 0) {
      text += "0";
      text += separator;
      text.append(static_cast<size_t>(-exponent - 1), '0');
      text += digits;
    } else {
      const auto whole = static_cast<size_t>(exponent + 1);
      if (digits.size() <= whole) {
        text += digits;
        text.append(whole - digits.size(), '0');
      } else {
        text += digits.substr(0, whole);
        text += separator;
        text += digits.substr(whole);
      }
    }
  } else {
    text += digits.front();
    if (digits.size() > 1) {
      text += separator;
      text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent);
  }
  return text;
}

char LocaleDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point.front().unicode() < 128 ? point.front().toLatin1() : '.';
}

int32_t ParseInteger(std::string_view text) {
  std::string_view digits = Trimmed(text);
  if (!digits.empty() && digits.front() == '+') {
    digits.remove_prefix(1);
    if (digits.empty() || !IsDigit(digits.front()))
      Refuse(text, "integer");
  }
  int32_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [last, error] = std::from_chars(digits.data(), end, value);
  if (error != std::errc() || last != end)
    Refuse(text, "integer");
  return value;
}

double ParseFloat(std::string_view text) {
  double value = 0;
  if (!TryParseFloat(text, value))
    Refuse(text, "floating point");
  return value;
}

bool ParseBoolean(std::string_view text) {
  const std::string_view word = Trimmed(text);
  if (EqualsIgnoringCase(word, "true"))
    return true;
  if (EqualsIgnoringCase(word, "false"))
    return false;
  double number = 0;
  if (!TryParseFloat(word, number))
    Refuse(text, "Boolean");
  return number != 0;
}
