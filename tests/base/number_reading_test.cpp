// The reading fast paths against the plain ones: numbers through from_chars alone, lines
// cut one by one, every accept, reject and bit of the value the same.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/NumberText.h"
#include "base/SplitText.h"

namespace tarn {
namespace {

// The number rule as the plain conversion states it: an optional sign, a digit or point,
// then from_chars over the rest, which must take it all; overflow refused, underflow 0.
bool PlainTextToFloat(std::string_view text, double& value) {
  std::string_view body = text;
  const bool negative = !body.empty() && body[0] == '-';
  if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
  if (body.empty() || !((body[0] >= '0' && body[0] <= '9') || body[0] == '.')) return false;
  double magnitude = 0;
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
  if (end != body.data() + body.size()) return false;
  if (error == std::errc::result_out_of_range) {
    // Overflow when the text's value is at least 1: strtod says which way it went.
    if (std::strtod(std::string(body).c_str(), nullptr) != 0) return false;
    magnitude = 0;
  } else if (error != std::errc()) {
    return false;
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

void ExpectSameAsPlain(std::string_view text) {
  double fast = 7, plain = 7;
  const bool fastTook = TryTextToFloat(text, fast);
  ASSERT_EQ(fastTook, PlainTextToFloat(text, plain)) << "'" << text << "'";
  if (fastTook) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(plain)) << "'" << text << "'";
  }
}

TEST(NumberReading, AwkwardFormsAgreeWithThePlainConversion) {
  const char* const texts[] = {
      "0", "-0", "+0", "00", "007", "1.", "-1.", ".5", "-.5", ".", "-.", "", "+", "-", "5.e3", "1e", "1e+",
      "1e-", "1E5", "1e+05", "1e-05", "1.e", "0x1", "1_0", "1 ", " 1", "1,5", "inf", "nan", "--1", "+-1",
      "9007199254740992", "9007199254740993", "18446744073709551615", "18446744073709551616",
      "1234567890123456789", "12345678901234567890", "0.0000000000000000000001", "1e22", "1e23", "1e-22",
      "1e-23", "123456789e-22", "4.9e-324", "1e-400", "1e400", "-1e400", "1.7976931348623157e308",
      "0e99999", "1e0000000000000000005", "3.14159265358979323846", "0.1", "0.2", "0.3", "2.5e-3"};
  for (const char* text : texts) ExpectSameAsPlain(text);
}

// Random texts built from the pieces numbers are made of, most of them well formed.
TEST(NumberReading, RandomTextsAgreeWithThePlainConversion) {
  std::mt19937 random(20261208);
  const std::string pieces[] = {"0", "1", "5", "9", "00", "123", "9999999", ".", "-", "+", "e", "E", "e-", "e+", "x"};
  std::uniform_int_distribution<int> pick(0, 14), length(1, 6), digits(1, 12), power(-30, 30);
  for (int round = 0; round < 200000; ++round) {
    std::string text;
    if (round % 2 == 0) {  // data-file style: "-123.456789" or "1.234567e+02"
      if (random() % 2) text += '-';
      text += std::to_string(random() % 100000);
      text += '.';
      for (int d = digits(random); d > 0; --d) text += static_cast<char>('0' + random() % 10);
      if (random() % 3 == 0) text += "e" + std::to_string(power(random));
    } else {
      for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
    }
    ExpectSameAsPlain(text);
  }
}

TEST(NumberReading, NextLineCutsAsSplitLines) {
  const char* const texts[] = {"", "a", "a\r\nb", "a\rb\nc\r\n", "\n\n", "\r\r\n\r", "a\r", "long line of text\r\nx",
                               "0123456789abcdef\n0123456789abcdef\r0123456789abcdef\r\n"};
  for (const char* text : texts) {
    std::vector<std::string_view> cut;
    std::size_t at = 0;
    std::string_view line;
    while (NextLine(text, at, line)) cut.push_back(line);
    EXPECT_EQ(cut, SplitLines(text)) << text;
  }
  // Every place of a line end within and across the eight-byte steps.
  for (std::size_t at = 0; at < 20; ++at) {
    for (const char* ending : {"\n", "\r", "\r\n"}) {
      const std::string text = std::string(at, 'x') + ending + "tail";
      const std::vector<std::string_view> lines = SplitLines(text);
      ASSERT_EQ(lines.size(), 2u) << at;
      EXPECT_EQ(lines[0].size(), at);
      EXPECT_EQ(lines[1], "tail");
    }
  }
}

}  // namespace
}  // namespace tarn
