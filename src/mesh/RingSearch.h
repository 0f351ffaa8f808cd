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
  bool Before(const Candidate& a, const Candidate& b) const {
    if (a.Distance != b.Distance) return a.Distance < b.Distance;
    return tieOrder_.KeyOf(a.Entry.Index) < tieOrder_.KeyOf(b.Entry.Index);
  }

  template <class Keep>
  void CollectRing(const Midpoint& m, PointGrid::Block block, Keep& keep);
  template <class Keep>
  void CollectCells(const Midpoint& m, PointGrid::Cell first, PointGrid::Cell last, Keep& keep);
  template <class Consider, class Accept>
  bool DecideBelow(double radius, Consider& consider, Accept& accept, PointIndex& found,
                   double& distance);

  const PointGrid& grid_;
  TieOrder tieOrder_;
  // The first pendingCount_ are the points collected and not yet decided; the rest is room,
  // so that a point is written before keep decides whether it counts (no branch).
  std::vector<Candidate> pending_;
  std::size_t pendingCount_ = 0;
};

template <class Keep, class Consider, class Accept>
RingSearch::Outcome RingSearch::FindFirst(const Midpoint& m, int maxRings, Keep keep,
                                          Consider consider, Accept accept, PointIndex& found,
                                          double& distance, double& decidedBelow) {
  decidedBelow = -std::numeric_limits<double>::infinity();
  if (grid_.Empty()) return Outcome::Undecided;
  pendingCount_ = 0;
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
  const auto first = pending_.begin();
  const auto last = first + static_cast<std::ptrdiff_t>(pendingCount_);
  // Partitioned without branches (which side a point falls on is random); the order
  // within either part does not matter.
  auto below = first;
  for (auto candidate = first; candidate != last; ++candidate) {
    const Candidate moved = *candidate;
    *candidate = *below;
    *below = moved;
    below += moved.Distance < radius ? 1 : 0;
  }
  // Most searches take the first point asked, so the nearest is picked out by one scan and
  // the rest sorted only if it is refused; (distance, tie key) orders the points totally.
  const auto before = [this](const Candidate& a, const Candidate& b) { return Before(a, b); };
  if (first != below) {
    auto nearest = first;
    for (auto candidate = first + 1; candidate != below; ++candidate) {
      nearest = before(*candidate, *nearest) ? candidate : nearest;
    }
    std::swap(*first, *nearest);
  }
  for (auto candidate = first; candidate != below; ++candidate) {
    if (candidate == first + 1) std::sort(candidate, below, before);
    if (!consider(candidate->Entry) || !accept(candidate->Entry.Index)) continue;
    found = candidate->Entry.Index;
    distance = candidate->Distance;
    return true;
  }
  std::move(below, last, first);
  pendingCount_ -= static_cast<std::size_t>(below - first);
  return false;
}

// The cells at exactly `block.Rings` steps from the centre (the centre itself for 0). The
// cells of a row lie next to each other in the grid's list, so a row of the ring is read as
// one range. The order of collection does not matter: the points are sorted before use.
template <class Keep>
void RingSearch::CollectRing(const Midpoint& m, PointGrid::Block block, Keep& keep) {
  const PointGrid::Cell c = block.Centre;
  const int r = block.Rings;
  const int left = std::max(c.X - r, 0), right = std::min(c.X + r, grid_.Columns() - 1);
  const int bottom = std::max(c.Y - r, 0), top = std::min(c.Y + r, grid_.Rows() - 1);
  for (int y = bottom; y <= top; ++y) {
    const bool edgeRow = y == c.Y - r || y == c.Y + r;
    if (edgeRow) {
      CollectCells(m, {left, y}, {right, y}, keep);
      continue;
    }
    if (c.X - r >= 0) CollectCells(m, {c.X - r, y}, {c.X - r, y}, keep);
    if (r > 0 && c.X + r < grid_.Columns()) CollectCells(m, {c.X + r, y}, {c.X + r, y}, keep);
  }
}

// The cells from `first` to `last` along one row.
template <class Keep>
void RingSearch::CollectCells(const Midpoint& m, PointGrid::Cell first, PointGrid::Cell last,
                              Keep& keep) {
  const int begin = grid_.CellBegin(first);
  const int end = grid_.CellEnd(last);
  const std::size_t room = pendingCount_ + static_cast<std::size_t>(end - begin);
  if (pending_.size() < room) pending_.resize(2 * room);
  Candidate* const out = pending_.data();
  std::size_t count = pendingCount_;
  for (int position = begin; position < end; ++position) {
    const PointTree::Entry& entry = grid_.EntryAt(position);
    out[count] = {MidpointDistance(m, entry.X, entry.Y), entry};
    count += keep(entry) ? 1 : 0;
  }
  pendingCount_ = count;
}

}  // namespace tarn
