// A triangle's corners at double precision and the point-in-triangle test that every search
// over the mesh shares, so that all of them agree to the last bit.
#pragma once

#include <cstdint>

#include "data/PointSet.h"

namespace tarn {

// A triangle's position in the mesh list.
using TriangleIndex = std::int32_t;
constexpr TriangleIndex kNoTriangle = -1;

// A triangle's corners P0, P1, P2 loaded at double precision.
struct TriangleCorners {
  double X0, Y0, X1, Y1, X2, Y2;
};

inline TriangleCorners CornersOf(const PointList& points, const MeshTriangle& triangle) {
  const Points& p0 = points[triangle.V1];
  const Points& p1 = points[triangle.V2];
  const Points& p2 = points[triangle.V3];
  return {p0.X, p0.Y, p1.X, p1.Y, p2.X, p2.Y};
}

// (x1 - x0)(y2 - y0) - (x2 - x0)(y1 - y0): twice the signed area, 0 for a degenerate triangle.
inline double TriangleDeterminant(const TriangleCorners& c) {
  return (c.X1 - c.X0) * (c.Y2 - c.Y0) - (c.X2 - c.X0) * (c.Y1 - c.Y0);
}

// Whether (x, y) lies in the triangle, edges and corners included; never for a degenerate one.
inline bool InsideTriangle(const TriangleCorners& c, double x, double y) {
  const double det = TriangleDeterminant(c);
  if (det == 0) return false;
  const double s = ((c.Y2 - c.Y0) * (x - c.X0) - (c.X2 - c.X0) * (y - c.Y0)) / det;
  if (s < 0 || s > 1) return false;
  const double t = ((c.X1 - c.X0) * (y - c.Y0) - (c.Y1 - c.Y0) * (x - c.X0)) / det;
  return t >= 0 && t <= 1 && s + t <= 1;
}

inline bool InsideTriangle(const PointList& points, const MeshTriangle& triangle, double x, double y) {
  return InsideTriangle(CornersOf(points, triangle), x, y);
}

}  // namespace tarn
