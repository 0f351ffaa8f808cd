// The near end of the search for the third corner: the cells of a PointGrid ring by ring
// around an edge's midpoint, deciding the points in increasing MidpointDistance, the lowest
// point index first among equal distances, as far as the rings searched allow.
//
// After each ring, every point whose distance lies below the block's guaranteed radius has
// been collected (any point outside the block lies farther), so those points can be asked
// in the exact order (distance, index) before any point not yet collected. Most edges find
// their corner within two rings; an edge that does not is left to the tree search, which
// then only has to look at points at or beyond the radius decided here.
#pragma once

#include <algorithm>
#include <limits>
#include <vector>

#include "mesh/Geometry.h"
#include "mesh/PointGrid.h"

namespace tarn {

class RingSearch {
 public:
  // `tieOrder[index]`, if given, settles equal distances in place of the index itself (for
  // points renumbered by place: the index in the caller's set).
  explicit RingSearch(const PointGrid& grid, const PointIndex* tieOrder = nullptr)
      : grid_(grid), tieOrder_(tieOrder) {}

  enum class Outcome {
    Found,      // `found` and `distance` hold the first accepted point
    NoneAtAll,  // every point was asked and none accepted
    Undecided,  // no point below `decidedBelow` was accepted; the rest was not asked
  };

  // `consider(entry)` and `accept(index)` as for CandidateSearch, both asked in order;
  // `keep(entry)` is a fixed part of consider (no point it refuses is ever accepted, and
  // refusing has no other effect), asked as the points are collected, which spares the
  // ordering most of them.
  template <class Keep, class Consider, class Accept>
  Outcome FindFirst(const Midpoint& m, int maxRings, Keep keep, Consider consider,
                    Accept accept, PointIndex& found, double& distance, double& decidedBelow);

 private:
  struct Candidate {
    double Distance;
    PointTree::Entry Entry;
  };
  PointIndex TieKey(PointIndex index) const { return tieOrder_ ? tieOrder_[index] : index; }
  bool Before(const Candidate& a, const Candidate& b) const {
    if (a.Distance != b.Distance) return a.Distance < b.Distance;
    return TieKey(a.Entry.Index) < TieKey(b.Entry.Index);
  }

  template <class Keep>
  void CollectRing(const Midpoint& m, PointGrid::Block block, Keep& keep);
  template <class Keep>
  void CollectCell(const Midpoint& m, PointGrid::Cell cell, Keep& keep);
  template <class Consider, class Accept>
  bool DecideBelow(double radius, Consider& consider, Accept& accept, PointIndex& found,
                   double& distance);

  const PointGrid& grid_;
  const PointIndex* tieOrder_;
  std::vector<Candidate> pending_;
};

template <class Keep, class Consider, class Accept>
RingSearch::Outcome RingSearch::FindFirst(const Midpoint& m, int maxRings, Keep keep,
                                          Consider consider, Accept accept, PointIndex& found,
                                          double& distance, double& decidedBelow) {
  decidedBelow = -std::numeric_limits<double>::infinity();
  if (grid_.Empty()) return Outcome::Undecided;
  pending_.clear();
  const PointGrid::Cell centre = grid_.CellOf(m.X, m.Y);
  for (int rings = 0; rings <= maxRings; ++rings) {
    const PointGrid::Block block{centre, rings};
    CollectRing(m, block, keep);
    const double radius = grid_.GuaranteedRadius(m, block);
    if (DecideBelow(radius, consider, accept, found, distance)) return Outcome::Found;
    decidedBelow = std::max(decidedBelow, radius);
    if (radius == std::numeric_limits<double>::infinity()) return Outcome::NoneAtAll;
  }
  return Outcome::Undecided;
}

// Asks the collected points below `radius` in order; drops them from the pending ones.
template <class Consider, class Accept>
bool RingSearch::DecideBelow(double radius, Consider& consider, Accept& accept,
                             PointIndex& found, double& distance) {
  const auto below = std::partition(pending_.begin(), pending_.end(),
                                    [radius](const Candidate& c) { return c.Distance < radius; });
  std::sort(pending_.begin(), below,
            [this](const Candidate& a, const Candidate& b) { return Before(a, b); });
  for (auto candidate = pending_.begin(); candidate != below; ++candidate) {
    if (!consider(candidate->Entry) || !accept(candidate->Entry.Index)) continue;
    found = candidate->Entry.Index;
    distance = candidate->Distance;
    return true;
  }
  pending_.erase(pending_.begin(), below);
  return false;
}

// The cells at exactly `block.Rings` steps from the centre (the centre itself for 0).
template <class Keep>
void RingSearch::CollectRing(const Midpoint& m, PointGrid::Block block, Keep& keep) {
  const PointGrid::Cell c = block.Centre;
  const int r = block.Rings;
  const int left = std::max(c.X - r, 0), right = std::min(c.X + r, grid_.Columns() - 1);
  const int bottom = std::max(c.Y - r, 0), top = std::min(c.Y + r, grid_.Rows() - 1);
  for (int y = bottom; y <= top; ++y) {
    const bool edgeRow = y == c.Y - r || y == c.Y + r;
    if (edgeRow) {
      for (int x = left; x <= right; ++x) CollectCell(m, {x, y}, keep);
      continue;
    }
    if (c.X - r >= 0) CollectCell(m, {c.X - r, y}, keep);
    if (r > 0 && c.X + r < grid_.Columns()) CollectCell(m, {c.X + r, y}, keep);
  }
}

template <class Keep>
void RingSearch::CollectCell(const Midpoint& m, PointGrid::Cell cell, Keep& keep) {
  const int end = grid_.CellEnd(cell);
  for (int position = grid_.CellBegin(cell); position < end; ++position) {
    const PointTree::Entry& entry = grid_.EntryAt(position);
    if (keep(entry)) pending_.push_back({MidpointDistance(m, entry.X, entry.Y), entry});
  }
}

}  // namespace tarn
