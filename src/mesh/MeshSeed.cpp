#include "mesh/MeshSeed.h"

#include <cmath>

#include "mesh/Geometry.h"

namespace tarn {

namespace {

bool IsFinite(const Points& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// The nearest point to point 0 among those `eligible` accepts; strictly nearer replaces,
// so the lowest index wins a tie.
template <class Eligible>
PointIndex NearestToFirst(const PointList& points, Eligible eligible) {
  PointIndex nearest = kNoPoint;
  double nearestDistance = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const auto index = static_cast<PointIndex>(i);
    if (!IsFinite(points[i]) || !eligible(index)) continue;
    const double distance = PointDistance(points[0], points[i]);
    if (nearest == kNoPoint || distance < nearestDistance) {
      nearest = index;
      nearestDistance = distance;
    }
  }
  return nearest;
}

// (xa - x0)(yi - y0) != (xi - x0)(ya - y0), exactly as written.
bool OffLine(const Points& o, const Points& a, const Points& i) {
  return (double{a.X} - double{o.X}) * (double{i.Y} - double{o.Y}) !=
         (double{i.X} - double{o.X}) * (double{a.Y} - double{o.Y});
}

}  // namespace

std::optional<MeshTriangle> FindSeed(const PointList& points) {
  if (points.size() < 2 || !IsFinite(points[0])) return std::nullopt;
  const PointIndex a = NearestToFirst(points, [](PointIndex) { return true; });
  if (a == kNoPoint) return std::nullopt;
  const PointIndex b = NearestToFirst(points, [&points, a](PointIndex i) {
    return i != a && OffLine(points[0], points[a], points[i]);
  });
  if (b == kNoPoint) return std::nullopt;
  if (IsLeftTurn(points[0], points[a], points[b])) return MeshTriangle{0, b, a};
  return MeshTriangle{0, a, b};
}

}  // namespace tarn
