// Filled shapes as rows of pixel spans: rectangles and ellipses with outlines (a shape minus
// its eroded inside), and polygons filled with the alternate (even-odd) rule.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/PixelBox.h"
#include "platform/RasterTarget.h"

namespace tarn {

struct RowSpan {
  std::int64_t X0 = 0;
  std::int64_t X1 = -1;
  bool Empty() const { return X0 > X1; }
};

// Rows Top, Top + 1, ... each with at most one span.
struct SpanShape {
  std::int64_t Top = 0;
  std::vector<RowSpan> Rows;
};

// The shapes filling an inclusive box; only rows within `rowLo`..`rowHi` are built, which
// must include a margin for later erosion.
SpanShape RectangleShape(const PixelBox& box, std::int64_t rowLo, std::int64_t rowHi);
SpanShape EllipseShape(const PixelBox& box, std::int64_t rowLo, std::int64_t rowHi);

// The pixels whose four neighbours all lie in the shape, `times` over.
SpanShape Erode(const SpanShape& shape, int times);

void PaintShape(RasterTarget& target, const SpanShape& shape, Color color, RasterOp op);
// The pixels of `outer` that are not in `inner`, which was eroded from it.
void PaintRing(RasterTarget& target, const SpanShape& outer, const SpanShape& inner, Color color, RasterOp op);

// Pixels whose centre lies inside by the alternate rule; right and bottom edges stay outside.
void FillPolygon(RasterTarget& target, std::span<const PixelPoint> points, Color color, RasterOp op);

}  // namespace tarn
