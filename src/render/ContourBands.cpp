// Contour bands of a triangle mesh, drawn as polygons.
//
// Terms. With the value step s, level k is the value k x s and band k the value interval from
// level k to level k + 1. Every level and band bound is computed afresh from its integer.
// Inside a triangle the value is linear, so a level crosses it in one straight segment.
//
// Corners. Of the corners A, B, C (in the triangle's order) the low corner m is the last one
// holding the lowest value, the high corner h the last one holding the highest value, and the
// middle corner o the remaining one. A flat triangle (three equal values) takes m = C, o = B
// and h = A: with h = m its band polygon would shrink to the line from C to B, and the one band
// that the triangle lies in must cover it whole.
//
//               h
//              /|
//   short     / |     long side: the edge m -> h, crossed by every level of the triangle
//   side     o  |
//   m->o->h   \ |     short side: m -> o, then o -> h
//              \|
//               m
//
// A level segment runs from its long point (on m -> h) to its short point (on m -> o while the
// level lies below o, on o -> h from o on). Band j is the strip between its lower segment
// (level j; for the first band both points are m) and its upper segment (level j + 1), and is
// drawn as the polygon
//
//   lower long, lower short, [o,] upper short, upper long
//
// where o is a corner of the strip exactly when lo <= vo <= hi. Case table of the upper short
// point at level hi:
//
//   vm != vo and t2 = EdgeFraction(m, o, hi) < 1   on m -> o at t2
//   otherwise (level at or past o, or m -> o flat)  on o -> h at EdgeFraction(o, h, hi) in [0, 1]
//
// The upper long point is on m -> h at EdgeFraction(m, h, hi), held at h from above. Points on
// edges are interpolated in data coordinates and rounded to pixels once.
//
// Bands kLo = Floor(vlo / s) .. Ceil(vhi / s) - 1 are drawn, lowest first; a flat triangle whose
// value is a level has none. Each band draws both of its level segments as lines, so an
// interior segment is drawn twice, once from each side.
#include "render/ContourBands.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "render/ColorScale.h"

