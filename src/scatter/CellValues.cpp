#include "scatter/CellValues.h"

namespace tarn {

const std::vector<double>& CellValues::Column(int col) {
  auto [found, added] = columns_.try_emplace(col);
  std::vector<double>& values = found->second;
  if (!added) return values;
  values.resize(static_cast<std::size_t>(table_.RowCount()));
  for (int row = 0; row < table_.RowCount(); ++row) {
    double value = 0;
    values[static_cast<std::size_t>(row)] = table_.CellNumber(col, row, value) ? value : 0.0;
  }
  return values;
}

}  // namespace tarn
