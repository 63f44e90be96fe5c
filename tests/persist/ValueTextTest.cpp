// Texts of single values: the Float form the files carry, and conversions
// that accept what any locale wrote and refuse everything else.
#include <gtest/gtest.h>

#include <cmath>

#include "persist/ValueText.h"

TEST(ValueTextTest, FloatsTakeTheShortestFormOfFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {2.0, "2"},
      {-2.5, "-2.5"},
      {1234.567891, "1234.567891"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.00001, "0.00001"},
      {0.0000099, "9.9E-6"},
      {std::nextafter(0.00001, 0.0), "0.00001"},  // rounds up to the smallest fixed form
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E15"},
      {1e20, "1E20"},
      {-1.5e-300, "-1.5E-300"}};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(FloatText(value, '.'), text);
    EXPECT_NEAR(ParseFloat(FloatText(value, ',')), value, std::abs(value) * 1e-14) << text;
  }
  EXPECT_EQ(FloatText(2.5e-7, ','), "2,5E-7");
  EXPECT_EQ(ParseFloat(" 2,5E+3 "), 2500.0);
  EXPECT_EQ(ParseFloat("-.5"), -0.5);
}

TEST(ValueTextTest, IntegersAndBooleansConvertInEveryAcceptedForm) {
  EXPECT_EQ(ParseInteger("-5"), -5);
  EXPECT_EQ(ParseInteger(" +7 "), 7);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  const std::pair<const char*, bool> booleans[] = {
      {"True", true}, {"tRUE", true}, {"False", false}, {"fAlSe", false}, {"1", true},
      {"0", false},   {"-1", true},   {"2.5", true},    {"0.0", false},   {" True ", true}};
  for (const auto& [text, value] : booleans)
    EXPECT_EQ(ParseBoolean(text), value) << text;
  EXPECT_EQ(BooleanText(true), "True");
  EXPECT_EQ(IntegerText(-5), "-5");
}

TEST(ValueTextTest, TextsThatDoNotConvertAreRefused) {
  for (const char* text :
       {"", " ", "abc", "1.2.3", "1e", ".", "-", "inf", "nan", "1e999", "0x10", "1 2", "++1"})
    EXPECT_THROW(ParseFloat(text), EConvertError) << text;
  for (const char* text : {"", "5x", "2147483648", "0x10", "+-5", "1.0", "+"})
    EXPECT_THROW(ParseInteger(text), EConvertError) << text;
  for (const char* text : {"", "yes", "T", "truee"})
    EXPECT_THROW(ParseBoolean(text), EConvertError) << text;
  try {
    ParseInteger("12a");
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
  }
}
