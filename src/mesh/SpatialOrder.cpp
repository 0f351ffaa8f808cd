#include "mesh/SpatialOrder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarn {

namespace {

// About this many points a cell of the curve: a cell's points sit in a few cache lines.
constexpr std::size_t kPointsPerCell = 4;
constexpr int kMostLevels = 15;
// The extent is taken from at most this many points, and leaves out this share at either
// end of each axis, so that a stray sample does not squeeze the rest into one cell.
constexpr std::size_t kSampleSize = 1 << 16;
constexpr std::size_t kOutlierShare = 1024;

bool IsFinite(const Points& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// The position of cell (x, y) along the Hilbert curve over a side x side grid (side a
// power of two). Without branches: on scattered points each level's quadrant is a coin
// toss that a branch would mispredict half the time.
std::uint32_t HilbertIndex(std::uint32_t side, std::uint32_t x, std::uint32_t y) {
  std::uint32_t d = 0;
  for (std::uint32_t s = side / 2; s > 0; s /= 2) {
    const std::uint32_t rx = (x & s) > 0 ? 1 : 0;
    const std::uint32_t ry = (y & s) > 0 ? 1 : 0;
    d += s * s * ((3 * rx) ^ ry);
    // In the lower quadrants the curve turns: mirrored (side - 1 - x is x ^ (side - 1)) in
    // the right one, and transposed in both.
    const std::uint32_t mirror = (rx & (ry ^ 1)) * (side - 1);
    x ^= mirror;
    y ^= mirror;
    const std::uint32_t swap = ((x ^ y) & (0u - (ry ^ 1)));
    x ^= swap;
    y ^= swap;
  }
  return d;
}

struct Extent {
  double MinX, MinY, SpanX, SpanY;
};

// The coordinates between the outlier quantiles of an evenly spaced sample.
Extent CoreExtentOf(const PointList& points) {
  const std::size_t stride = std::max<std::size_t>(1, points.size() / kSampleSize);
  std::vector<float> xs;
  std::vector<float> ys;
  for (std::size_t i = 0; i < points.size(); i += stride) {
    if (!IsFinite(points[i])) continue;
    xs.push_back(points[i].X);
    ys.push_back(points[i].Y);
  }
  if (xs.empty()) return {0, 0, 1, 1};
  const std::size_t outside = xs.size() / kOutlierShare;
  auto nth = [](std::vector<float>& values, std::size_t n) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(n), values.end());
    return double{values[n]};
  };
  const double minX = nth(xs, outside), maxX = nth(xs, xs.size() - 1 - outside);
  const double minY = nth(ys, outside), maxY = nth(ys, ys.size() - 1 - outside);
  return {minX, minY, maxX - minX, maxY - minY};
}

// A coordinate's cell along one axis, clamped to the grid; a zero span puts all in cell 0.
std::uint32_t CellAlong(double value, double min, double span, std::uint32_t side) {
  const double position = span > 0 ? (value - min) / span * side : 0;
  if (!(position > 0)) return 0;
  if (position >= side - 1) return side - 1;
  return static_cast<std::uint32_t>(position);
}

}  // namespace

SpatialOrder OrderBySpace(const PointList& points) {
  int levels = 0;
  while (levels < kMostLevels && (std::size_t{1} << (2 * levels)) * kPointsPerCell < points.size()) {
    ++levels;
  }
  const std::uint32_t side = std::uint32_t{1} << levels;
  const std::uint32_t cells = side * side;  // and one more for the points that are not finite
  const Extent extent = CoreExtentOf(points);
  std::vector<std::uint32_t> cellOf(points.size());
  std::vector<std::uint32_t> starts(std::size_t{cells} + 2, 0);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Points& p = points[i];
    cellOf[i] = IsFinite(p) ? HilbertIndex(side, CellAlong(p.X, extent.MinX, extent.SpanX, side),
                                           CellAlong(p.Y, extent.MinY, extent.SpanY, side))
                            : cells;
    ++starts[cellOf[i] + 1];
  }
  for (std::size_t cell = 1; cell < starts.size(); ++cell) starts[cell] += starts[cell - 1];
  SpatialOrder order;
  order.Points.resize(points.size());
  order.Original.resize(points.size());
  // A stable counting sort: within a cell, the points keep their original order.
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::uint32_t placed = starts[cellOf[i]]++;
    order.Points[placed] = points[i];
    order.Original[placed] = static_cast<PointIndex>(i);
  }
  return order;
}

}  // namespace tarn
