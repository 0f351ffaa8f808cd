// The points with finite coordinates binned in a uniform grid of about two points a cell:
// the index behind the near end of the candidate search, where a few rings of cells
// around an edge's midpoint usually hold the answer, and behind the crossing tests.
//
// A point lies in the cell that its coordinates fall in (clamped to the grid), so every
// point outside a block of cells lies beyond the block's border, up to the rounding of the
// cell arithmetic; GuaranteedRadius takes a margin far beyond that rounding off.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "mesh/Geometry.h"
#include "mesh/PointTree.h"

namespace tarn {

class PointGrid {
 public:
  explicit PointGrid(const PointTree& tree);

  struct Cell {
    int X;
    int Y;
  };
  // A square block of cells: the cells within `Rings` steps of `Centre`, cut to the grid.
  struct Block {
    Cell Centre;
    int Rings;
  };

  bool Empty() const { return entries_.empty(); }
  // False when the points crowd into few cells (far apart clusters), where searches by cell
  // would be slow and a tree serves better.
  bool Balanced() const { return balanced_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  Cell CellOf(double x, double y) const;
  // By the reciprocal of the cell size: a division costs several multiplications, and the
  // few units in the last place it changes are far inside the margins.
  int ColumnOf(double x) const { return Clamp((x - minX_) * perCell_, columns_); }
  int RowOf(double y) const { return Clamp((y - minY_) * perCell_, rows_); }
  // The lower border of a column or row; points below it may still fall in it when it is the
  // first one, and above the next one's border when it is the last one.
  double ColumnStart(int column) const { return minX_ + column * cellSize_; }
  double RowStart(int row) const { return minY_ + row * cellSize_; }
  int SlotOf(Cell cell) const { return Slot(cell); }
  int SlotCount() const { return columns_ * rows_; }
  // The entries of one cell, as a range of positions; the cells of a row follow one another,
  // left to right, so CellBegin of one cell to CellEnd of a later one in its row covers both.
  int CellBegin(Cell cell) const { return starts_[Slot(cell)]; }
  int CellEnd(Cell cell) const { return starts_[Slot(cell) + 1]; }
  const PointTree::Entry& EntryAt(int position) const { return entries_[position]; }
  // The grid position of a point of the set, or -1 for a point that is not in the grid.
  std::int32_t PositionOf(PointIndex point) const { return positions_[point]; }

  // A distance below which every point's MidpointDistance from `m` implies that the point
  // lies in the block; infinite when the block covers the whole grid. May be negative.
  double GuaranteedRadius(const Midpoint& m, const Block& block) const;

 private:
  int Slot(Cell cell) const { return cell.Y * columns_ + cell.X; }
  // The cell of a position counted in cells, clamped to [0, count). Truncation is floor for
  // the positive positions it is applied to (floor is a library call on the base target).
  static int Clamp(double position, int count) {
    if (!(position > 0)) return 0;
    if (position >= count - 1) return count - 1;
    return static_cast<int>(position);
  }

  std::vector<PointTree::Entry> entries_;  // by cell
  std::vector<std::int32_t> starts_;       // per cell slot, and one past the last
  std::vector<std::int32_t> positions_;    // per point of the set
  double minX_ = 0;
  double minY_ = 0;
  double cellSize_ = 1;
  double perCell_ = 1;  // 1 / cellSize_
  double margin_ = 0;
  int columns_ = 1;
  int rows_ = 1;
  bool balanced_ = true;
};

}  // namespace tarn
