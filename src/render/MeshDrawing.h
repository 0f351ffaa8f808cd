// The mesh edges of a contour graph: every triangle outlined with the current pen.
#pragma once

#include "data/PointSet.h"
#include "render/PlotArea.h"
#include "render/RenderContext.h"

namespace tarn {

// Outlines every triangle in list order, P1 -> P2 -> P3 -> P1, with the pen the caller left on
// the canvas; an edge shared by two triangles is drawn twice. Every corner of `mesh` must
// address a sample of `points`.
void DrawMesh(RenderContext& ctx, const PointList& points, const TriangleList& mesh, const PlotArea& area);

}  // namespace tarn
