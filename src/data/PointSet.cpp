#include "data/PointSet.h"

namespace tarn {

bool MeshFitsPoints(const TriangleList& mesh, const PointList& points) {
  const auto count = static_cast<PointIndex>(points.size());
  auto fits = [count](PointIndex i) { return i >= 0 && i < count; };
  for (const MeshTriangle& t : mesh) {
    if (!fits(t.V1) || !fits(t.V2) || !fits(t.V3)) return false;
  }
  return true;
}

}  // namespace tarn
