// The edges of a growing mesh by their two corners: how many triangles hold both corners
// of a pair, and in which directions the triangles run along it.
//
// This answers SharedEdgeTriangle without scanning the triangle list: "another triangle
// holds the edge of triangle t" is "the pair is held at least twice" (t holds it once, and
// a triangle's three corners are distinct). The directions matter to the crossing test,
// which rounds differently for c-d and d-c.
//
// Open addressing with linear probing; a pair is the key (low index, high index).
#pragma once

#include <cstdint>
#include <vector>

#include "data/PointSet.h"

namespace tarn {

class MeshEdges {
 public:
  // Room for about `expectedEdges` pairs before the table grows.
  explicit MeshEdges(std::size_t expectedEdges);

  // Records the three edges of a triangle (corners in mesh order).
  void AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3);

  // The number of triangles holding both points, saturated at 3.
  int HolderCount(PointIndex u, PointIndex v) const;

  // True if some triangle runs from `start` to `end` along one of its edges.
  bool HasDirectedEdge(PointIndex start, PointIndex end) const;

  // Starts loading the pair's first slot, so that a look-up soon after does not wait for
  // memory: the table is far larger than the caches, and each pair is asked about once.
  void Prefetch(PointIndex u, PointIndex v) const;

 private:
  // Info: bits 0-1 the saturated holder count, bit 2 "low to high" seen, bit 3 "high to
  // low" seen. A count of 0 marks an empty slot. Key and info share a slot so that a probe
  // touches one cache line.
  static constexpr std::uint8_t kCountMask = 3;
  static constexpr std::uint8_t kLowToHigh = 4;
  static constexpr std::uint8_t kHighToLow = 8;
  struct Slot {
    std::uint32_t Low = 0;
    std::uint32_t High = 0;
    std::uint8_t Info = 0;
  };

  void AddDirectedEdge(PointIndex start, PointIndex end);
  std::size_t FindSlot(std::uint32_t low, std::uint32_t high) const;
  void Grow();

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
  std::size_t mask_ = 0;
};

}  // namespace tarn
