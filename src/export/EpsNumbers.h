// The number texts of EPS output, the same in every locale: fixed-point with a given number of
// decimals (rounded), decimal integers, and two-digit upper-case hexadecimal.
#pragma once

#include <cstdint>
#include <string>

namespace tarn {

// "%f" of the output is two decimals; "%.3f" three.
std::string FixedText(double value, int decimals = 2);
inline std::string IntText(std::int64_t value) { return std::to_string(value); }
// At least two upper-case hex digits ("%.2X").
void AppendHex2(std::string& out, std::uint32_t value);

}  // namespace tarn
