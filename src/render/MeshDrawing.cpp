#include "render/MeshDrawing.h"

#include <cassert>

namespace tarn {

namespace {

PixelPoint PixelOf(const PlotArea& area, const Points& p) {
  return {area.DataToPixelX(static_cast<double>(p.X)), area.DataToPixelY(static_cast<double>(p.Y))};
}

}  // namespace

void DrawMesh(RenderContext& ctx, const PointList& points, const TriangleList& mesh, const PlotArea& area) {
  assert(MeshFitsPoints(mesh, points) && "the redraw checks the mesh before drawing");
  Canvas& canvas = ctx.Target;
  for (const MeshTriangle& triangle : mesh) {
    const PixelPoint p1 = PixelOf(area, points[triangle.V1]);
    const PixelPoint p2 = PixelOf(area, points[triangle.V2]);
    const PixelPoint p3 = PixelOf(area, points[triangle.V3]);
    canvas.MoveTo(p1.X, p1.Y);
    canvas.LineTo(p2.X, p2.Y);
    canvas.LineTo(p3.X, p3.Y);
    canvas.LineTo(p1.X, p1.Y);
  }
}

}  // namespace tarn
