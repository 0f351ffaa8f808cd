// Bucket grid over the triangles of a mesh.
//
// The plain search tests every triangle with InsideTriangle and keeps the last one that
// passes. The grid keeps, per cell, the triangles whose widened box touches the cell, highest
// index first, and returns the first of them that passes the very same InsideTriangle. The two
// answers agree as long as every triangle that can pass at a point is listed in the point's
// cell. The triangles fall into three kinds:
//
//   determinant exactly 0       never passes                         left out
//   well shaped (below)         passes only within rounding distance  listed in the cells its
//                               of itself                             widened box touches
//   anything else (slivers,     may pass far from its box             tested at every point
//   coordinates not finite)                                           ("everywhere")
//
// Well shaped: |det| >= kWellShaped (|dx1| + |dy1|)(|dx2| + |dy2|), dx1 = x1 - x0 and so on.
// The barycentric s and t that InsideTriangle computes are then ratios whose numerators carry
// an error of a few ulps of their terms and whose common denominator is good to about
// 6 eps / kWellShaped; a point that passes lies within about 1e-9 of the triangle's size
// (|dx| + |dy| of its box) from the triangle, however far the point. The box is widened by kMarginPerSize of that
// size, a thousand times more, plus kMarginPerMagnitude of its coordinates so that the
// widening survives rounding.
//
// A coordinate goes to its column and row through one monotone chain of roundings (Column,
// Row), the same for boxes and for points: a point inside a widened box always lands in one of
// the cells the box was listed in. The grid spans the union of the widened boxes; a point
// outside it can only lie in an "everywhere" triangle. A cell's list and the everywhere list
// are walked together in decreasing index order.
#include "render/TriangleGrid.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

constexpr double kWellShaped = 1.0 / (1 << 20);
constexpr double kMarginPerSize = 1e-6;
constexpr double kMarginPerMagnitude = 1e-14;
// About two cells per triangle keeps a cell's list at a handful of triangles.
constexpr double kCellsPerTriangle = 2;
constexpr double kMaxCells = 1 << 22;
// A mesh of long slanted slivers can touch many cells per triangle; past this many entries per
// triangle the grid is made coarser rather than larger.
constexpr double kMaxEntriesPerTriangle = 32;

struct Shape {
  double Det;
  double Scale;  // (|dx1| + |dy1|)(|dx2| + |dy2|)
};

Shape ShapeOf(const TriangleCorners& c) {
  const double dx1 = c.X1 - c.X0, dy1 = c.Y1 - c.Y0;
  const double dx2 = c.X2 - c.X0, dy2 = c.Y2 - c.Y0;
  return {TriangleDeterminant(c), (std::fabs(dx1) + std::fabs(dy1)) * (std::fabs(dx2) + std::fabs(dy2))};
}

bool WellShaped(const Shape& shape) {
  return std::isfinite(shape.Det) && std::isfinite(shape.Scale) && std::fabs(shape.Det) >= kWellShaped * shape.Scale;
}

// Floor of `offset` x `perUnit`, held to 0 .. count - 1.
int Bucket(double offset, double perUnit, int count) {
  const double cell = std::floor(offset * perUnit);
  if (!(cell > 0)) return 0;
  if (cell >= count - 1) return count - 1;
  return static_cast<int>(cell);
}

}  // namespace

TriangleGrid::TriangleGrid(const PointList& points, const TriangleList& mesh) {
  triangles_.reserve(mesh.size());
  for (const MeshTriangle& t : mesh) triangles_.push_back({CornersOf(points, t), {}});
  std::vector<TriangleIndex> gridded;
  Classify(gridded);
  if (gridded.empty()) return;
  ChooseCells(gridded.size());
  const double maxEntries = kMaxEntriesPerTriangle * static_cast<double>(gridded.size());
  while (CountEntries(gridded) > maxEntries && (columns_ > 1 || rows_ > 1)) Coarsen();
  FillCells(gridded);
}

// The triangle's box, widened beyond the reach of rounding.
TriangleGrid::Box TriangleGrid::WidenedBox(const TriangleCorners& c) {
  const Box box = {std::min({c.X0, c.X1, c.X2}), std::max({c.X0, c.X1, c.X2}), std::min({c.Y0, c.Y1, c.Y2}),
                   std::max({c.Y0, c.Y1, c.Y2})};
  const double size = (box.XMax - box.XMin) + (box.YMax - box.YMin);
  const double magnitude = std::fabs(box.XMin) + std::fabs(box.XMax) + std::fabs(box.YMin) + std::fabs(box.YMax);
  const double margin = kMarginPerSize * size + kMarginPerMagnitude * magnitude;
  return {box.XMin - margin, box.XMax + margin, box.YMin - margin, box.YMax + margin};
}

bool TriangleGrid::Contains(const Box& box, double x, double y) {
  return x >= box.XMin && x <= box.XMax && y >= box.YMin && y <= box.YMax;  // false for NaN
}

