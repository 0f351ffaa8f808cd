// The contour data: samples in file order and the triangles that join them.
//
// A sample's index in the point set is its identity; triangles refer to samples by index.
// Edge j of a triangle joins corner j and the next corner (corner 3 is followed by corner 1);
// its state is bookkeeping of the triangulation: 0 not yet examined, 1 another triangle lies
// across it, -1 examined and on the hull.
#pragma once

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

// True when every corner of every triangle addresses a sample of `points`; a renderer is
// never handed a mesh for which this fails.
bool MeshFitsPoints(const TriangleList& mesh, const PointList& points);

}  // namespace tarn
