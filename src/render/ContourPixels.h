// The per-pixel fill of a contour graph: every pixel of the plot rectangle that the mesh covers
// takes the colour of the value interpolated over the triangle that contains it.
#pragma once

#include "data/PointSet.h"
#include "render/PlotArea.h"
#include "render/RenderContext.h"
#include "render/TriangleCorners.h"
#include "render/TriangleGrid.h"

namespace tarn {

// InsideTriangle, the test that decides which triangle holds a pixel, is in TriangleCorners.h.

// The value at (x, y) of the plane through the triangle's three samples; 0 for a degenerate one.
double PlaneValue(const PointList& points, const MeshTriangle& triangle, double x, double y);

// The last triangle in list order that contains (x, y), testing every one; kNoTriangle if none.
// TriangleGrid::Find gives the same answer faster.
TriangleIndex FindTriangle(const PointList& points, const TriangleList& mesh, double x, double y);

// Sets every pixel of the plot rectangle, edges included, whose data position lies in the mesh
// to the colour of its interpolated value on the scale `vmin`..`vmax`; other pixels are left
// alone. Columns run left to right under the progress dialog; "中断" stops after the current
// column, marks the mesh outdated and leaves the request set. Every corner of `mesh` must
// address a sample of `points`.
void DrawContourPixels(RenderContext& ctx, const PointList& points, const TriangleList& mesh, double vmin, double vmax,
                       const PlotArea& area);

}  // namespace tarn