namespace tarn {

namespace {

const std::string kProgressLabel = "メタ形式で等高線を作図中です・・・・・・・";
const std::string kBadStepMessage = "等高線の間隔が不正です";
const std::string kTooManyBandsMessage = "等高線の間隔が小さすぎます";

// More bands than this between the lowest and the highest value of the mesh would take hours to
// draw and gigabytes to record; no sensible step asks for it.
constexpr double kMaxBands = 1e6;
// Band numbers stay exact integers in a double up to here.
constexpr double kMaxBandNumber = 9007199254740992.0;  // 2^53

// The three corners of a triangle, named by the role their values give them.
struct BandCorners {
  const Points* M;  // lowest value
  const Points* O;  // the remaining corner
  const Points* H;  // highest value
};

// The two ends of one level segment.
struct LevelSegment {
  PixelPoint Long;   // on m -> h
  PixelPoint Short;  // on m -> o or o -> h
};

double ValueOf(const Points& p) { return static_cast<double>(p.Value); }

// The last of A, B, C holding `value`.
int LastCornerWith(const std::array<const Points*, 3>& abc, double value) {
  for (int k = 2; k > 0; --k) {
    if (ValueOf(*abc[k]) == value) return k;
  }
  return 0;
}

BandCorners CornersOf(const PointList& points, const MeshTriangle& triangle) {
  const std::array<const Points*, 3> abc = {&points[triangle.V1], &points[triangle.V2], &points[triangle.V3]};
  const double vA = ValueOf(*abc[0]), vB = ValueOf(*abc[1]), vC = ValueOf(*abc[2]);
  const int m = LastCornerWith(abc, std::fmin(vA, std::fmin(vB, vC)));
  int h = LastCornerWith(abc, std::fmax(vA, std::fmax(vB, vC)));
  if (h == m) h = 0;  // flat: m = C, o = B, h = A, so that the band polygon spans all three
  const int o = 3 - m - h;
  return {abc[m], abc[o], abc[h]};
}

PixelPoint PixelOf(const PlotArea& area, double x, double y) { return {area.DataToPixelX(x), area.DataToPixelY(y)}; }

PixelPoint PixelOf(const PlotArea& area, const Points& p) {
  return PixelOf(area, static_cast<double>(p.X), static_cast<double>(p.Y));
}

// The pixel of the point at fraction t of the way from a to b.
PixelPoint PixelOnEdge(const PlotArea& area, const Points& a, const Points& b, double t) {
  const double xa = a.X, ya = a.Y;
  return PixelOf(area, xa + (static_cast<double>(b.X) - xa) * t, ya + (static_cast<double>(b.Y) - ya) * t);
}

PixelPoint UpperLongPoint(const PlotArea& area, const BandCorners& c, double hi) {
  double t1 = EdgeFraction(*c.M, *c.H, hi);
  if (t1 > 1) t1 = 1;
  return PixelOnEdge(area, *c.M, *c.H, t1);
}

PixelPoint UpperShortPoint(const PlotArea& area, const BandCorners& c, double hi) {
  const double t2 = ValueOf(*c.M) != ValueOf(*c.O) ? EdgeFraction(*c.M, *c.O, hi) : 2;
  if (t2 < 1) return PixelOnEdge(area, *c.M, *c.O, t2);
  double t3 = EdgeFraction(*c.O, *c.H, hi);
  if (t3 < 0) t3 = 0;
  if (t3 > 1) t3 = 1;
  return PixelOnEdge(area, *c.O, *c.H, t3);
}

void FillBand(Canvas& canvas, const LevelSegment& lower, const LevelSegment& upper, const PixelPoint* middle) {
  if (middle) {
    const std::array<PixelPoint, 5> pentagon = {lower.Long, lower.Short, *middle, upper.Short, upper.Long};
    canvas.Polygon(pentagon);
  } else {
    const std::array<PixelPoint, 4> quad = {lower.Long, lower.Short, upper.Short, upper.Long};
    canvas.Polygon(quad);
  }
}

void DrawBandLines(const OptionsModel& options, Canvas& canvas, const LevelSegment& lower, const LevelSegment& upper) {
  SetContourPen(options, canvas);
  canvas.MoveTo(lower.Long.X, lower.Long.Y);
  canvas.LineTo(lower.Short.X, lower.Short.Y);
  canvas.MoveTo(upper.Short.X, upper.Short.Y);
  canvas.LineTo(upper.Long.X, upper.Long.Y);
  canvas.SetPenMode(PenMode::Copy);
}

// Band j takes the colour of its upper level; `oPixel` is passed when o is one of its corners.
void DrawBand(RenderContext& ctx, const LevelSegment& lower, const LevelSegment& upper, const PixelPoint* oPixel,
              Color color) {
  ctx.Target.SetPenColor(color);
  ctx.Target.SetBrushColor(color);
  if (ctx.Options.GetFillStyle() == FillStyle::PaintMetaContour) FillBand(ctx.Target, lower, upper, oPixel);
  if (ctx.Options.Checked(OptionCheck::ShowLine)) DrawBandLines(ctx.Options, ctx.Target, lower, upper);
}

void DrawTriangleBands(RenderContext& ctx, const BandCorners& c, double vmin, double vmax, const PlotArea& area,
                       double s) {
  const PixelPoint oPixel = PixelOf(area, *c.O);
  const double vo = ValueOf(*c.O);
  const auto firstBand = static_cast<std::int64_t>(std::floor(ValueOf(*c.M) / s));
  const auto topLevel = static_cast<std::int64_t>(std::ceil(ValueOf(*c.H) / s));
  const PixelPoint mPixel = PixelOf(area, *c.M);
  LevelSegment lower = {mPixel, mPixel};
  for (std::int64_t j = firstBand; j < topLevel; ++j) {
    const double lo = static_cast<double>(j) * s;
    const double hi = static_cast<double>(j + 1) * s;
    const LevelSegment upper = {UpperLongPoint(area, c, hi), UpperShortPoint(area, c, hi)};
    const bool oInBand = lo <= vo && vo <= hi;
    DrawBand(ctx, lower, upper, oInBand ? &oPixel : nullptr, ValueColor(ctx.Options, hi, vmin, vmax));
    lower = upper;
  }
}

// The lowest and highest value at a corner of the mesh; a value that is not a number makes
// the range infinite, so that no band count is taken from it.
std::pair<double, double> MeshValueRange(const PointList& points, const TriangleList& mesh) {
  double lowest = INFINITY;
  double highest = -INFINITY;
  for (const MeshTriangle& t : mesh) {
    for (PointIndex corner : {t.V1, t.V2, t.V3}) {
      const double v = ValueOf(points[corner]);
      lowest = std::isnan(v) ? -INFINITY : std::fmin(lowest, v);
      highest = std::isnan(v) ? INFINITY : std::fmax(highest, v);
    }
  }
  return {lowest, highest};
}

// Whether the step cuts the mesh's values into a drawable number of bands; if not, the person
// is told why and nothing is to be drawn.
bool StepFitsValues(UserInterface& ui, const PointList& points, const TriangleList& mesh, double s) {
  if (!(std::isfinite(s) && s > 0)) {
    ui.ShowMessage(MessageKind::Warning, kBadStepMessage);
    return false;
  }
  if (mesh.empty()) return true;
  const auto [lowest, highest] = MeshValueRange(points, mesh);
  const double firstBand = std::floor(lowest / s);
  const double topLevel = std::ceil(highest / s);
  // Written so that NaN and infinities fail too.
  if (!(topLevel - firstBand <= kMaxBands && std::fabs(firstBand) <= kMaxBandNumber &&
        std::fabs(topLevel) <= kMaxBandNumber)) {
    ui.ShowMessage(MessageKind::Warning, kTooManyBandsMessage);
    return false;
  }
  return true;
}

// Shows the position of triangle i and lets the person act; true when "中断" was pressed.
bool StopRequested(RenderContext& ctx, int position) {
  ctx.Ui.SetProgressPosition(position);
  ctx.Ui.ProcessMessages();
  if (!ctx.CancelRequested) return false;
  ctx.MeshOutdated = true;
  ctx.CancelRequested = false;
  ctx.Ui.HideProgress();
  return true;
}

}  // namespace

double EdgeFraction(const Points& a, const Points& b, double level) {
  const double va = ValueOf(a), vb = ValueOf(b);
  if (va == vb) return 2;
  return (level - va) / (vb - va);
}

void DrawContourBands(RenderContext& ctx, const PointList& points, const TriangleList& mesh, double vmin, double vmax,
                      const PlotArea& area, double s) {
  assert(MeshFitsPoints(mesh, points) && "the redraw checks the mesh before drawing");
  ctx.CancelRequested = false;
  if (!StepFitsValues(ctx.Ui, points, mesh, s)) return;
  ctx.Ui.ShowProgress(kProgressLabel, 0, static_cast<int>(mesh.size()));
  for (std::size_t i = 0; i < mesh.size(); ++i) {
    DrawTriangleBands(ctx, CornersOf(points, mesh[i]), vmin, vmax, area, s);
    ctx.Target.SetPenColor(ctx.Options.GetColor(OptionColor::BDColor));
    if (StopRequested(ctx, static_cast<int>(i))) return;
  }
  ctx.Ui.HideProgress();
}

}  // namespace tarn
