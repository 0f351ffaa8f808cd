#include "scatter/CellTable.h"

#include <algorithm>
#include <limits>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/SplitText.h"

namespace tarn {

CellTable::CellTable() : rowFirst_(static_cast<std::size_t>(rowCount_) + 1, 0) {}

void CellTable::Fill(TextLines lines) {
  constexpr std::size_t kMaxLine = std::numeric_limits<std::uint32_t>::max();
  constexpr std::size_t kMaxRows = static_cast<std::size_t>(std::numeric_limits<int>::max());
  if (lines.Count() > kMaxRows) throw TarnError("データの行数が多すぎます");
  std::vector<std::size_t> rowFirst;
  std::vector<CellSpan> spans;
  rowFirst.reserve(std::max<std::size_t>(lines.Count(), 1) + 1);
  int widest = 0;
  std::vector<std::string_view> lineFields;
  for (std::size_t r = 0; r < lines.Count(); ++r) {
    rowFirst.push_back(spans.size());
    const std::string_view line = lines.Raw(r);
    if (line.size() > kMaxLine) throw TarnError("データの行が長すぎます");
    const auto fields = static_cast<std::size_t>(SplitText(line, '\t', lineFields));
    for (std::string_view field : lineFields) {
      spans.push_back({static_cast<std::uint32_t>(field.data() - line.data()), static_cast<std::uint32_t>(field.size())});
    }
    if (fields > static_cast<std::size_t>(std::numeric_limits<int>::max())) throw TarnError("データの列数が多すぎます");
    widest = std::max(widest, static_cast<int>(fields));
  }
  if (lines.Count() == 0) rowFirst.push_back(0);
  rowFirst.push_back(spans.size());

  lines_ = std::move(lines);
  rowFirst_ = std::move(rowFirst);
  spans_ = std::move(spans);
  edited_.clear();
  rowCount_ = static_cast<int>(rowFirst_.size() - 1);
  if (widest > 0) colCount_ = widest;
  ++revision_;
}

std::string_view CellTable::LoadedCell(int col, int row) const {
  if (col < 0 || row < 0 || row >= rowCount_) return {};
  const std::size_t first = rowFirst_[static_cast<std::size_t>(row)];
  const std::size_t fields = rowFirst_[static_cast<std::size_t>(row) + 1] - first;
  if (static_cast<std::size_t>(col) >= fields) return {};
  const CellSpan span = spans_[first + static_cast<std::size_t>(col)];
  return lines_.Raw(static_cast<std::size_t>(row)).substr(span.Offset, span.Length);
}

std::string CellTable::Cell(int col, int row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return {};
  if (!edited_.empty()) {
    const auto found = edited_.find(EditKey(col, row));
    if (found != edited_.end()) return found->second;
  }
  const std::string_view raw = LoadedCell(col, row);
  return raw.empty() ? std::string() : lines_.Decode(raw);
}

bool CellTable::CellNumber(int col, int row, double& value) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return false;
  if (!edited_.empty()) {
    const auto found = edited_.find(EditKey(col, row));
    if (found != edited_.end()) return TryTextToFloat(found->second, value);
  }
  // Digits, signs, points and exponents read the same in every encoding the table holds.
  return TryTextToFloat(LoadedCell(col, row), value);
}

void CellTable::SetCell(int col, int row, std::string text) {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return;
  edited_[EditKey(col, row)] = std::move(text);
}

}  // namespace tarn
