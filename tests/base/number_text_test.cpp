#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "base/Errors.h"

namespace tarn {
namespace {

TEST(FloatToText, GeneralFormIsShortestWithinFifteenDigits) {
  EXPECT_EQ(FloatToText(0), "0");
  EXPECT_EQ(FloatToText(1), "1");
  EXPECT_EQ(FloatToText(-2.5), "-2.5");
  EXPECT_EQ(FloatToText(0.2), "0.2");
  EXPECT_EQ(FloatToText(5 * 0.2), "1");
  EXPECT_EQ(FloatToText(0.1 + 0.2), "0.3");  // 0.30000000000000004 at 17 digits
  EXPECT_EQ(FloatToText(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToText(1.0 / 3.0), "0.333333333333333");
}

TEST(FloatToText, SinglePrecisionSamplesShowTheirWidenedValue) {
  EXPECT_EQ(FloatToText(static_cast<double>(0.1f)), "0.100000001490116");
  EXPECT_EQ(FloatToText(static_cast<double>(123456789.0f)), "123456792");
}

TEST(FloatToText, SwitchesToExponentFormAtTheLimits) {
  EXPECT_EQ(FloatToText(0.00001), "0.00001");
  EXPECT_EQ(FloatToText(0.000001), "1E-6");
  EXPECT_EQ(FloatToText(-0.0000015), "-1.5E-6");
  EXPECT_EQ(FloatToText(999999999999999.0), "999999999999999");
  EXPECT_EQ(FloatToText(1e15), "1E15");
  EXPECT_EQ(FloatToText(1.5e20), "1.5E20");
  // Rounding to 15 digits can carry into a new digit before choosing the form.
  EXPECT_EQ(FloatToText(9.9999999999999999e-6), "0.00001");
}

TEST(FloatToText, FourDigitFormOfTheColourBar) {
  EXPECT_EQ(FloatToText4(0.123456), "0.1235");
  EXPECT_EQ(FloatToText4(1234), "1234");
  EXPECT_EQ(FloatToText4(12346), "1.235E0004");
  EXPECT_EQ(FloatToText4(0.0000012346), "1.235E-0006");
  EXPECT_EQ(FloatToText4(20), "20");
}

TEST(FloatToText, IgnoresTheLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale here";
  EXPECT_EQ(FloatToText(2.5), "2.5");
  EXPECT_EQ(FloatToText(1.5e-7), "1.5E-7");
  EXPECT_EQ(TextToFloat("2.5"), 2.5);
  EXPECT_EQ(TextToFloat("2.5e-400"), 0.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextToFloat, AcceptsThePlatformsNumberForms) {
  EXPECT_EQ(TextToFloat("0"), 0.0);
  EXPECT_EQ(TextToFloat("-1.5"), -1.5);
  EXPECT_EQ(TextToFloat("+2"), 2.0);
  EXPECT_EQ(TextToFloat(".5"), 0.5);
  EXPECT_EQ(TextToFloat("5."), 5.0);
  EXPECT_EQ(TextToFloat("1e3"), 1000.0);
  EXPECT_EQ(TextToFloat("1.5E-2"), 0.015);
  EXPECT_EQ(TextToFloat("2e+2"), 200.0);
  EXPECT_EQ(TextToFloat("1e-400"), 0.0);  // too small to hold: zero, not an error
  EXPECT_EQ(TextToFloat("-1.5e-400"), 0.0);
  EXPECT_EQ(TextToFloat("0.00001e-320"), 0.0);
  double value = 0;
  EXPECT_FALSE(TryTextToFloat("123.4e307", value));  // 1.234e309: beyond the largest double
  EXPECT_FALSE(TryTextToFloat("0.0001e313", value));
  EXPECT_TRUE(TryTextToFloat("0.0001e312", value));
}

TEST(TextToFloat, RejectsEverythingElseWithTheConversionMessage) {
  for (const char* text : {"", " 1", "1 ", "abc", "1,5", "0x10", "nan", "inf", "-inf", "infinity", "1e",
                           "e5", ".", "-", "+-1", "--1", "1.2.3", "1e400", "１２"}) {
    SCOPED_TRACE(text);
    double value = 0;
    EXPECT_FALSE(TryTextToFloat(text, value));
  }
  try {
    TextToFloat("12a");
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'12a' は浮動小数点数ではありません");
  }
}

TEST(TextToInt, DecimalWithinThirtyTwoBits) {
  EXPECT_EQ(TextToInt("0"), 0);
  EXPECT_EQ(TextToInt("-17"), -17);
  EXPECT_EQ(TextToInt("+5"), 5);
  EXPECT_EQ(TextToInt("2147483647"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TextToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
  for (const char* text : {"", "2147483648", "1.0", " 1", "1 ", "0x1", "$1F", "a", "-"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(TextToInt(text), ConversionError);
  }
  try {
    TextToInt("3x");
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'3x' は整数ではありません");
  }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt(0.5), 0);
  EXPECT_EQ(RoundToInt(1.5), 2);
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(-0.5), 0);
  EXPECT_EQ(RoundToInt(-1.5), -2);
  EXPECT_EQ(RoundToInt(2.4999999), 2);
  EXPECT_EQ(RoundHalfEven(137.5), 138.0);
  EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_GT(RoundToInt(1e300), 0);
  EXPECT_LT(RoundToInt(-std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace tarn
