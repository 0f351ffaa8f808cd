// The edges of the growing mesh filed by the cells of the point grid, for CrossesMesh: does
// a segment cross an edge of any triangle?
//
// Every edge is filed in each cell that it passes within a small margin of; a query walks
// the cells along its segment (the same margin) and runs SegmentsCross on the edges filed
// there. Two segments that SegmentsCross reports as crossing meet within a rounding error,
// far below the margin, so the cell of the meeting point holds both and the query meets the
// edge. Which crossing edge it meets first does not matter: the answer is only whether one
// crosses.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "data/CrossingIndex.h"
#include "data/MeshEdges.h"
#include "data/PointGrid.h"
#include "data/PointSet.h"

namespace tarn {

class EdgeGrid final : public CrossingIndex {
 public:
  // `maxAbsCoordinate` is the largest |x| or |y| of the points: the scale of the margin.
  EdgeGrid(const PointGrid& grid, const MeshEdges& edges, double maxAbsCoordinate);

  void FileEdge(PointIndex start, PointIndex end) override;
  bool CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const override;

 private:
  // An edge as the grid positions of its start and end.
  struct FiledEdge {
    std::int32_t Start;
    std::int32_t End;
  };
  // The edges of one cell live in a chain of chunks of one cache line each.
  static constexpr int kChunkEdges = 7;
  struct Chunk {
    std::int32_t Next;
    std::int32_t Count;
    FiledEdge Edges[kChunkEdges];
  };
  static constexpr int kChunksPerBlock = 4096;
  static constexpr std::int32_t kNoChunk = -1;

  struct Segment;

  template <class CellAction>
  bool VisitCells(const Segment& segment, CellAction action) const;
  void AppendToCell(int slot, FiledEdge edge);
  Chunk& ChunkAt(std::int32_t id) const;
  std::int32_t NewChunk(std::int32_t next);
  bool CellHasCrossing(int slot, const Segment& segment, MeshEdge* crossed) const;
  bool Crosses(const Segment& segment, FiledEdge edge) const;

  const PointGrid& grid_;
  double margin_;
  std::vector<std::int32_t> cellChains_;  // per cell slot: the newest chunk, or kNoChunk
  std::vector<std::unique_ptr<Chunk[]>> blocks_;
  std::int32_t chunkCount_ = 0;
};

}  // namespace tarn
