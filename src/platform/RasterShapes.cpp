#include "platform/RasterShapes.h"

#include <algorithm>
#include <cmath>

namespace tarn {
namespace {

// Rows of the box that lie within the wanted range, as [first, last].
bool ClipRows(const PixelBox& box, std::int64_t rowLo, std::int64_t rowHi, std::int64_t& first, std::int64_t& last) {
  first = std::max<std::int64_t>(box.Top, rowLo);
  last = std::min<std::int64_t>(box.Bottom, rowHi);
  return first <= last && box.Left <= box.Right;
}

const RowSpan* RowAt(const SpanShape& shape, std::int64_t i) {
  if (i < 0 || i >= static_cast<std::int64_t>(shape.Rows.size())) return nullptr;
  return &shape.Rows[static_cast<std::size_t>(i)];
}

RowSpan ErodeRow(const SpanShape& shape, std::int64_t i) {
  const RowSpan* self = RowAt(shape, i);
  const RowSpan* up = RowAt(shape, i - 1);
  const RowSpan* down = RowAt(shape, i + 1);
  if (!up || !down || self->Empty() || up->Empty() || down->Empty()) return RowSpan{};
  return RowSpan{std::max({self->X0 + 1, up->X0, down->X0}), std::min({self->X1 - 1, up->X1, down->X1})};
}

}  // namespace

SpanShape RectangleShape(const PixelBox& box, std::int64_t rowLo, std::int64_t rowHi) {
  SpanShape shape;
  std::int64_t first = 0, last = -1;
  if (!ClipRows(box, rowLo, rowHi, first, last)) return shape;
  shape.Top = first;
  shape.Rows.assign(static_cast<std::size_t>(last - first + 1), RowSpan{box.Left, box.Right});
  return shape;
}

// The ellipse inscribed in the box: a pixel belongs to it when its centre lies inside.
SpanShape EllipseShape(const PixelBox& box, std::int64_t rowLo, std::int64_t rowHi) {
  SpanShape shape;
  std::int64_t first = 0, last = -1;
  if (!ClipRows(box, rowLo, rowHi, first, last)) return shape;
  const double a = (static_cast<double>(box.Right) - box.Left + 1) / 2, b = (static_cast<double>(box.Bottom) - box.Top + 1) / 2;
  const double cx = box.Left + a, cy = box.Top + b;
  shape.Top = first;
  for (std::int64_t y = first; y <= last; ++y) {
    const double dy = (static_cast<double>(y) + 0.5 - cy) / b;
    const double half = a * std::sqrt(std::max(0.0, 1 - dy * dy));
    shape.Rows.push_back(RowSpan{static_cast<std::int64_t>(std::ceil(cx - half - 0.5)),
                                 static_cast<std::int64_t>(std::floor(cx + half - 0.5))});
  }
  return shape;
}

SpanShape Erode(const SpanShape& shape, int times) {
  SpanShape out = shape;
  const auto empty = [](const SpanShape& s) {
    return std::all_of(s.Rows.begin(), s.Rows.end(), [](const RowSpan& row) { return row.Empty(); });
  };
  for (int t = 0; t < times && !empty(out); ++t) {
    SpanShape next{out.Top, std::vector<RowSpan>(out.Rows.size())};
    for (std::size_t i = 0; i < out.Rows.size(); ++i) next.Rows[i] = ErodeRow(out, static_cast<std::int64_t>(i));
    out = std::move(next);
  }
  return out;
}

void PaintShape(RasterTarget& target, const SpanShape& shape, Color color, RasterOp op) {
  for (std::size_t i = 0; i < shape.Rows.size(); ++i) {
    const RowSpan& row = shape.Rows[i];
    if (!row.Empty()) target.Span(shape.Top + static_cast<std::int64_t>(i), row.X0, row.X1, color, op);
  }
}

void PaintRing(RasterTarget& target, const SpanShape& outer, const SpanShape& inner, Color color, RasterOp op) {
  for (std::size_t i = 0; i < outer.Rows.size(); ++i) {
    const RowSpan& row = outer.Rows[i];
    const RowSpan& hole = inner.Rows[i];
    const std::int64_t y = outer.Top + static_cast<std::int64_t>(i);
    if (row.Empty()) continue;
    if (hole.Empty()) {
      target.Span(y, row.X0, row.X1, color, op);
      continue;
    }
    target.Span(y, row.X0, hole.X0 - 1, color, op);
    target.Span(y, hole.X1 + 1, row.X1, color, op);
  }
}

// Pixel (x, y) is the point (x, y), as the outline's pixels are. A scan line crosses an edge
// from its upper end up to, but not including, its lower end, so shared vertices count once;
// a span takes the pixels from its left crossing up to, not including, its right one.
void FillPolygon(RasterTarget& target, std::span<const PixelPoint> points, Color color, RasterOp op) {
  if (points.size() < 3) return;
  const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                               [](const PixelPoint& a, const PixelPoint& b) { return a.Y < b.Y; });
  const std::int64_t firstRow = std::max(low->Y, 0);
  const std::int64_t lastRow = std::min<std::int64_t>(std::int64_t{high->Y} - 1, target.Height() - 1);
  std::vector<double> crossings;
  for (std::int64_t y = firstRow; y <= lastRow; ++y) {
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PixelPoint a = points[i], b = points[(i + 1) % points.size()];
      if ((a.Y <= y && y < b.Y) || (b.Y <= y && y < a.Y)) {
        const double dy = static_cast<double>(b.Y) - a.Y;
        crossings.push_back(a.X + (static_cast<double>(y) - a.Y) * (static_cast<double>(b.X) - a.X) / dy);
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      const double x0 = std::max(std::ceil(crossings[k]), -1.0);
      const double x1 = std::min(std::ceil(crossings[k + 1]) - 1, target.Width() + 0.0);
      if (x0 <= x1) target.Span(y, static_cast<std::int64_t>(x0), static_cast<std::int64_t>(x1), color, op);
    }
  }
}

}  // namespace tarn
