// Numbers to text and back, the way every text of the program shows and reads them:
// the "general" float form, strict decimal parsing, and rounding halves to even.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

// General form: at most `precision` significant digits, no trailing zeros, "." as the point;
// fixed notation while the value has at most `precision` digits before the point and a
// magnitude of at least 0.00001, otherwise "d.dddE-x" with at least `minExponentDigits` digits.
std::string FloatToText(double value, int precision = 15, int minExponentDigits = 0);

// The colour bar's labels: four significant digits, at least four exponent digits.
inline std::string FloatToText4(double value) { return FloatToText(value, 4, 4); }

// Optional sign, digits with an optional ".", optional exponent; nothing else, no blanks.
// Throws ConversionError ("'%s' は浮動小数点数ではありません") on anything else or on overflow;
// a value too small to represent becomes zero.
double TextToFloat(std::string_view text);

// As TextToFloat, but reports failure instead of throwing (for the hot reading loops).
bool TryTextToFloat(std::string_view text, double& value);

// Optional sign and decimal digits within 32 bits; throws ConversionError
// ("'%s' は整数ではありません") otherwise.
std::int32_t TextToInt(std::string_view text);

// Round to nearest, halves to even. RoundToInt saturates far outside the 64-bit range and
// gives 0 for NaN.
double RoundHalfEven(double value);
std::int64_t RoundToInt(double value);

}  // namespace tarn
