// The vector fill of a contour graph: every triangle of the mesh cut into one polygon per
// contour band, filled in the band's colour, with the level segments drawn as contour lines.
#pragma once

#include "data/PointSet.h"
#include "render/PlotArea.h"
#include "render/RenderContext.h"

namespace tarn {

// The fraction of the way from `a` to `b` at which the linear value reaches `level`, or 2 when
// both ends have the same value (a flat edge: callers treat 2 as lying beyond the edge).
double EdgeFraction(const Points& a, const Points& b, double level);

// Draws the bands of every triangle in list order under the progress dialog, for the levels
// k x `s`; colours run over `vmin`..`vmax`. Fill and lines follow the options at the moment of
// use. "中断" stops after the current triangle, marks the mesh outdated and clears the request.
// A step that is not a positive number, or one that would cut the mesh's values into more
// bands than can be drawn, is reported once and nothing is drawn.
// Every corner of `mesh` must address a sample of `points`.
void DrawContourBands(RenderContext& ctx, const PointList& points, const TriangleList& mesh, double vmin, double vmax,
                      const PlotArea& area, double s);

}  // namespace tarn
