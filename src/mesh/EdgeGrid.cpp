#include "mesh/EdgeGrid.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "mesh/Geometry.h"

namespace tarn {

namespace {

// Far beyond the rounding of SegmentsCross and of the cell arithmetic (a few units in the
// last place of the coordinates), far below the size of a cell.
constexpr double kRelativeMargin = 0x1p-30;

}  // namespace

EdgeGrid::EdgeGrid(const PointGrid& grid, const MeshEdges& edges, double maxAbsCoordinate)
    : CrossingIndex(edges),
      grid_(grid),
      margin_(kRelativeMargin * std::max(maxAbsCoordinate, 0x1p-1000)),
      buckets_(static_cast<std::size_t>(grid.SlotCount())) {}

// Row by row, from the row of the segment's start (a crossing is usually found next to
// it): the columns where the segment passes within the margin of the row. The first and
// the last row and column reach to infinity, as the cells of the points do.
template <class CellAction>
bool EdgeGrid::VisitCells(const Segment& s, CellAction action) const {
  const int firstRow = grid_.RowOf(s.MinY);
  const int lastRow = grid_.RowOf(s.MaxY);
  const bool rowsUp = s.AY <= s.BY;
  const bool columnsUp = s.AX <= s.BX;
  // One division per segment instead of two per row; infinite for a horizontal segment
  // across a row border, where the division gives the same infinities.
  const double perRise = 1 / (s.BY - s.AY);
  for (int step = 0; step <= lastRow - firstRow; ++step) {
    const int row = rowsUp ? firstRow + step : lastRow - step;
    double low = s.MinX;
    double high = s.MaxX;
    if (firstRow != lastRow) {
      const double bandLow = row == 0 ? -INFINITY : grid_.RowStart(row) - margin_;
      const double bandHigh =
          row == grid_.Rows() - 1 ? INFINITY : grid_.RowStart(row + 1) + margin_;
      double t0 = (bandLow - s.AY) * perRise;
      double t1 = (bandHigh - s.AY) * perRise;
      if (t0 > t1) std::swap(t0, t1);
      t0 = std::max(t0, 0.0);
      t1 = std::min(t1, 1.0);
      const double x0 = s.AX + t0 * (s.BX - s.AX);
      const double x1 = s.AX + t1 * (s.BX - s.AX);
      low = std::max(std::min(x0, x1) - margin_, s.MinX);
      high = std::min(std::max(x0, x1) + margin_, s.MaxX);
    }
    const int firstColumn = grid_.ColumnOf(low);
    const int lastColumn = grid_.ColumnOf(high);
    for (int across = 0; across <= lastColumn - firstColumn; ++across) {
      const int column = columnsUp ? firstColumn + across : lastColumn - across;
      if (action(grid_.SlotOf({column, row}))) return true;
    }
  }
  return false;
}

bool EdgeGrid::CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const {
  const std::int32_t positionA = grid_.PositionOf(a);
  const std::int32_t positionB = grid_.PositionOf(b);
  const Segment segment(grid_.EntryAt(positionA), grid_.EntryAt(positionB), margin_, positionA,
                        positionB);
  auto entryAt = [this](std::int32_t position) -> const PointTree::Entry& {
    return grid_.EntryAt(position);
  };
  return VisitCells(segment, [this, &segment, &entryAt, crossed](int slot) {
    return PlaceHasCrossing(buckets_, slot, segment, entryAt, crossed);
  });
}

void EdgeGrid::FileEdge(PointIndex start, PointIndex end) {
  const EdgeBuckets::FiledEdge edge{grid_.PositionOf(start), grid_.PositionOf(end)};
  assert(edge.Start >= 0 && edge.End >= 0 && "mesh corners are finite points");
  const Segment segment(grid_.EntryAt(edge.Start), grid_.EntryAt(edge.End), margin_, edge.Start,
                        edge.End);
  VisitCells(segment, [this, edge](int slot) {
    buckets_.Append(slot, edge);
    return false;
  });
}

}  // namespace tarn
