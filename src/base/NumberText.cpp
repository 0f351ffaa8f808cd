#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "base/Errors.h"

namespace tarn {

namespace {

// Decimal digits of |value| rounded to `precision` significant digits, trailing zeros cut,
// with value = 0.d1d2d3... x 10^pointPosition.
struct DecimalDigits {
  std::string Digits;
  int PointPosition = 0;
};

DecimalDigits ToDecimalDigits(double magnitude, int precision) {
  // to_chars, unlike printf, ignores the locale: the point is always ".".
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precision - 1);
  *end = '\0';
  DecimalDigits result;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') result.Digits.push_back(*p);
  }
  result.PointPosition = std::atoi(p + 1) + 1;
  while (result.Digits.size() > 1 && result.Digits.back() == '0') result.Digits.pop_back();
  return result;
}

std::string ExponentForm(const DecimalDigits& d, int minExponentDigits) {
  std::string text(1, d.Digits[0]);
  if (d.Digits.size() > 1) text += "." + d.Digits.substr(1);
  int exponent = d.PointPosition - 1;
  text += 'E';
  if (exponent < 0) text += '-';
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minExponentDigits) {
    digits.insert(0, static_cast<std::size_t>(minExponentDigits) - digits.size(), '0');
  }
  return text + digits;
}

std::string FixedForm(const DecimalDigits& d) {
  const int count = static_cast<int>(d.Digits.size());
  if (d.PointPosition <= 0) {
    return "0." + std::string(static_cast<std::size_t>(-d.PointPosition), '0') + d.Digits;
  }
  if (d.PointPosition >= count) {
    return d.Digits + std::string(static_cast<std::size_t>(d.PointPosition - count), '0');
  }
  const auto point = static_cast<std::size_t>(d.PointPosition);
  return d.Digits.substr(0, point) + "." + d.Digits.substr(point);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars also takes "inf", "nan" and, after a sign we strip, a second sign: the platform's
// conversion takes only a digit or the point here.
bool StartsLikeANumber(std::string_view body) {
  return !body.empty() && (IsDigit(body[0]) || body[0] == '.');
}

// The power of ten of the first significant digit of a well-formed number text
// ("123" gives 2, "0.05e3" gives 1); large enough in size to tell overflow from underflow.
long long DecimalExponent(std::string_view body) {
  const std::size_t e = body.find_first_of("eE");
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = body.substr(e + 1);
    const bool negative = !digits.empty() && digits[0] == '-';
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
    if (negative) exponent = -exponent;
  }
  const std::string_view mantissa = body.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return exponent;
  const long long position = first < point ? static_cast<long long>(point - first) - 1
                                           : -static_cast<long long>(first - point);
  return exponent + position;
}

// The powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;

// The common number of a data file ("-123.4567", "1.25e-3") read without from_chars: the
// decimal digits as an integer m < 2^53 and a power of ten e with |e| <= 22 are both exact
// doubles, so m * 10^e (or m / 10^-e) is one correctly rounded operation, the value
// from_chars gives (Clinger's fast path). True only for a text that is wholly such a
// number; anything else (more digits, larger exponents, other forms and all errors) is
// left to the full conversion, which alone decides what is rejected.
bool TryPlainDecimal(std::string_view body, double& magnitude) {
  const char* p = body.data();
  const char* end = p + body.size();
  // Leading zeros count towards the limit of 19 digits too: rarely written, and then the
  // full conversion takes over.
  std::uint64_t digits = 0;
  const char* first = p;
  for (; p < end && IsDigit(*p); ++p) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
  std::ptrdiff_t count = p - first;
  int exponent = 0;
  if (p < end && *p == '.') {
    const char* fraction = ++p;
    for (; p < end && IsDigit(*p); ++p) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    exponent = -static_cast<int>(p - fraction);
    count += p - fraction;
  }
  if (count == 0 || count > 19) return false;
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '+' || *p == '-')) ++p;
    if (p == end) return false;
    int written = 0;
    for (; p < end && IsDigit(*p); ++p) {
      if (written > 100) return false;
      written = written * 10 + (*p - '0');
    }
    exponent += negative ? -written : written;
  }
  if (p != end || digits > kLargestExactInteger) return false;
  if (digits == 0) {
    magnitude = 0;
    return true;
  }
  if (exponent < -kLargestExactPower || exponent > kLargestExactPower) return false;
  const auto value = static_cast<double>(digits);
  magnitude = exponent < 0 ? value / kExactPowersOfTen[-exponent] : value * kExactPowersOfTen[exponent];
  return true;
}

}  // namespace

std::string FloatToText(double value, int precision, int minExponentDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  const std::string sign = value < 0 ? "-" : "";
  const DecimalDigits d = ToDecimalDigits(std::fabs(value), precision);
  if (d.PointPosition > precision || d.PointPosition < -4) {
    return sign + ExponentForm(d, minExponentDigits);
  }
  return sign + FixedForm(d);
}

bool TryTextToFloat(std::string_view text, double& value) {
  std::string_view body = text;
  const bool negative = !body.empty() && body[0] == '-';
  if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
  if (!StartsLikeANumber(body)) return false;
  double magnitude = 0;
  if (TryPlainDecimal(body, magnitude)) {
    value = negative ? -magnitude : magnitude;
    return true;
  }
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
  if (end != body.data() + body.size()) return false;
  if (error == std::errc::result_out_of_range) {
    // from_chars reports both overflow and underflow; only overflow is an error.
    if (DecimalExponent(body) > 0) return false;
    magnitude = 0;
  } else if (error != std::errc()) {
    return false;
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

double TextToFloat(std::string_view text) {
  double value = 0;
  if (!TryTextToFloat(text, value)) throw ConversionError::NotAFloat(text);
  return value;
}

std::int32_t TextToInt(std::string_view text) {
  std::string_view body = text;
  const bool negative = !body.empty() && body[0] == '-';
  if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
  if (body.empty() || !IsDigit(body[0])) throw ConversionError::NotAnInteger(text);
  std::int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
  if (error != std::errc() || end != body.data() + body.size()) {
    throw ConversionError::NotAnInteger(text);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw ConversionError::NotAnInteger(text);
  }
  return static_cast<std::int32_t>(value);
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

std::int64_t RoundToInt(double value) {
  // Out of range and NaN saturate instead of being undefined: callers check pixel sizes.
  constexpr double kLimit = 9.2e18;
  if (std::isnan(value)) return 0;
  if (value >= kLimit) return static_cast<std::int64_t>(kLimit);
  if (value <= -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace tarn
