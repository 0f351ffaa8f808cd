#include "data/RingSearch.h"

namespace tarn {

// The cells at exactly `block.Rings` steps from the centre (the centre itself for 0).
void RingSearch::CollectRing(const Midpoint& m, PointGrid::Block block) {
  const PointGrid::Cell c = block.Centre;
  const int r = block.Rings;
  const int left = std::max(c.X - r, 0), right = std::min(c.X + r, grid_.Columns() - 1);
  const int bottom = std::max(c.Y - r, 0), top = std::min(c.Y + r, grid_.Rows() - 1);
  for (int y = bottom; y <= top; ++y) {
    const bool edgeRow = y == c.Y - r || y == c.Y + r;
    if (edgeRow) {
      for (int x = left; x <= right; ++x) CollectCell(m, {x, y});
      continue;
    }
    if (c.X - r >= 0) CollectCell(m, {c.X - r, y});
    if (r > 0 && c.X + r < grid_.Columns()) CollectCell(m, {c.X + r, y});
  }
}

void RingSearch::CollectCell(const Midpoint& m, PointGrid::Cell cell) {
  const int end = grid_.CellEnd(cell);
  for (int position = grid_.CellBegin(cell); position < end; ++position) {
    const PointTree::Entry& entry = grid_.EntryAt(position);
    pending_.push_back({MidpointDistance(m, entry.X, entry.Y), entry});
  }
}

}  // namespace tarn
