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
#include <memory>
#include <vector>

#include "data/CrossingIndex.h"
#include "data/MeshEdges.h"
#include "data/PointSet.h"
#include "data/PointTree.h"

namespace tarn {

class EdgeIndex final : public CrossingIndex {
 public:
  EdgeIndex(const PointTree& tree, const MeshEdges& edges);

  void FileEdge(PointIndex start, PointIndex end) override;
  bool CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const override;

 private:
  // An edge as the tree positions of its start and end.
  struct FiledEdge {
    std::int32_t Start;
    std::int32_t End;
  };
  // The edges of one leaf live in a chain of chunks of one cache line each.
  static constexpr int kChunkEdges = 7;
  struct Chunk {
    std::int32_t Next;
    std::int32_t Count;
    FiledEdge Edges[kChunkEdges];
  };
  static constexpr int kChunksPerBlock = 4096;
  static constexpr std::int32_t kNoChunk = -1;

  struct Segment;
  struct Region;

  void AppendToLeaf(int node, FiledEdge edge);
  Chunk& ChunkAt(std::int32_t id) const;
  std::int32_t NewChunk(std::int32_t next);
  bool LeafHasCrossing(int node, const Segment& segment, MeshEdge* crossed) const;
  bool Crosses(const Segment& segment, FiledEdge edge) const;
  template <class LeafAction>
  bool VisitLeaves(const Segment& segment, LeafAction action) const;

  const PointTree& tree_;
  double margin_;
  std::vector<std::int32_t> leafChains_;  // per node: the newest chunk of a leaf, or kNoChunk
  std::vector<std::unique_ptr<Chunk[]>> blocks_;
  std::int32_t chunkCount_ = 0;
};

}  // namespace tarn
