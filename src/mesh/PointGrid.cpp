#include "mesh/PointGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tarn {

namespace {

constexpr double kPointsPerCell = 2;
// At most one point in this many may lie outside the bounds on each side of each axis.
constexpr std::size_t kOutlierShare = 1024;
// A grid is balanced unless more than one point in kCrowdedShare lies in a cell holding
// more than kCrowdedCell points.
constexpr int kCrowdedCell = 32;
constexpr int kCrowdedShare = 8;
// Of the scale of the coordinates: far beyond the rounding of the cell arithmetic and of a
// distance, far below the size of a cell.
constexpr double kRelativeMargin = 0x1p-30;

struct Bounds {
  double MinX = std::numeric_limits<double>::infinity();
  double MinY = std::numeric_limits<double>::infinity();
  double MaxX = -std::numeric_limits<double>::infinity();
  double MaxY = -std::numeric_limits<double>::infinity();
};

// The bounds of all but a few points at each end of either axis: a stray sample far away
// must not leave the rest of the points in a handful of cells. The few outside lie in the
// border cells.
Bounds CoreBoundsOf(const PointTree& tree) {
  const PointTree::Range all = tree.RootRange();
  std::vector<float> xs;
  std::vector<float> ys;
  xs.reserve(static_cast<std::size_t>(all.End - all.Begin));
  ys.reserve(static_cast<std::size_t>(all.End - all.Begin));
  for (int position = all.Begin; position < all.End; ++position) {
    xs.push_back(tree.EntryAt(position).X);
    ys.push_back(tree.EntryAt(position).Y);
  }
  const std::size_t outside = xs.size() / kOutlierShare;
  auto nth = [](std::vector<float>& values, std::size_t n) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(n), values.end());
    return double{values[n]};
  };
  Bounds bounds;
  bounds.MinX = nth(xs, outside);
  bounds.MaxX = nth(xs, xs.size() - 1 - outside);
  bounds.MinY = nth(ys, outside);
  bounds.MaxY = nth(ys, ys.size() - 1 - outside);
  return bounds;
}

// A cell side giving about kPointsPerCell points a cell over the bounds, never so small
// that the grid holds more cells than points.
double CellSizeFor(const Bounds& bounds, int count) {
  const double width = bounds.MaxX - bounds.MinX;
  const double height = bounds.MaxY - bounds.MinY;
  const double side = std::sqrt(width * height * kPointsPerCell / count);
  const double longest = std::max(width, height);
  const double smallest = longest / count;
  return std::max({side, smallest, std::numeric_limits<double>::min()});
}

}  // namespace

PointGrid::Cell PointGrid::CellOf(double x, double y) const { return {ColumnOf(x), RowOf(y)}; }

PointGrid::PointGrid(const PointTree& tree)
    : starts_(2, 0), positions_(tree.PointCount(), -1) {
  const PointTree::Range all = tree.RootRange();
  const int count = all.End - all.Begin;
  if (count == 0) return;
  const Bounds bounds = CoreBoundsOf(tree);
  minX_ = bounds.MinX;
  minY_ = bounds.MinY;
  cellSize_ = CellSizeFor(bounds, count);
  perCell_ = 1 / cellSize_;
  margin_ = kRelativeMargin * (std::max(tree.MaxAbsX(), tree.MaxAbsY()) + cellSize_);
  columns_ = static_cast<int>(std::min<double>((bounds.MaxX - minX_) / cellSize_ + 1, count));
  rows_ = static_cast<int>(std::min<double>((bounds.MaxY - minY_) / cellSize_ + 1, count));
  std::vector<std::int32_t> slots(static_cast<std::size_t>(count));
  starts_.assign(static_cast<std::size_t>(columns_) * rows_ + 1, 0);
  for (int i = 0; i < count; ++i) {
    const PointTree::Entry& entry = tree.EntryAt(all.Begin + i);
    slots[i] = Slot(CellOf(entry.X, entry.Y));
    ++starts_[slots[i] + 1];
  }
  int crowded = 0;
  for (std::size_t slot = 1; slot < starts_.size(); ++slot) {
    if (starts_[slot] > kCrowdedCell) crowded += starts_[slot];
    starts_[slot] += starts_[slot - 1];
  }
  balanced_ = crowded <= count / kCrowdedShare;
  entries_.resize(static_cast<std::size_t>(count));
  std::vector<std::int32_t> filled(starts_.begin(), starts_.end() - 1);
  for (int i = 0; i < count; ++i) entries_[filled[slots[i]]++] = tree.EntryAt(all.Begin + i);
  for (int position = 0; position < count; ++position) {
    positions_[entries_[position].Index] = position;
  }
}

// The distance from m to the nearest border of the block that has cells beyond it.
double PointGrid::GuaranteedRadius(const Midpoint& m, const Block& block) const {
  double radius = std::numeric_limits<double>::infinity();
  const int left = block.Centre.X - block.Rings;
  const int right = block.Centre.X + block.Rings;
  const int bottom = block.Centre.Y - block.Rings;
  const int top = block.Centre.Y + block.Rings;
  if (left > 0) radius = std::min(radius, m.X - (minX_ + left * cellSize_));
  if (right < columns_ - 1) radius = std::min(radius, minX_ + (right + 1) * cellSize_ - m.X);
  if (bottom > 0) radius = std::min(radius, m.Y - (minY_ + bottom * cellSize_));
  if (top < rows_ - 1) radius = std::min(radius, minY_ + (top + 1) * cellSize_ - m.Y);
  return radius - margin_;
}

}  // namespace tarn
