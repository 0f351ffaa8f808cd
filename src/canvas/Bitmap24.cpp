#include "canvas/Bitmap24.h"

#include <algorithm>
#include <cassert>

namespace tarn {

Bitmap24::Bitmap24(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      bytes_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
  Fill(fill);
}

Color Bitmap24::Pixel(int x, int y) const {
  assert(Contains(x, y) && "pixel outside the bitmap");
  const std::uint8_t* p = Row(y) + 3 * static_cast<std::size_t>(x);
  return MakeColor(p[0], p[1], p[2]);
}

void Bitmap24::SetPixel(int x, int y, Color color) {
  assert(Contains(x, y) && "pixel outside the bitmap");
  std::uint8_t* p = Row(y) + 3 * static_cast<std::size_t>(x);
  p[0] = static_cast<std::uint8_t>(RedOf(color));
  p[1] = static_cast<std::uint8_t>(GreenOf(color));
  p[2] = static_cast<std::uint8_t>(BlueOf(color));
}

void Bitmap24::Fill(Color color) {
  for (std::size_t i = 0; i + 2 < bytes_.size(); i += 3) {
    bytes_[i] = static_cast<std::uint8_t>(RedOf(color));
    bytes_[i + 1] = static_cast<std::uint8_t>(GreenOf(color));
    bytes_[i + 2] = static_cast<std::uint8_t>(BlueOf(color));
  }
}

}  // namespace tarn
