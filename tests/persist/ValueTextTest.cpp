// Texts of single values: the Float form the files carry, and conversions
// that accept what any locale wrote and refuse everything else.
#include <gtest/gtest.h>

#include <cmath>

#include "persist/ValueText.h"

TEST(ValueTextTest, FloatsTakeTheShortestFormOfFifteenDigits) {
  const struct {
    double Value;
    const char* Text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {2.0, "2"},
      {-2.5, "-2.5"},
      {1234.567891, "1234.567891"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.00001, "0.00001"},                       // the smallest magnitude written fixed
      {0.0000099, "9.9E-6"},                      // below it: scientific
      {std::nextafter(0.00001, 0.0), "0.00001"},  // rounds up to the boundary
      {123456789012345.0, "123456789012345"},     // 15 digits before the separator
      {1234567890123456.0, "1.23456789012346E15"},
      {1e20, "1E20"},
      {-1.5e-300, "-1.5E-300"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FloatText(c.Value, '.'), c.Text) << c.Text;
  EXPECT_EQ(FloatText(1234.5, ','), "1234,5");
  EXPECT_EQ(FloatText(2.5e-7, ','), "2,5E-7");
}

TEST(ValueTextTest, FloatsReadBackWithEitherSeparator) {
  for (const double value : {0.0, 1234.567891, 1.0 / 3.0, 0.00001, 9.9e-6, -1.5e-300, 1e20})
    for (const char separator : {'.', ','}) {
      const double read = ParseFloat(FloatText(value, separator));
      EXPECT_NEAR(read, value, std::abs(value) * 1e-14) << FloatText(value, separator);
    }
  EXPECT_EQ(ParseFloat(" 2,5E+3 "), 2500.0);
  EXPECT_EQ(ParseFloat("-.5"), -0.5);
  EXPECT_EQ(ParseFloat("7."), 7.0);
  EXPECT_EQ(ParseFloat("1e-5"), 0.00001);
}

TEST(ValueTextTest, TextsThatDoNotConvertAreRefused) {
  for (const char* text : {"", " ", "abc", "1.2.3", "1,2.3", "1e", "1E+", ".", "-", "inf", "nan",
                           "1e999", "0x10", "1 2", "++1"})
    EXPECT_THROW(ParseFloat(text), EConvertError) << text;
  for (const char* text : {"", "5x", "2147483648", "-2147483649", "0x10", "+-5", "1.0", "1e3", "+"})
    EXPECT_THROW(ParseInteger(text), EConvertError) << text;
  for (const char* text : {"", "yes", "T", "truee", "0x1"})
    EXPECT_THROW(ParseBoolean(text), EConvertError) << text;
  try {
    ParseInteger("12a");
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
  }
}

TEST(ValueTextTest, IntegersAndBooleansConvertInEveryAcceptedForm) {
  EXPECT_EQ(ParseInteger("-5"), -5);
  EXPECT_EQ(ParseInteger(" +7 "), 7);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(IntegerText(-5), "-5");
  const struct {
    const char* Text;
    bool Value;
  } booleans[] = {{"True", true},   {"true", true}, {"TRUE", true},  {"False", false},
                  {"fAlSe", false}, {"1", true},    {"0", false},    {"-1", true},
                  {"2.5", true},    {"0.0", false}, {" True ", true}};
  for (const auto& b : booleans)
    EXPECT_EQ(ParseBoolean(b.Text), b.Value) << b.Text;
  EXPECT_EQ(BooleanText(true), "True");
  EXPECT_EQ(BooleanText(false), "False");
}
