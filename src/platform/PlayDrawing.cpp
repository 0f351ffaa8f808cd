// Drawing records: lines from the current position, boxes, polygons and single pixels.
#include <algorithm>

#include "canvas/EmfFormat.h"
#include "platform/Playback.h"
#include "platform/RasterShapes.h"

namespace tarn {

void Playback::LineTo(const EmfRecord& record) {
  const PixelPoint to = ReadPoint(record, emf::kOffPoint);
  DrawLine(target_, position_, to, PenPaint());
  position_ = to;
}

// The stored box is the call's: its right column and bottom row stay unpainted, and with a
// clear pen the fill shrinks by one more on those sides, as the platform does. A wide pen is
// centred on the edge.
void Playback::Box(const EmfRecord& record) {
  const PixelBox call = ReadBox(record, emf::kOffBox);
  const LinePaint pen = PenPaint();
  const bool outlined = pen.Style != PenStyle::Clear;
  const std::int64_t shrink = outlined ? 1 : 2;
  // Beyond the picture's size a wider pen changes nothing visible, and costs rows and passes.
  const std::int64_t width = std::clamp<std::int64_t>(pen.Width, 1, target_.Width() + target_.Height() + 2);
  const std::int64_t lo = outlined ? width / 2 : 0, hi = outlined ? (width - 1) / 2 : 0;
  const std::int64_t left = std::min(call.Left, call.Right), right = std::max(call.Left, call.Right);
  const std::int64_t top = std::min(call.Top, call.Bottom), bottom = std::max(call.Top, call.Bottom);
  if (left == right || top == bottom) return;
  const auto clamp = [](std::int64_t v) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
  const PixelBox box{clamp(left - lo), clamp(top - lo), clamp(right - shrink + hi), clamp(bottom - shrink + hi)};
  const std::int64_t margin = width + 2;
  const SpanShape outer = record.Type() == emf::kRectangle ? RectangleShape(box, -margin, target_.Height() + margin)
                                                           : EllipseShape(box, -margin, target_.Height() + margin);
  const SpanShape inner = outlined ? Erode(outer, static_cast<int>(width)) : outer;
  if (BrushFills()) PaintShape(target_, inner, brush_.BrushColor, PenOp());
  if (outlined) PaintRing(target_, outer, inner, pen.LineColor, pen.Op);
}

void Playback::Polygon(const EmfRecord& record) {
  const EmfPoly poly = ReadPoly(record);
  if (poly.Points.size() < 2) return;
  if (BrushFills()) FillPolygon(target_, poly.Points, brush_.BrushColor, PenOp());
  DrawClosedOutline(target_, poly.Points, PenPaint());
}

void Playback::Polyline(const EmfRecord& record) {
  const EmfPoly poly = ReadPoly(record);
  for (std::size_t i = 1; i < poly.Points.size(); ++i) DrawLine(target_, poly.Points[i - 1], poly.Points[i], PenPaint());
}

// Written straight into the row: no pen, brush or mix plays a part.
void Playback::SetPixel(const EmfRecord& record) {
  record.Require(emf::kOffPixelColor, 4);
  const std::int32_t x = record.I32(emf::kOffPixelPoint), y = record.I32(emf::kOffPixelPoint + 4);
  Bitmap24& bitmap = target_.Bitmap();
  if (!bitmap.Contains(x, y)) return;
  const std::uint32_t color = record.U32(emf::kOffPixelColor);
  std::uint8_t* p = bitmap.Row(y) + 3 * static_cast<std::size_t>(x);
  p[0] = static_cast<std::uint8_t>(color);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color >> 16);
}

}  // namespace tarn
