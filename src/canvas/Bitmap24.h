// A 24-bit picture in memory: rows from top to bottom, each pixel red, green, blue bytes,
// rows packed without padding. The picture writers and the metafile player share it.
#pragma once

#include <cstdint>
#include <vector>

#include "base/Color.h"

namespace tarn {

class Bitmap24 {
 public:
  Bitmap24() = default;
  // A width x height picture filled with `fill`; negative sizes count as 0.
  Bitmap24(int width, int height, Color fill = kWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // The pixel's colour as 0x00BBGGRR; the position must lie inside.
  Color Pixel(int x, int y) const;
  void SetPixel(int x, int y, Color color);
  void Fill(Color color);

  // Row y's 3 * Width() bytes.
  std::uint8_t* Row(int y) { return bytes_.data() + RowOffset(y); }
  const std::uint8_t* Row(int y) const { return bytes_.data() + RowOffset(y); }

  friend bool operator==(const Bitmap24&, const Bitmap24&) = default;

 private:
  std::size_t RowOffset(int y) const { return static_cast<std::size_t>(y) * 3 * static_cast<std::size_t>(width_); }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace tarn
