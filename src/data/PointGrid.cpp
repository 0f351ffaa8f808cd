#include "data/PointGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarn {

namespace {

constexpr double kPointsPerCell = 2;
// Of the scale of the coordinates: far beyond the rounding of the cell arithmetic and of a
// distance, far below the size of a cell.
constexpr double kRelativeMargin = 0x1p-30;

struct Bounds {
  double MinX = std::numeric_limits<double>::infinity();
  double MinY = std::numeric_limits<double>::infinity();
  double MaxX = -std::numeric_limits<double>::infinity();
  double MaxY = -std::numeric_limits<double>::infinity();
};

Bounds BoundsOf(const PointTree& tree) {
  Bounds bounds;
  const PointTree::Range all = tree.RootRange();
  for (int position = all.Begin; position < all.End; ++position) {
    const PointTree::Entry& entry = tree.EntryAt(position);
    bounds.MinX = std::min(bounds.MinX, double{entry.X});
    bounds.MinY = std::min(bounds.MinY, double{entry.Y});
    bounds.MaxX = std::max(bounds.MaxX, double{entry.X});
    bounds.MaxY = std::max(bounds.MaxY, double{entry.Y});
  }
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

int PointGrid::Clamp(double position, int count) {
  if (!(position > 0)) return 0;
  if (position >= count - 1) return count - 1;
  return static_cast<int>(position);
}

PointGrid::Cell PointGrid::CellOf(double x, double y) const { return {ColumnOf(x), RowOf(y)}; }

PointGrid::PointGrid(const PointTree& tree)
    : starts_(2, 0), positions_(tree.PointCount(), -1) {
  const PointTree::Range all = tree.RootRange();
  const int count = all.End - all.Begin;
  if (count == 0) return;
  const Bounds bounds = BoundsOf(tree);
  minX_ = bounds.MinX;
  minY_ = bounds.MinY;
  cellSize_ = CellSizeFor(bounds, count);
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
  for (std::size_t slot = 1; slot < starts_.size(); ++slot) starts_[slot] += starts_[slot - 1];
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
