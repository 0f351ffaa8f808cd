// Pixel writes onto a 24-bit bitmap under the two raster operations the pictures use: paint
// the colour, or invert what is there. Everything outside the bitmap is clipped away.
#pragma once

#include <cstdint>

#include "base/Color.h"
#include "canvas/Bitmap24.h"

namespace tarn {

enum class RasterOp { Copy, Invert };

class RasterTarget {
 public:
  explicit RasterTarget(Bitmap24& bitmap) : bitmap_(bitmap) {}

  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  Bitmap24& Bitmap() { return bitmap_; }

  // Columns x0..x1 of row y, both included.
  void Span(std::int64_t y, std::int64_t x0, std::int64_t x1, Color color, RasterOp op);
  void Pixel(std::int64_t x, std::int64_t y, Color color, RasterOp op) { Span(y, x, x, color, op); }

 private:
  Bitmap24& bitmap_;
};

}  // namespace tarn
