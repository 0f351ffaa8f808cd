// The table's cells as numbers for one drawing: each cell's text read with the text-to-float
// conversion, 0 where it is not a number. Columns are converted when first asked for, so a
// drawing pays only for the columns its series use.
#pragma once

#include <map>
#include <vector>

#include "scatter/CellTable.h"

namespace tarn {

class CellValues {
 public:
  explicit CellValues(const CellTable& table) : table_(table) {}

  // One value per table row; `col` must be a column of the table.
  const std::vector<double>& Column(int col);

 private:
  const CellTable& table_;
  std::map<int, std::vector<double>> columns_;
};

}  // namespace tarn
