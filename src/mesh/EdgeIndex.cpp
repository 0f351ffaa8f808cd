#include "mesh/EdgeIndex.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

#include "mesh/Geometry.h"

namespace tarn {

namespace {

// Far beyond the rounding of SegmentsCross (a few units in the last place of the
// coordinates), far below the spacing of distinct single-precision coordinates.
constexpr double kRelativeMargin = 0x1p-30;

}  // namespace

// A closed leaf region of the tree; the root's is the whole plane.
struct EdgeIndex::Region {
  double MinX = -INFINITY, MinY = -INFINITY, MaxX = INFINITY, MaxY = INFINITY;
};

namespace {

// Liang-Barsky: does the segment pass through the box (both already widened by the margin)?
template <class Segment, class Region>
bool SegmentMeetsRegion(const Segment& s, const Region& r, double margin) {
  if (s.MaxX < r.MinX || s.MinX > r.MaxX || s.MaxY < r.MinY || s.MinY > r.MaxY) return false;
  double t0 = 0;
  double t1 = 1;
  auto clip = [&t0, &t1](double a, double b, double low, double high) {
    if (a == b) return;  // the box test above already holds this axis
    double tLow = (low - a) / (b - a);
    double tHigh = (high - a) / (b - a);
    if (tLow > tHigh) std::swap(tLow, tHigh);
    t0 = std::max(t0, tLow);
    t1 = std::min(t1, tHigh);
  };
  clip(s.AX, s.BX, r.MinX - margin, r.MaxX + margin);
  clip(s.AY, s.BY, r.MinY - margin, r.MaxY + margin);
  return t0 <= t1;
}

}  // namespace

// Depth first over the leaf regions that the segment passes within the margin of, the
// side holding the segment's start first (a crossing is usually found next to it). Stops
// when `action(leafNode)` returns true, and then returns true. A child is clipped against
// the segment only when the segment's box straddles its parent's split; otherwise it
// meets the segment exactly where its parent does.
template <class LeafAction>
bool EdgeIndex::VisitLeaves(const Segment& segment, LeafAction action) const {
  struct Frame {
    int Node;
    PointTree::Range Range;
    Region Area;
    bool Met;  // the segment is known to pass this region
  };
  // Straight down while the segment's box lies on one side of the split.
  int node = 0;
  PointTree::Range range = tree_.RootRange();
  while (!PointTree::IsLeaf(range)) {
    const float split = tree_.SplitValue(node);
    const bool alongX = tree_.SplitAxis(node) == PointTree::kAxisX;
    if ((alongX ? segment.MaxX : segment.MaxY) < split) {
      node = PointTree::LowerChild(node);
      range = PointTree::LowerHalf(range);
    } else if ((alongX ? segment.MinX : segment.MinY) > split) {
      node = PointTree::UpperChild(node);
      range = PointTree::UpperHalf(range);
    } else {
      break;
    }
  }
  // The region of that node is not tracked; the whole plane stands in for it, which only
  // lets fewer regions be skipped below.
  std::array<Frame, 128> stack;
  int depth = 0;
  stack[depth++] = {node, range, Region{}, true};
  while (depth > 0) {
    const Frame frame = stack[--depth];
    if (!frame.Met && !SegmentMeetsRegion(segment, frame.Area, margin_)) continue;
    if (PointTree::IsLeaf(frame.Range)) {
      if (action(frame.Node)) return true;
      continue;
    }
    const float split = tree_.SplitValue(frame.Node);
    const bool alongX = tree_.SplitAxis(frame.Node) == PointTree::kAxisX;
    const double low = alongX ? segment.MinX : segment.MinY;
    const double high = alongX ? segment.MaxX : segment.MaxY;
    Frame lower{PointTree::LowerChild(frame.Node), PointTree::LowerHalf(frame.Range), frame.Area,
                high < split};
    Frame upper{PointTree::UpperChild(frame.Node), PointTree::UpperHalf(frame.Range), frame.Area,
                low > split};
    if (upper.Met) {
      stack[depth++] = upper;
      continue;
    }
    if (lower.Met) {
      stack[depth++] = lower;
      continue;
    }
    (alongX ? lower.Area.MaxX : lower.Area.MaxY) = split;
    (alongX ? upper.Area.MinX : upper.Area.MinY) = split;
    const bool startIsLower = (alongX ? segment.AX : segment.AY) <= split;
    assert(depth + 2 <= static_cast<int>(stack.size()) && "deeper than any tree of int32 points");
    stack[depth++] = startIsLower ? upper : lower;
    stack[depth++] = startIsLower ? lower : upper;
  }
  return false;
}

EdgeIndex::EdgeIndex(const PointTree& tree, const MeshEdges& edges)
    : CrossingIndex(edges),
      tree_(tree),
      margin_(kRelativeMargin * std::max({tree.MaxAbsX(), tree.MaxAbsY(), 0x1p-1000})),
      buckets_(static_cast<std::size_t>(tree.NodeCount())) {}

bool EdgeIndex::CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const {
  const std::int32_t positionA = tree_.PositionOf(a);
  const std::int32_t positionB = tree_.PositionOf(b);
  const Segment segment(tree_.EntryAt(positionA), tree_.EntryAt(positionB), margin_, positionA,
                        positionB);
  auto entryAt = [this](std::int32_t position) -> const PointTree::Entry& {
    return tree_.EntryAt(position);
  };
  return VisitLeaves(segment, [this, &segment, &entryAt, crossed](int node) {
    return PlaceHasCrossing(buckets_, node, segment, entryAt, crossed);
  });
}

void EdgeIndex::FileEdge(PointIndex start, PointIndex end) {
  const EdgeBuckets::FiledEdge edge{tree_.PositionOf(start), tree_.PositionOf(end)};
  assert(edge.Start >= 0 && edge.End >= 0 && "mesh corners are finite points");
  const Segment segment(tree_.EntryAt(edge.Start), tree_.EntryAt(edge.End), margin_, edge.Start,
                        edge.End);
  VisitLeaves(segment, [this, edge](int node) {
    buckets_.Append(node, edge);
    return false;
  });
}

}  // namespace tarn
