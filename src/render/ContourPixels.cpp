// Per-pixel interpolated fill.
//
// Every pixel (px, py) of the plot rectangle, its edges included, is mapped back to data
// coordinates by the exact inverse of the pixel map, without rounding:
//
//   x = (px - Left) / XScale + XMin        y = ((H - py) - Bottom) / YScale + YMin
//
// The triangle that holds the point is the last in list order passing InsideTriangle, so on an
// edge shared by two triangles the later one wins. With the corners P0, P1, P2 and
// det = (x1 - x0)(y2 - y0) - (x2 - x0)(y1 - y0), the point's barycentric coordinates are
//
//   s = ((y2 - y0)(x - x0) - (x2 - x0)(y - y0)) / det     (weight of P1)
//   t = ((x1 - x0)(y - y0) - (y1 - y0)(x - x0)) / det     (weight of P2)
//
// and the point is inside when s, t and s + t all lie in [0, 1]. The value is the plane through
// the three samples, written as a x + b y + c. Columns run left to right and each column bottom
// to top; progress and cancel are handled once per column.
#include "render/ContourPixels.h"

#include <cassert>
#include <string>

#include "base/NumberText.h"
#include "render/ColorScale.h"

namespace tarn {

namespace {

const std::string kProgressLabel = "ピクセル補完をしています・・・・・";

int RoundedInt(double value) { return static_cast<int>(RoundToInt(value)); }

// What every pixel of one fill needs.
struct PixelFill {
  RenderContext& Ctx;
  const TriangleGrid& Grid;
  const PointList& Points;
  const TriangleList& Mesh;
  double VMin;
  double VMax;
  const PlotArea& Area;
};

void FillColumn(const PixelFill& fill, int px) {
  const PlotArea& area = fill.Area;
  const int h = area.PictureHeight;
  const double x = (px - area.Left) / area.XScale + area.XMin;
  for (int py = h - RoundedInt(area.Bottom); py >= h - RoundedInt(area.Top); --py) {
    const double y = ((h - py) - area.Bottom) / area.YScale + area.YMin;
    const TriangleIndex t = fill.Grid.Find(x, y);
    if (t == kNoTriangle) continue;  // outside the mesh: the background stays
    const double v = PlaneValue(fill.Points, fill.Mesh[t], x, y);
    fill.Ctx.Target.SetPixel(px, py, ValueColor(fill.Ctx.Options, v, fill.VMin, fill.VMax));
  }
}

// Shows the column just done and lets the person act; true when "中断" was pressed. The request
// stays set for the caller to see.
bool StopRequested(RenderContext& ctx, int px) {
  ctx.Ui.SetProgressPosition(px);
  ctx.Ui.ProcessMessages();
  if (!ctx.CancelRequested) return false;
  ctx.MeshOutdated = true;
  ctx.Ui.HideProgress();
  return true;
}

}  // namespace

double PlaneValue(const PointList& points, const MeshTriangle& triangle, double x, double y) {
  const TriangleCorners c = CornersOf(points, triangle);
  const double det = TriangleDeterminant(c);
  if (det == 0) return 0;
  const double v0 = points[triangle.V1].Value;
  const double v1 = points[triangle.V2].Value;
  const double v2 = points[triangle.V3].Value;
  const double a = ((c.Y2 - c.Y0) * (v1 - v0) - (c.Y1 - c.Y0) * (v2 - v0)) / det;
  const double b = ((c.X1 - c.X0) * (v2 - v0) - (c.X2 - c.X0) * (v1 - v0)) / det;
  return a * x + b * y + (v0 - a * c.X0 - b * c.Y0);
}

TriangleIndex FindTriangle(const PointList& points, const TriangleList& mesh, double x, double y) {
  TriangleIndex found = kNoTriangle;
  for (std::size_t i = 0; i < mesh.size(); ++i) {
    if (InsideTriangle(points, mesh[i], x, y)) found = static_cast<TriangleIndex>(i);
  }
  return found;
}

void DrawContourPixels(RenderContext& ctx, const PointList& points, const TriangleList& mesh, double vmin, double vmax,
                       const PlotArea& area) {
  assert(MeshFitsPoints(mesh, points) && "the redraw checks the mesh before drawing");
  const TriangleGrid grid(points, mesh);
  const PixelFill fill = {ctx, grid, points, mesh, vmin, vmax, area};
  const int lastColumn = RoundedInt(area.Right);
  ctx.Ui.ShowProgress(kProgressLabel, 0, lastColumn);
  ctx.Ui.SetProgressPosition(0);
  for (int px = RoundedInt(area.Left); px <= lastColumn; ++px) {
    FillColumn(fill, px);
    if (StopRequested(ctx, px)) return;
  }
  ctx.Ui.HideProgress();
}

}  // namespace tarn