// Sorts the triangles into left out, gridded (their widened boxes noted) and everywhere, each
// list highest index first.
void TriangleGrid::Classify(std::vector<TriangleIndex>& gridded) {
  for (auto i = static_cast<TriangleIndex>(triangles_.size()) - 1; i >= 0; --i) {
    Candidate& t = triangles_[static_cast<std::size_t>(i)];
    const Shape shape = ShapeOf(t.Corners);
    if (shape.Det == 0) continue;
    if (!WellShaped(shape)) {
      everywhere_.push_back(i);
      continue;
    }
    const Box box = t.Widened = WidenedBox(t.Corners);
    domain_ = gridded.empty() ? box
                              : Box{std::min(domain_.XMin, box.XMin), std::max(domain_.XMax, box.XMax),
                                    std::min(domain_.YMin, box.YMin), std::max(domain_.YMax, box.YMax)};
    gridded.push_back(i);
  }
}

// Cells about as square as the domain allows, about kCellsPerTriangle per triangle.
void TriangleGrid::ChooseCells(std::size_t triangleCount) {
  const double width = domain_.XMax - domain_.XMin;
  const double height = domain_.YMax - domain_.YMin;
  const double cells = std::min(kMaxCells, kCellsPerTriangle * static_cast<double>(triangleCount));
  const double columns = std::clamp(std::round(std::sqrt(cells * width / height)), 1.0, cells);
  columns_ = static_cast<int>(columns);
  rows_ = static_cast<int>(std::clamp(std::round(cells / columns), 1.0, cells));
  SetUnits();
}

void TriangleGrid::Coarsen() {
  columns_ = (columns_ + 1) / 2;
  rows_ = (rows_ + 1) / 2;
  SetUnits();
}

void TriangleGrid::SetUnits() {
  columnsPerUnit_ = columns_ / (domain_.XMax - domain_.XMin);
  rowsPerUnit_ = rows_ / (domain_.YMax - domain_.YMin);
}

int TriangleGrid::Column(double x) const { return Bucket(x - domain_.XMin, columnsPerUnit_, columns_); }

int TriangleGrid::Row(double y) const { return Bucket(y - domain_.YMin, rowsPerUnit_, rows_); }

TriangleGrid::CellRange TriangleGrid::CellsOf(TriangleIndex i) const {
  const Box& box = triangles_[static_cast<std::size_t>(i)].Widened;
  return {Column(box.XMin), Column(box.XMax), Row(box.YMin), Row(box.YMax)};
}

double TriangleGrid::CountEntries(const std::vector<TriangleIndex>& gridded) const {
  double entries = 0;
  for (TriangleIndex i : gridded) {
    const CellRange r = CellsOf(i);
    entries += static_cast<double>(r.Col1 - r.Col0 + 1) * static_cast<double>(r.Row1 - r.Row0 + 1);
  }
  return entries;
}

// Lists every gridded triangle in the cells its widened box touches, counting first and then
// filling, so that each cell's list keeps the highest index first.
void TriangleGrid::FillCells(const std::vector<TriangleIndex>& gridded) {
  const auto cellCount = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
  std::vector<std::uint32_t> fill(cellCount + 1, 0);
  auto forEachCell = [&](TriangleIndex i, auto&& visit) {
    const CellRange r = CellsOf(i);
    for (int row = r.Row0; row <= r.Row1; ++row) {
      for (int col = r.Col0; col <= r.Col1; ++col) visit(static_cast<std::size_t>(row) * columns_ + col);
    }
  };
  for (TriangleIndex i : gridded) forEachCell(i, [&](std::size_t cell) { ++fill[cell + 1]; });
  for (std::size_t c = 0; c < cellCount; ++c) fill[c + 1] += fill[c];
  cellStart_ = fill;
  cellTriangles_.resize(fill[cellCount]);
  for (TriangleIndex i : gridded) forEachCell(i, [&](std::size_t cell) { cellTriangles_[fill[cell]++] = i; });
}

std::span<const TriangleIndex> TriangleGrid::CellAt(double x, double y) const {
  if (columns_ == 0 || !Contains(domain_, x, y)) return {};
  const std::size_t cell = static_cast<std::size_t>(Row(y)) * columns_ + Column(x);
  return {cellTriangles_.data() + cellStart_[cell], cellTriangles_.data() + cellStart_[cell + 1]};
}

// Walks the cell's list and the everywhere list together, highest index first. A gridded
// triangle whose widened box misses the point cannot pass and is skipped without dividing.
TriangleIndex TriangleGrid::Find(double x, double y) const {
  const std::span<const TriangleIndex> cell = CellAt(x, y);
  auto local = cell.begin();
  auto global = everywhere_.begin();
  while (local != cell.end() || global != everywhere_.end()) {
    const bool takeLocal = global == everywhere_.end() || (local != cell.end() && *local > *global);
    const TriangleIndex next = takeLocal ? *local++ : *global++;
    const Candidate& t = triangles_[static_cast<std::size_t>(next)];
    if (takeLocal && !Contains(t.Widened, x, y)) continue;
    if (InsideTriangle(t.Corners, x, y)) return next;
  }
  return kNoTriangle;
}

}  // namespace tarn
