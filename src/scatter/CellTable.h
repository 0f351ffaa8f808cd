// The scatter data table: a grid of text cells, filled from the lines of a file or of the
// clipboard and edited by hand. Loaded cells stay views into the loaded bytes (no string per
// cell), so a logger file of millions of rows loads in one pass; hand edits are kept apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/TextLines.h"

namespace tarn {

class CellTable {
 public:
  // 5 x 5 empty cells.
  CellTable();

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }

  // Replaces every cell: one row per line (at least one row), the fields between tabs as
  // columns. The column count becomes the largest number of fields of any line, and stays
  // as it was when no line has a field.
  void Fill(TextLines lines);

  // The text of cell (col, row) as UTF-8; empty outside the table.
  std::string Cell(int col, int row) const;
  // The number in cell (col, row), as the text-to-float conversion reads it; false for a
  // text that is not a number (an empty cell, a header, a name).
  bool CellNumber(int col, int row, double& value) const;
  // A cell typed by hand; cells outside the table are ignored.
  void SetCell(int col, int row, std::string text);

  // Changes with every Fill, so that a view knows when the whole table was replaced.
  std::uint64_t Revision() const { return revision_; }

 private:
  // Where a loaded cell's bytes lie within its line.
  struct CellSpan {
    std::uint32_t Offset;
    std::uint32_t Length;
  };

  std::string_view LoadedCell(int col, int row) const;
  std::uint64_t EditKey(int col, int row) const {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | static_cast<std::uint32_t>(col);
  }

  std::uint64_t revision_ = 0;
  int colCount_ = 5;
  int rowCount_ = 5;
  TextLines lines_;
  // Cells of row r are spans_[rowFirst_[r]] up to spans_[rowFirst_[r + 1]]; a row with fewer
  // fields than the table has columns is empty to its right.
  std::vector<std::size_t> rowFirst_;
  std::vector<CellSpan> spans_;
  std::unordered_map<std::uint64_t, std::string> edited_;
};

}  // namespace tarn
