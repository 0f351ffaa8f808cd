#include "data/EdgeGrid.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "data/Geometry.h"

namespace tarn {

namespace {

// Far beyond the rounding of SegmentsCross and of the cell arithmetic (a few units in the
// last place of the coordinates), far below the size of a cell.
constexpr double kRelativeMargin = 0x1p-30;

}  // namespace

struct EdgeGrid::Segment {
  double AX, AY, BX, BY;
  double MinX, MinY, MaxX, MaxY;  // the bounding box, widened by the margin

  Segment(const PointTree::Entry& a, const PointTree::Entry& b, double margin)
      : AX(a.X), AY(a.Y), BX(b.X), BY(b.Y),
        MinX(std::min(AX, BX) - margin), MinY(std::min(AY, BY) - margin),
        MaxX(std::max(AX, BX) + margin), MaxY(std::max(AY, BY) + margin) {}
};

EdgeGrid::EdgeGrid(const PointGrid& grid, const MeshEdges& edges, double maxAbsCoordinate)
    : CrossingIndex(edges),
      grid_(grid),
      margin_(kRelativeMargin * std::max(maxAbsCoordinate, 0x1p-1000)),
      cellChains_(static_cast<std::size_t>(grid.SlotCount()), kNoChunk) {}

// Row by row, from the row of the segment's start (a crossing is usually found next to
// it): the columns where the segment passes within the margin of the row. The first and
// the last row and column reach to infinity, as the cells of the points do.
template <class CellAction>
bool EdgeGrid::VisitCells(const Segment& s, CellAction action) const {
  const int firstRow = grid_.RowOf(s.MinY);
  const int lastRow = grid_.RowOf(s.MaxY);
  const bool rowsUp = s.AY <= s.BY;
  const bool columnsUp = s.AX <= s.BX;
  for (int step = 0; step <= lastRow - firstRow; ++step) {
    const int row = rowsUp ? firstRow + step : lastRow - step;
    double low = s.MinX;
    double high = s.MaxX;
    if (firstRow != lastRow) {
      const double bandLow = row == 0 ? -INFINITY : grid_.RowStart(row) - margin_;
      const double bandHigh =
          row == grid_.Rows() - 1 ? INFINITY : grid_.RowStart(row + 1) + margin_;
      double t0 = (bandLow - s.AY) / (s.BY - s.AY);
      double t1 = (bandHigh - s.AY) / (s.BY - s.AY);
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
  const Segment segment(grid_.EntryAt(grid_.PositionOf(a)), grid_.EntryAt(grid_.PositionOf(b)),
                        margin_);
  return VisitCells(segment, [this, &segment, crossed](int slot) {
    return CellHasCrossing(slot, segment, crossed);
  });
}

void EdgeGrid::FileEdge(PointIndex start, PointIndex end) {
  const FiledEdge edge{grid_.PositionOf(start), grid_.PositionOf(end)};
  assert(edge.Start >= 0 && edge.End >= 0 && "mesh corners are finite points");
  const Segment segment(grid_.EntryAt(edge.Start), grid_.EntryAt(edge.End), margin_);
  VisitCells(segment, [this, edge](int slot) {
    AppendToCell(slot, edge);
    return false;
  });
}

void EdgeGrid::AppendToCell(int slot, FiledEdge edge) {
  std::int32_t& head = cellChains_[slot];
  if (head == kNoChunk || ChunkAt(head).Count == kChunkEdges) head = NewChunk(head);
  Chunk& chunk = ChunkAt(head);
  chunk.Edges[chunk.Count++] = edge;
}

EdgeGrid::Chunk& EdgeGrid::ChunkAt(std::int32_t id) const {
  return blocks_[id / kChunksPerBlock][id % kChunksPerBlock];
}

std::int32_t EdgeGrid::NewChunk(std::int32_t next) {
  if (chunkCount_ % kChunksPerBlock == 0) {
    blocks_.push_back(std::make_unique<Chunk[]>(kChunksPerBlock));
  }
  const std::int32_t id = chunkCount_++;
  ChunkAt(id) = {next, 0, {}};
  return id;
}

bool EdgeGrid::CellHasCrossing(int slot, const Segment& segment, MeshEdge* crossed) const {
  for (std::int32_t id = cellChains_[slot]; id != kNoChunk; id = ChunkAt(id).Next) {
    const Chunk& chunk = ChunkAt(id);
    for (int i = 0; i < chunk.Count; ++i) {
      if (!Crosses(segment, chunk.Edges[i])) continue;
      if (crossed) {
        *crossed = {grid_.EntryAt(chunk.Edges[i].Start).Index,
                    grid_.EntryAt(chunk.Edges[i].End).Index};
      }
      return true;
    }
  }
  return false;
}

bool EdgeGrid::Crosses(const Segment& segment, FiledEdge edge) const {
  const PointTree::Entry& c = grid_.EntryAt(edge.Start);
  const PointTree::Entry& d = grid_.EntryAt(edge.End);
  // One branch for the box test: most edges of a cell miss the segment's box.
  const bool apart = (std::max(c.X, d.X) < segment.MinX) | (std::min(c.X, d.X) > segment.MaxX) |
                     (std::max(c.Y, d.Y) < segment.MinY) | (std::min(c.Y, d.Y) > segment.MaxY);
  if (apart) return false;
  return CrossingIndex::Crosses(segment.AX, segment.AY, segment.BX, segment.BY, c.X, c.Y,
                                c.Index, d.X, d.Y, d.Index);
}

}  // namespace tarn
