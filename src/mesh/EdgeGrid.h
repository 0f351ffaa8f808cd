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
#include <vector>

#include "mesh/CrossingIndex.h"
#include "mesh/MeshEdges.h"
#include "mesh/PointGrid.h"
#include "data/PointSet.h"

namespace tarn {

class EdgeGrid final : public CrossingIndex {
 public:
  // `maxAbsCoordinate` is the largest |x| or |y| of the points: the scale of the margin.
  EdgeGrid(const PointGrid& grid, const MeshEdges& edges, double maxAbsCoordinate);

  void FileEdge(PointIndex start, PointIndex end) override;
  bool CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const override;

 private:
  template <class CellAction>
  bool VisitCells(const Segment& segment, CellAction action) const;

  const PointGrid& grid_;
  double margin_;
  EdgeBuckets buckets_;
};

}  // namespace tarn
