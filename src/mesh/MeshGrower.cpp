#include "mesh/MeshGrower.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "mesh/EdgeGrid.h"
#include "mesh/EdgeIndex.h"
#include "mesh/Geometry.h"
#include "mesh/ThirdCornerRules.h"
#include "mesh/Triangulation.h"

namespace tarn {

namespace {

// A pass pumps messages after this many triangles (well under a millisecond of work).
constexpr std::size_t kTrianglesPerPump = 256;

// How many triangles ahead of the examined one the pair table is prefetched: far enough
// that triangles with nothing left to examine do not catch up with their loads.
constexpr std::size_t kPrefetchAhead = 8;

// The rings of grid cells searched before the tree: enough for most edges, few enough
// that an edge with no joinable point does not spend long there. None where the points
// crowd into few cells.
constexpr int kNearRings = 2;

// The state of edge j = 1, 2, 3 (corner j to the next corner).
std::int32_t& EdgeStateOf(MeshTriangle& t, int j) {
  return j == 1 ? t.E1 : (j == 2 ? t.E2 : t.E3);
}

int NextCorner(int c) { return c % 3 + 1; }

std::unique_ptr<CrossingIndex> CrossingIndexFor(const PointTree& tree, const PointGrid& grid,
                                                const MeshEdges& edges) {
  if (!grid.Balanced()) return std::make_unique<EdgeIndex>(tree, edges);
  return std::make_unique<EdgeGrid>(grid, edges, std::max(tree.MaxAbsX(), tree.MaxAbsY()));
}

// The tree and the grid hold copies of the points; the list goes before the other indexes
// are allocated, so that it adds nothing to the peak of the build.
PointTree TreeReleasingPoints(PointList& points) {
  PointTree tree(points);
  PointList().swap(points);
  return tree;
}

}  // namespace

MeshGrower::MeshGrower(SpatialOrder order, const MeshTriangle& seed, TriangleList& mesh)
    : original_(std::move(order.Original)),
      mesh_(mesh),
      tree_(TreeReleasingPoints(order.Points)),
      grid_(tree_),
      edges_(3 * tree_.PointCount(), tree_.PointCount()),
      crossings_(CrossingIndexFor(tree_, grid_, edges_)),
      nearSearch_(grid_, original_.data()),
      nearRings_(grid_.Balanced() ? kNearRings : -1),
      search_(tree_, original_.data()),
      isCorner_(tree_.PointCount(), 0) {
  assert(mesh_.size() == 1 && "the grower starts from the seed");
  crossings_->AddTriangle(seed.V1, seed.V2, seed.V3);
  edges_.AddTriangle(seed.V1, seed.V2, seed.V3);
  appended_.push_back({{seed.V1, seed.V2, seed.V3}});
  NoteCorners(appended_.back());
}

int MeshGrower::GrowPass(MeshBuildObserver& observer) {
  const std::size_t count = mesh_.size();
  visited_.swap(appended_);
  appended_.clear();
  for (std::size_t i = passStart_; i < count; ++i) {
    if (i + kPrefetchAhead < count) {
      PrefetchOpenEdges(mesh_[i + kPrefetchAhead], visited_[i + kPrefetchAhead - passStart_]);
    }
    const Corners corners = visited_[i - passStart_];
    for (int j = 1; j <= 3; ++j) ExamineEdge(i, corners, j);
    if ((i - passStart_ + 1) % kTrianglesPerPump == 0) observer.Pump();
  }
  passStart_ = count;
  return static_cast<int>(mesh_.size() - count);
}

// The holder counts of a triangle's open edges are asked next; a search is long enough to
// hide the wait for them.
void MeshGrower::PrefetchOpenEdges(const MeshTriangle& t, const Corners& c) const {
  if (t.E1 == kEdgeOpen) edges_.Prefetch(c.V[0], c.V[1]);
  if (t.E2 == kEdgeOpen) edges_.Prefetch(c.V[1], c.V[2]);
  if (t.E3 == kEdgeOpen) edges_.Prefetch(c.V[2], c.V[0]);
}

// Edge j of triangle i runs from P to Q; R is the corner opposite.
void MeshGrower::ExamineEdge(std::size_t triangle, const Corners& corners, int edge) {
  const PointIndex p = corners.V[edge - 1];
  const PointIndex q = corners.V[NextCorner(edge) - 1];
  const PointIndex r = corners.V[NextCorner(NextCorner(edge)) - 1];
  // Both skip the edge; the state is the cheaper test.
  if (EdgeStateOf(mesh_[triangle], edge) != kEdgeOpen) return;
  if (edges_.HolderCount(p, q) >= 2) return;  // another triangle lies across it
  double distance = 0;
  const PointIndex k = FindThirdCorner(p, q, r, distance);
  // A choice at distance 0 leaves the edge on the hull, as the plain procedure does.
  const bool joined = k != kNoPoint && distance > 0;
  if (joined) AppendTriangle(k, q, p);
  EdgeStateOf(mesh_[triangle], edge) = joined ? kEdgeShared : kEdgeHull;
}

// The nearest point to the midpoint of P-Q, lowest index first, that lies strictly on the
// far side from R and is joined to P and to Q without crossing an edge.
PointIndex MeshGrower::FindThirdCorner(PointIndex p, PointIndex q, PointIndex r,
                                       double& distance) {
  ThirdCornerRules rules(grid_, tree_, *crossings_, shadows_, p, q, r);
  const Midpoint m = rules.Centre();
  auto consider = [&rules](const PointTree::Entry& entry) { return rules.Consider(entry); };
  // The crossing tests take long enough to hide the pair-table loads that appending the
  // triangle will need if k is accepted.
  auto accept = [this, &rules, p, q](PointIndex k) {
    edges_.Prefetch(k, q);
    edges_.Prefetch(p, k);
    return rules.Accept(k);
  };
  PointIndex found = kNoPoint;
  double decidedBelow = 0;
  auto mayJoin = [&rules](const PointTree::Entry& entry) { return rules.MayJoin(entry); };
  switch (nearSearch_.FindFirst(m, nearRings_, mayJoin, consider, accept, found, distance,
                                decidedBelow)) {
    case RingSearch::Outcome::Found:
      return found;
    case RingSearch::Outcome::NoneAtAll:
      return kNoPoint;
    case RingSearch::Outcome::Undecided:
      break;
  }
  // The points nearer than decidedBelow were all asked and refused.
  auto considerRest = [&rules, &m, decidedBelow](const PointTree::Entry& entry) {
    return MidpointDistance(m, entry.X, entry.Y) >= decidedBelow && rules.Consider(entry);
  };
  return search_.FindFirst(
      m, [&rules](const PointTree::Box& box) { return rules.MayHold(box); }, considerRest,
      accept, rules.Learned(), distance);
}

// The new triangle runs the shared edge backwards, keeping the winding; its other two
// edges are marked shared if a triangle already holds their corners, and filed if new.
void MeshGrower::AppendTriangle(PointIndex k, PointIndex q, PointIndex p) {
  const unsigned heldBefore = edges_.AddTriangle(k, q, p);
  const bool kqHeld = (heldBefore & 1) != 0;
  const bool pkHeld = (heldBefore & 4) != 0;
  if (!kqHeld) crossings_->FileEdge(k, q);
  if (!pkHeld) crossings_->FileEdge(p, k);
  // Q-P is held by the triangle built across.
  const MeshTriangle added{original_[k],
                           original_[q],
                           original_[p],
                           kqHeld ? kEdgeShared : kEdgeOpen,
                           kEdgeShared,
                           pkHeld ? kEdgeShared : kEdgeOpen};
  mesh_.push_back(added);
  appended_.push_back({{k, q, p}});
  NoteCorners(appended_.back());
}

void MeshGrower::NoteCorners(const Corners& corners) {
  for (const PointIndex corner : corners.V) {
    if (isCorner_[corner]) continue;
    isCorner_[corner] = 1;
    ++cornerCount_;
  }
}

}  // namespace tarn
