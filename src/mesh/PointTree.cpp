#include "mesh/PointTree.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

namespace tarn {

namespace {

// The number of node slots a tree over `count` entries uses (nodes are numbered as in a heap).
int NodeSlotsFor(int count) {
  int slots = 1;
  int span = count;
  while (span > PointTree::kLeafSize) {
    span = span - span / 2;  // the upper half is the larger one
    slots = 2 * slots + 1;
  }
  return slots;
}

// Below this many points a second thread costs more than the half of the tree it builds.
constexpr int kEntriesForTwoThreads = 1 << 16;

}  // namespace

PointTree::PointTree(const PointList& points, bool mayUseSecondThread)
    : positions_(points.size(), -1) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Points& p = points[i];
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
    entries_.push_back({p.X, p.Y, static_cast<PointIndex>(i)});
    maxAbsX_ = std::max(maxAbsX_, std::fabs(double{p.X}));
    maxAbsY_ = std::max(maxAbsY_, std::fabs(double{p.Y}));
  }
  const int slots = NodeSlotsFor(static_cast<int>(entries_.size()));
  boxes_.resize(slots);
  ranges_.resize(slots);
  splits_.resize(slots);
  axes_.resize(slots);
  const bool twoThreads = mayUseSecondThread &&
                          static_cast<int>(entries_.size()) >= kEntriesForTwoThreads &&
                          std::thread::hardware_concurrency() > 1;
  Build(0, RootRange(), twoThreads);
  for (std::size_t position = 0; position < entries_.size(); ++position) {
    positions_[entries_[position].Index] = static_cast<std::int32_t>(position);
  }
}

// The two halves of a node share nothing (their entries, nodes and slots of every array
// are apart), so they may be built on two threads: the tree is the same.
void PointTree::Build(int node, Range range, bool twoThreads) {
  const Box box = BoxOf(range);
  boxes_[node] = box;
  ranges_[node] = range;
  if (IsLeaf(range)) return;
  const Axis axis = box.MaxX - box.MinX >= box.MaxY - box.MinY ? kAxisX : kAxisY;
  SplitAt(node, range, axis);
  if (twoThreads) {
    try {
      std::thread lower([this, node, range] { Build(LowerChild(node), LowerHalf(range), false); });
      Build(UpperChild(node), UpperHalf(range), false);
      lower.join();
      return;
    } catch (const std::system_error&) {
      // No thread to be had: both halves are built here.
    }
  }
  Build(LowerChild(node), LowerHalf(range), false);
  Build(UpperChild(node), UpperHalf(range), false);
}

PointTree::Box PointTree::BoxOf(Range range) const {
  Box box{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (int i = range.Begin; i < range.End; ++i) {
    box.MinX = std::min(box.MinX, entries_[i].X);
    box.MinY = std::min(box.MinY, entries_[i].Y);
    box.MaxX = std::max(box.MaxX, entries_[i].X);
    box.MaxY = std::max(box.MaxY, entries_[i].Y);
  }
  return box;
}

// Moves the median along `axis` to the middle, the smaller ones before it.
void PointTree::SplitAt(int node, Range range, Axis axis) {
  const auto begin = entries_.begin();
  const int middle = MiddleOf(range);
  auto less = [axis](const Entry& a, const Entry& b) {
    return axis == kAxisX ? a.X < b.X : a.Y < b.Y;
  };
  std::nth_element(begin + range.Begin, begin + middle, begin + range.End, less);
  axes_[node] = axis;
  splits_[node] = axis == kAxisX ? entries_[middle].X : entries_[middle].Y;
}

}  // namespace tarn
