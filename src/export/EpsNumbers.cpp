#include "export/EpsNumbers.h"

#include <charconv>
#include <cmath>

namespace tarn {

std::string FixedText(double value, int decimals) {
  char text[400];
  if (!std::isfinite(value)) value = 0;
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string out(text, result.ptr);
  // A value that rounds to zero prints without a sign, as a C formatter would print 0.00.
  if (out.starts_with('-') && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
  return out;
}

void AppendHex2(std::string& out, std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (value > 0xFF) {
    char text[9];
    const auto result = std::to_chars(text, text + sizeof text, value, 16);
    for (char* c = text; c != result.ptr; ++c) out += static_cast<char>(*c >= 'a' ? *c - 'a' + 'A' : *c);
    return;
  }
  out += kDigits[value >> 4];
  out += kDigits[value & 0xF];
}

}  // namespace tarn
