// The contour data: samples in file order and the triangles that join them.
//
// A sample's index in the point set is its identity; triangles refer to samples by index.
// Edge j of a triangle joins corner j and the next corner (corner 3 is followed by corner 1);
// its state is bookkeeping of the triangulation: 0 not yet examined, 1 another triangle lies
// across it, -1 examined and on the hull.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarn {

// One sample; stored in single precision, every computation loads it back from there.
struct Points {
  float X = 0;
  float Y = 0;
  float Value = 0;
};

using PointIndex = std::int32_t;
constexpr PointIndex kNoPoint = -1;

enum EdgeState : std::int32_t { kEdgeOpen = 0, kEdgeShared = 1, kEdgeHull = -1 };

struct MeshTriangle {
  PointIndex V1 = 0;
  PointIndex V2 = 0;
  PointIndex V3 = 0;
  std::int32_t E1 = kEdgeOpen;
  std::int32_t E2 = kEdgeOpen;
  std::int32_t E3 = kEdgeOpen;
  friend bool operator==(const MeshTriangle&, const MeshTriangle&) = default;
};

using PointList = std::vector<Points>;
using TriangleList = std::vector<MeshTriangle>;

// A mesh lists its triangles in the order they were built, which leaves their corners scattered
// over the point set; a pass over a large mesh, at triangle i, asks for the corners of a
// triangle a little ahead, so that they are in the cache when its turn comes. Always inlined:
// a prefetch counts as free of effects, so an out-of-line call to it is dropped as dead code.
[[gnu::always_inline]] inline void PrefetchCornersAhead(const PointList& points, const TriangleList& mesh, std::size_t i) {
  constexpr std::size_t kAhead = 16;
  if (i + kAhead >= mesh.size()) return;
  const MeshTriangle& t = mesh[i + kAhead];
  __builtin_prefetch(points.data() + t.V1);
  __builtin_prefetch(points.data() + t.V2);
  __builtin_prefetch(points.data() + t.V3);
}

// True when every corner of every triangle addresses a sample of `points`; a renderer is
// never handed a mesh for which this fails.
bool MeshFitsPoints(const TriangleList& mesh, const PointList& points);

}  // namespace tarn
