// Colours as the platform stores them: 24-bit RGB, red in the low byte, blue in the high byte.
#pragma once

#include <cstdint>

namespace tarn {

using Color = std::uint32_t;

constexpr Color MakeColor(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(Color c) { return c & 0xFFu; }
constexpr unsigned GreenOf(Color c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Color c) { return (c >> 16) & 0xFFu; }

constexpr Color kWhite = MakeColor(255, 255, 255);
constexpr Color kBlack = MakeColor(0, 0, 0);

}  // namespace tarn
