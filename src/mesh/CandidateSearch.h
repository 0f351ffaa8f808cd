// The search for the third corner of a new triangle: the points of the tree in increasing
// MidpointDistance from an edge's midpoint, the lowest point index first among equal
// distances, stopping at the first point the caller accepts.
//
// Best-first search: one heap holds tree nodes, keyed by a lower bound of the distance of
// any of their points, and points, keyed by their exact MidpointDistance. A point leaves the
// heap only when every node that could still hold a point at the same or a smaller distance
// has been opened (nodes sort before points on equal keys, and a node's bound is shrunk by
// a relative margin far beyond the rounding of the distances), so points come out in the
// order (distance, index) exactly as the double expressions compare.
//
// The caller's box filter drops nodes that cannot hold an acceptable point: FarSide drops
// boxes wholly on the near side of the edge (with a margin in y far beyond the rounding of
// the slope-and-intercept side test, so no point that the side test would put on the far
// side is lost). The filter may learn during the search: the caller counts what it
// learns, and a node is asked again when it comes out of the heap if the count has moved
// since the node went in.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "mesh/EdgeShadows.h"
#include "mesh/Geometry.h"
#include "mesh/PointTree.h"

namespace tarn {

// Which boxes may hold points that EdgeLine::SideOf puts on the far side of an edge.
class FarSide {
 public:
  FarSide(const EdgeLine& line, int sideOfCorner, double maxAbsX, double maxAbsY);

  bool MayHoldFarPoints(const PointTree::Box& box) const;

  // The part of the box where the side test may put points on the far side, widened
  // across the line by twice the margin; empty (no corners) if there is none.
  EdgeShadows::Polygon FarPart(const PointTree::Box& box) const;

 private:
  // How far (x, y) lies on the far side of the widened line (in y, or in x for a vertical
  // line); negative on the near side.
  double Beyond(double x, double y) const;
  // Where the widened line meets the box side from a to b (one end beyond, the other not).
  void BorderPoint(double ax, double ay, double bx, double by, double& x, double& y) const;

  EdgeLine line_;
  int farSide_;
  double margin_;
};

class CandidateSearch {
 public:
  // `tieOrder[index]`, if given, settles equal distances in place of the index itself.
  explicit CandidateSearch(const PointTree& tree, const PointIndex* tieOrder = nullptr)
      : tree_(tree), tieOrder_(tieOrder) {}

  // `mayHold(box)` drops nodes; `consider(entry)` filters single points before they enter
  // the order (cheap tests); `accept(index)` is asked in order; `learned` counts the
  // lessons that made mayHold stricter. The first accepted point is returned with its
  // distance, or kNoPoint if none is accepted.
  template <class MayHold, class Consider, class Accept>
  PointIndex FindFirst(const Midpoint& m, MayHold mayHold, Consider consider, Accept accept,
                       const std::size_t& learned, double& distance);

 private:
  // A node of the tree, or a point: Id is the node number, or ~index for a point.
  struct Item {
    double Key;
    std::int32_t Id;
    std::uint32_t Learned;  // the caller's count of lessons when the item went in
  };
  static bool IsPoint(const Item& item) { return item.Id < 0; }
  static PointIndex PointOf(const Item& item) { return ~item.Id; }

  // For the heap: true if `a` comes out after `b`. Nodes before points on equal keys,
  // points by tie key.
  bool Later(const Item& a, const Item& b) const {
    if (a.Key != b.Key) return a.Key > b.Key;
    if (IsPoint(a) != IsPoint(b)) return IsPoint(a);
    return IsPoint(a) ? tieOrder_.KeyOf(PointOf(a)) > tieOrder_.KeyOf(PointOf(b)) : a.Id > b.Id;
  }
  auto LaterOrder() const {
    return [this](const Item& a, const Item& b) { return Later(a, b); };
  }

