// Lines as the platform draws them: one-pixel lines step by step from the start, leaving out
// their last pixel, optionally dashed; wider lines as solid bands with round ends.
#pragma once

#include <span>

#include "canvas/Canvas.h"
#include "platform/RasterTarget.h"

namespace tarn {

// How a line's pixels are painted. Dashed styles paint their gaps with GapColor when
// OpaqueGaps is set (the platform's opaque background mode) and leave them otherwise.
struct LinePaint {
  Color LineColor = kBlack;
  RasterOp Op = RasterOp::Copy;
  PenStyle Style = PenStyle::Solid;
  int Width = 1;
  bool OpaqueGaps = false;
  Color GapColor = kWhite;
};

// From `from` to `to`, the last pixel excluded for one-pixel lines; nothing for a clear pen.
void DrawLine(RasterTarget& target, PixelPoint from, PixelPoint to, const LinePaint& paint);

// The closed outline through the points: every edge drawn as DrawLine draws it, so each
// vertex is painted once.
void DrawClosedOutline(RasterTarget& target, std::span<const PixelPoint> points, const LinePaint& paint);

}  // namespace tarn
