#include "platform/RasterTarget.h"

#include <algorithm>

namespace tarn {

void RasterTarget::Span(std::int64_t y, std::int64_t x0, std::int64_t x1, Color color, RasterOp op) {
  if (y < 0 || y >= bitmap_.Height()) return;
  x0 = std::max<std::int64_t>(x0, 0);
  x1 = std::min<std::int64_t>(x1, bitmap_.Width() - 1);
  if (x0 > x1) return;
  std::uint8_t* p = bitmap_.Row(static_cast<int>(y)) + 3 * x0;
  std::uint8_t* const end = bitmap_.Row(static_cast<int>(y)) + 3 * (x1 + 1);
  if (op == RasterOp::Invert) {
    for (; p != end; ++p) *p = static_cast<std::uint8_t>(~*p);
    return;
  }
  const auto r = static_cast<std::uint8_t>(RedOf(color));
  const auto g = static_cast<std::uint8_t>(GreenOf(color));
  const auto b = static_cast<std::uint8_t>(BlueOf(color));
  for (; p != end; p += 3) {
    p[0] = r;
    p[1] = g;
    p[2] = b;
  }
}

}  // namespace tarn
