#include "render/MeshDrawing.h"

#include <cassert>

#include "render/PlotClip.h"

namespace tarn {

namespace {

PixelPoint PixelOf(const PlotArea& area, const Points& p) {
  return {area.DataToPixelX(static_cast<double>(p.X)), area.DataToPixelY(static_cast<double>(p.Y))};
}

}  // namespace

void DrawMesh(RenderContext& ctx, const PointList& points, const TriangleList& mesh, const PlotArea& area) {
  assert(MeshFitsPoints(mesh, points) && "the redraw checks the mesh before drawing");
  // Edges beyond the plot rectangle (a typed range narrower than the data) are cut at its edge.
  ClippedLines lines(ctx.Target, PlotRectangle(area), ctx.ClipToPlot);
  for (const MeshTriangle& triangle : mesh) {
    const PixelPoint p1 = PixelOf(area, points[triangle.V1]);
    lines.MoveTo(p1);
    lines.LineTo(PixelOf(area, points[triangle.V2]));
    lines.LineTo(PixelOf(area, points[triangle.V3]));
    lines.LineTo(p1);
  }
}

}  // namespace tarn