  static double DistanceBound(const Midpoint& m, const PointTree::Box& box);
  void Push(double key, std::int32_t id) {
    heap_.push_back({key, id, static_cast<std::uint32_t>(*learned_)});
    std::push_heap(heap_.begin(), heap_.end(), LaterOrder());
  }
  Item Pop() {
    std::pop_heap(heap_.begin(), heap_.end(), LaterOrder());
    const Item item = heap_.back();
    heap_.pop_back();
    return item;
  }
  template <class Consider>
  void OpenLeaf(const Midpoint& m, PointTree::Range range, Consider& consider);
  template <class MayHold>
  void OpenNode(const Midpoint& m, MayHold& mayHold, int node);
  template <class MayHold, class Consider>
  void Descend(const Midpoint& m, MayHold& mayHold, Consider& consider);

  const PointTree& tree_;
  TieOrder tieOrder_;
  std::vector<Item> heap_;
  const std::size_t* learned_ = nullptr;
};

template <class MayHold, class Consider, class Accept>
PointIndex CandidateSearch::FindFirst(const Midpoint& m, MayHold mayHold, Consider consider,
                                      Accept accept, const std::size_t& learned,
                                      double& distance) {
  heap_.clear();
  learned_ = &learned;
  if (tree_.Empty() || !mayHold(tree_.NodeBox(0))) return kNoPoint;
  Descend(m, mayHold, consider);
  while (!heap_.empty()) {
    const Item item = Pop();
    if (IsPoint(item)) {
      if (!accept(PointOf(item))) continue;
      distance = item.Key;
      return PointOf(item);
    }
    if (item.Learned != *learned_ && !mayHold(tree_.NodeBox(item.Id))) continue;
    const PointTree::Range range = tree_.NodeRange(item.Id);
    if (PointTree::IsLeaf(range)) {
      OpenLeaf(m, range, consider);
    } else {
      OpenNode(m, mayHold, item.Id);
    }
  }
  return kNoPoint;
}

template <class Consider>
void CandidateSearch::OpenLeaf(const Midpoint& m, PointTree::Range range, Consider& consider) {
  for (int position = range.Begin; position < range.End; ++position) {
    const PointTree::Entry& entry = tree_.EntryAt(position);
    if (!consider(entry)) continue;
    Push(MidpointDistance(m, entry.X, entry.Y), ~entry.Index);
  }
}

// The start of a search: straight down to the leaf around the midpoint, leaving the other
// child of every node on the way in the heap. Saves the heap the first dozen rounds.
template <class MayHold, class Consider>
void CandidateSearch::Descend(const Midpoint& m, MayHold& mayHold, Consider& consider) {
  int node = 0;
  PointTree::Range range = tree_.RootRange();
  while (!PointTree::IsLeaf(range)) {
    const double split = tree_.SplitValue(node);
    const bool lowerFirst =
        (tree_.SplitAxis(node) == PointTree::kAxisX ? m.X : m.Y) < split;
    const int near = lowerFirst ? PointTree::LowerChild(node) : PointTree::UpperChild(node);
    const int far = lowerFirst ? PointTree::UpperChild(node) : PointTree::LowerChild(node);
    const PointTree::Range nearRange = lowerFirst ? PointTree::LowerHalf(range)
                                                  : PointTree::UpperHalf(range);
    if (mayHold(tree_.NodeBox(far))) Push(DistanceBound(m, tree_.NodeBox(far)), far);
    if (!mayHold(tree_.NodeBox(near))) return;
    node = near;
    range = nearRange;
  }
  OpenLeaf(m, range, consider);
}

template <class MayHold>
void CandidateSearch::OpenNode(const Midpoint& m, MayHold& mayHold, int node) {
  for (const int child : {PointTree::LowerChild(node), PointTree::UpperChild(node)}) {
    const PointTree::Box& box = tree_.NodeBox(child);
    if (mayHold(box)) Push(DistanceBound(m, box), child);
  }
}

}  // namespace tarn
