// The edges of a growing mesh by their two corners: how many triangles hold both corners
// of a pair, and in which directions the triangles run along it.
//
// This answers SharedEdgeTriangle without scanning the triangle list: "another triangle
// holds the edge of triangle t" is "the pair is held at least twice" (t holds it once, and
// a triangle's three corners are distinct). The directions matter to the crossing test,
// which rounds differently for c-d and d-c.
//
// Open addressing with linear probing; a pair is the key (low index, high index). The first
// slot of a pair of nearby indices follows its low index through the table (about four
// slots per point), so that where neighbouring points have neighbouring indices (the
// grower numbers them by place), the pairs asked about along the growing mesh share cache
// lines and pages instead of being spread over a table far larger than the caches. Other pairs are hashed:
// the lower of two unrelated indices is more often small than large, and would crowd the
// start of the table.
#pragma once

#include <cstdint>
#include <vector>

#include "data/PointSet.h"

namespace tarn {

class MeshEdges {
 public:
  // Room for about `expectedEdges` pairs before the table grows; `pointCount` is the
  // number of point indices in use (larger indices work, but share first slots).
  MeshEdges(std::size_t expectedEdges, std::size_t pointCount);

  // Records the three edges of a triangle (corners in mesh order); returns which of them
  // some triangle held before (bit j - 1 for edge j, corner j to the next corner), which
  // spares the caller a look-up of each.
  unsigned AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3);

  // The number of triangles holding both points, saturated at 3.
  int HolderCount(PointIndex u, PointIndex v) const;

  // True if some triangle runs from `start` to `end` along one of its edges.
  bool HasDirectedEdge(PointIndex start, PointIndex end) const;

  // Starts loading the pair's first slot, so that a look-up soon after does not wait for
  // memory: the table is far larger than the caches, and each pair is asked about once.
  void Prefetch(PointIndex u, PointIndex v) const;

 private:
  // Info: bits 0-1 the saturated holder count, bit 2 "low to high" seen, bit 3 "high to
  // low" seen. Keys and infos are kept apart (9 bytes a slot instead of 16 with padding):
  // a probe reads keys only, and a look-up one info.
  static constexpr int kHomeShift = 16;
  static constexpr std::uint8_t kCountMask = 3;
  static constexpr std::uint8_t kLowToHigh = 4;
  static constexpr std::uint8_t kHighToLow = 8;
  // (low << 32) | high; no pair has low = high, so this marks an empty slot.
  static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

  // True if some triangle held the pair before.
  bool AddDirectedEdge(PointIndex start, PointIndex end);
  std::size_t FindSlot(std::uint32_t low, std::uint32_t high) const;
  std::size_t HomeOf(std::uint32_t low, std::uint32_t high) const;
  void Resize(std::size_t capacity);

  std::vector<std::uint64_t> keys_;
  std::vector<std::uint8_t> infos_;
  std::size_t used_ = 0;
  std::size_t pointCount_;
  std::uint32_t nearSpan_;       // pairs of indices closer than this are placed by index
  std::uint64_t homeScale_ = 0;  // slots per point index, in units of 2^-kHomeShift
};

}  // namespace tarn
