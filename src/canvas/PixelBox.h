// An inclusive box of pixels and an accumulator of the area drawn, as a metafile's bounds.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tarn {

// Left..Right and Top..Bottom, both ends included; {0, 0, -1, -1} is the empty box.
struct PixelBox {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = -1;
  std::int32_t Bottom = -1;
  friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

class BoundsAccumulator {
 public:
  // Adds the box spanned by two corners in any order.
  void Add(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    AddPoint(std::min(x0, x1), std::min(y0, y1));
    AddPoint(std::max(x0, x1), std::max(y0, y1));
  }
  void AddPoint(std::int64_t x, std::int64_t y) {
    if (empty_) {
      left_ = right_ = x;
      top_ = bottom_ = y;
      empty_ = false;
      return;
    }
    left_ = std::min(left_, x);
    right_ = std::max(right_, x);
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y);
  }
  bool Empty() const { return empty_; }
  PixelBox Box() const;

 private:
  bool empty_ = true;
  std::int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

inline PixelBox BoundsAccumulator::Box() const {
  if (empty_) return PixelBox{};
  const auto clamp = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return PixelBox{clamp(left_), clamp(top_), clamp(right_), clamp(bottom_)};
}

}  // namespace tarn
