// A k-d tree over the points with finite coordinates: the spatial index behind the
// candidate search and the edge index of the triangulation.
//
// The entries are the points copied in tree order. Node 0 covers all entries; a node over
// the range [Begin, End) with more than kLeafSize entries splits it in two halves, the
// lower half to child 2n+1 and the upper half to child 2n+2, along the axis where the
// node's points spread more. The split value is the coordinate of the first entry of the
// upper half, so every entry of the lower half lies at or below it and every entry of the
// upper half at or above it (equal coordinates may sit on both sides).
//
// Each node keeps the tight box of its entries (for distance bounds); the split values
// also cut the plane into closed leaf regions that cover it without gaps (for the edges).
// A large tree builds the two halves of its root on two threads, to the same result.
#pragma once

#include <cstdint>
#include <vector>

#include "data/PointSet.h"

namespace tarn {

class PointTree {
 public:
  static constexpr int kLeafSize = 8;

  struct Entry {
    float X;
    float Y;
    PointIndex Index;  // in the point set
  };
  struct Box {
    float MinX;
    float MinY;
    float MaxX;
    float MaxY;
  };
  struct Range {
    std::int32_t Begin;
    std::int32_t End;
  };
  enum Axis : std::uint8_t { kAxisX = 0, kAxisY = 1 };

  // `mayUseSecondThread` false keeps the build on the calling thread (the tree is the same).
  explicit PointTree(const PointList& points, bool mayUseSecondThread = true);

  bool Empty() const { return entries_.empty(); }
  Range RootRange() const { return {0, static_cast<std::int32_t>(entries_.size())}; }
  static bool IsLeaf(Range range) { return range.End - range.Begin <= kLeafSize; }
  static int MiddleOf(Range range) { return range.Begin + (range.End - range.Begin) / 2; }
  static Range LowerHalf(Range range) { return {range.Begin, MiddleOf(range)}; }
  static Range UpperHalf(Range range) { return {MiddleOf(range), range.End}; }
  static int LowerChild(int node) { return 2 * node + 1; }
  static int UpperChild(int node) { return 2 * node + 2; }

  const Entry& EntryAt(int position) const { return entries_[position]; }
  const Box& NodeBox(int node) const { return boxes_[node]; }
  Range NodeRange(int node) const { return ranges_[node]; }
  Axis SplitAxis(int node) const { return static_cast<Axis>(axes_[node]); }
  float SplitValue(int node) const { return splits_[node]; }
  int NodeCount() const { return static_cast<int>(boxes_.size()); }

  // The tree position of a point of the set, or -1 for a point that is not in the tree.
  std::int32_t PositionOf(PointIndex point) const { return positions_[point]; }
  // The size of the point set the tree was built from, points left out included.
  std::size_t PointCount() const { return positions_.size(); }

  // The largest |x| and |y| among the entries: the scale of the rounding margins.
  double MaxAbsX() const { return maxAbsX_; }
  double MaxAbsY() const { return maxAbsY_; }

 private:
  void Build(int node, Range range, bool twoThreads);
  Box BoxOf(Range range) const;
  void SplitAt(int node, Range range, Axis axis);

  std::vector<Entry> entries_;
  std::vector<Box> boxes_;
  std::vector<Range> ranges_;
  std::vector<float> splits_;
  std::vector<std::uint8_t> axes_;
  std::vector<std::int32_t> positions_;
  double maxAbsX_ = 0;
  double maxAbsY_ = 0;
};

}  // namespace tarn
