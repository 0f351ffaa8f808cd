// The passes of the triangulation, with indexes that make each step cheap.
//
// GrowPass gives exactly the triangles, order and edge states of the plain procedure
// (for each triangle, for each edge: skip it if another triangle holds both its corners or
// its state is not 0; else search every point, test every edge of every triangle), but:
//   - holders of a corner pair come from MeshEdges instead of a scan of all triangles;
//   - candidates come in the order (distance, index), so the first acceptable one is the
//     choice and the rest are never looked at: from RingSearch near the edge, and from
//     CandidateSearch beyond the few rings of cells that RingSearch looks at;
//   - CrossesMesh asks an index for the edges near the segment only (EdgeGrid, or EdgeIndex
//     where the points crowd into few cells of the grid), and the crossings
//     found cast shadows (EdgeShadows) that drop whole boxes of candidates which could not
//     be joined anyway (ThirdCornerRules): an edge with no joinable point stops early
//     instead of trying every point beyond it;
//   - a pass visits only the triangles added by the previous pass: a visit leaves every
//     edge of a triangle shared or with a state of +-1, and neither ever changes back;
//   - the points are numbered by place (SpatialOrder) and every index works on those
//     numbers, so that the growing mesh reads nearby memory; the triangles are written with
//     the caller's indices, and equal distances are settled by them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mesh/CandidateSearch.h"
#include "mesh/CrossingIndex.h"
#include "mesh/EdgeShadows.h"
#include "mesh/MeshEdges.h"
#include "data/PointSet.h"
#include "mesh/PointGrid.h"
#include "mesh/PointTree.h"
#include "mesh/RingSearch.h"
#include "mesh/SpatialOrder.h"

namespace tarn {

class MeshBuildObserver;

class MeshGrower {
 public:
  // `mesh` holds the seed triangle, `seed` the same triangle in the numbers of `order`;
  // `mesh` must outlive the grower. The grower keeps the points in its own indexes only.
  MeshGrower(SpatialOrder order, const MeshTriangle& seed, TriangleList& mesh);

  // One pass; returns the number of triangles appended. Calls observer.Pump() every few
  // thousand triangles.
  int GrowPass(MeshBuildObserver& observer);

  // The number of points that are a corner of at least one triangle.
  int CornerCount() const { return cornerCount_; }

 private:
  // A triangle's corners in the grower's numbers.
  struct Corners {
    PointIndex V[3];
  };

  void PrefetchOpenEdges(const MeshTriangle& t, const Corners& corners) const;
  void ExamineEdge(std::size_t triangle, const Corners& corners, int edge);
  PointIndex FindThirdCorner(PointIndex p, PointIndex q, PointIndex r, double& distance);
  void AppendTriangle(PointIndex k, PointIndex q, PointIndex p);
  void NoteCorners(const Corners& corners);

  std::vector<PointIndex> original_;  // per grower number, the caller's index
  TriangleList& mesh_;                // in the caller's indices
  std::vector<Corners> visited_;      // of the triangles the pass visits, from passStart_ on
  std::vector<Corners> appended_;     // of the triangles the pass appends
  PointTree tree_;
  PointGrid grid_;
  MeshEdges edges_;
  std::unique_ptr<CrossingIndex> crossings_;
  RingSearch nearSearch_;
  int nearRings_;
  CandidateSearch search_;
  EdgeShadows shadows_;  // of the edge being examined
  std::vector<std::uint8_t> isCorner_;
  int cornerCount_ = 0;
  std::size_t passStart_ = 0;  // triangles before it have no edge left to examine
};

}  // namespace tarn
