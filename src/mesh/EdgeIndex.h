// The edges of the growing mesh filed by place, for CrossesMesh: does a segment cross
// an edge of any triangle?
//
// Every edge is filed in each leaf region of the point tree that it passes within a small
// margin of; a query opens the leaf regions along its segment (the same margin) and runs
// SegmentsCross on the edges found there. Two segments that SegmentsCross reports as
// crossing come within a rounding error of each other, which is far below the margin, so
// some leaf region holds both and the query meets the edge. Which edge it meets first does
// not matter: the answer is only whether one crosses.
#pragma once

#include <cstdint>
#include <vector>

#include "mesh/CrossingIndex.h"
#include "mesh/MeshEdges.h"
#include "data/PointSet.h"
#include "mesh/PointTree.h"

namespace tarn {

class EdgeIndex final : public CrossingIndex {
 public:
  EdgeIndex(const PointTree& tree, const MeshEdges& edges);

  void FileEdge(PointIndex start, PointIndex end) override;
  bool CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const override;

 private:
  struct Region;

  template <class LeafAction>
  bool VisitLeaves(const Segment& segment, LeafAction action) const;

  const PointTree& tree_;
  double margin_;
  EdgeBuckets buckets_;
};

}  // namespace tarn
