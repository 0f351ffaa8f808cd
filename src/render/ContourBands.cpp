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
// value is a level has none.
//
// Lines. Every band polygon is recorded before any contour line, so that no later fill covers a
// line. A level crossing a triangle gives one piece, from its long point to its short point, in
// the pen the band above the level draws it with; the pieces of a level are then joined across
// triangles into chains by the mesh edge (or corner) each end lies on, and each chain is recorded
// as one polyline, chains in the order of their first piece. Where triangles are smaller than a
// pixel the pieces would each draw nothing (a line leaves out its last pixel); joined, they
// draw the line.
//
// A piece keeps its pixels, worked out with the band's: drawing the chains later visits the
// pieces in chain order, which would load each triangle's corners again out of the cache.
#include "render/ContourBands.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "render/ColorScale.h"
#include "render/LineChains.h"
#include "render/PlotClip.h"

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

void FillBand(Canvas& canvas, const LevelSegment& lower, const LevelSegment& upper, const PixelPoint* middle,
              const PixelRect* clip, std::vector<PixelPoint>& clipped) {
  std::array<PixelPoint, 5> corners;
  std::size_t n = 0;
  for (const PixelPoint* p : {&lower.Long, &lower.Short, middle, &upper.Short, &upper.Long}) {
    if (p) corners[n++] = *p;
  }
  const std::span<const PixelPoint> polygon(corners.data(), n);
  if (!clip || !ClipPolygon(polygon, *clip, clipped)) {
    canvas.Polygon(polygon);
  } else if (clipped.size() >= 3) {
    canvas.Polygon(clipped);
  }
}

EndKey KeyOnEdge(PointIndex a, PointIndex b, double t) {
  if (t <= 0) return {a, a};
  if (t >= 1) return {b, b};
  return {std::min(a, b), std::max(a, b)};
}

// The corners of a triangle with their indices into the point set.
struct IndexedCorners {
  BandCorners Corners;
  PointIndex M, O, H;
};

IndexedCorners IndexedCornersOf(const PointList& points, const MeshTriangle& triangle) {
  const BandCorners c = CornersOf(points, triangle);
  const auto indexOf = [&](const Points* p) { return static_cast<PointIndex>(p - points.data()); };
  return {c, indexOf(c.M), indexOf(c.O), indexOf(c.H)};
}

// The piece of level `hi` (the upper segment of the band below it), keyed by the edges it ends on.
LinePiece PieceOf(const IndexedCorners& ic, const LevelSegment& segment, std::int64_t level, double hi, Color color) {
  const BandCorners& c = ic.Corners;
  double t1 = EdgeFraction(*c.M, *c.H, hi);
  const EndKey longKey = KeyOnEdge(ic.M, ic.H, std::fmin(t1, 1.0));
  EndKey shortKey;
  const double t2 = ValueOf(*c.M) != ValueOf(*c.O) ? EdgeFraction(*c.M, *c.O, hi) : 2;
  if (t2 < 1) {
    shortKey = KeyOnEdge(ic.M, ic.O, t2);
  } else {
    shortKey = KeyOnEdge(ic.O, ic.H, std::clamp(EdgeFraction(*c.O, *c.H, hi), 0.0, 1.0));
  }
  return {level, color, longKey, shortKey, segment.Long, segment.Short};
}

void DrawTriangleBands(RenderContext& ctx, const IndexedCorners& ic, double vmin, double vmax,
                       const PlotArea& area, double s, const PixelRect* clip, std::vector<PixelPoint>& clipped,
                       std::vector<LinePiece>* pieces) {
  const BandCorners& c = ic.Corners;
  const PixelPoint oPixel = PixelOf(area, *c.O);
  const double vo = ValueOf(*c.O);
  const auto firstBand = static_cast<std::int64_t>(std::floor(ValueOf(*c.M) / s));
  const auto topLevel = static_cast<std::int64_t>(std::ceil(ValueOf(*c.H) / s));
  const PixelPoint mPixel = PixelOf(area, *c.M);
  const bool fill = ctx.Options.GetFillStyle() == FillStyle::PaintMetaContour;
  LevelSegment lower = {mPixel, mPixel};
  for (std::int64_t j = firstBand; j < topLevel; ++j) {
    const double lo = static_cast<double>(j) * s;
    const double hi = static_cast<double>(j + 1) * s;
    const LevelSegment upper = {UpperLongPoint(area, c, hi), UpperShortPoint(area, c, hi)};
    const bool oInBand = lo <= vo && vo <= hi;
    const Color color = ValueColor(ctx.Options, hi, vmin, vmax);
    ctx.Target.SetPenColor(color);
    ctx.Target.SetBrushColor(color);
    if (fill) FillBand(ctx.Target, lower, upper, oInBand ? &oPixel : nullptr, clip, clipped);
    // The level between this band and the next is drawn in the next band's pen; the triangle's
    // lowest and highest levels only touch a corner and draw nothing.
    if (pieces && j + 1 < topLevel) {
      const double above = static_cast<double>(j + 2) * s;
      pieces->push_back(PieceOf(ic, upper, j + 1, hi, ValueColor(ctx.Options, above, vmin, vmax)));
    }
    lower = upper;
  }
}

void DrawContourLines(RenderContext& ctx, const std::vector<LinePiece>& pieces, const PixelRect& rect) {
  Canvas& canvas = ctx.Target;
  ClippedLines lines(canvas, rect, ctx.ClipToPlot);
  const LineChains chains(pieces);
  const std::vector<std::uint32_t>& ends = chains.Ends();
  auto pointAt = [&](std::uint32_t end) { return end % 2 == 0 ? pieces[end / 2].From : pieces[end / 2].To; };
  for (const LineChains::Chain& chain : chains.Chains()) {
    const Color color = pieces[chain.FirstPiece].BandColor;
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    SetContourPen(ctx.Options, canvas);
    lines.MoveTo(pointAt(ends[chain.Begin]));
    for (std::uint32_t i = chain.Begin + 1; i < chain.End; ++i) lines.LineTo(pointAt(ends[i]));
    canvas.SetPenMode(PenMode::Copy);
  }
}

// The lowest and highest value at a corner of the mesh; a value that is not a number makes
// the range infinite, so that no band count is taken from it.
std::pair<double, double> MeshValueRange(const PointList& points, const TriangleList& mesh) {
  double lowest = INFINITY;
  double highest = -INFINITY;
  for (std::size_t i = 0; i < mesh.size(); ++i) {
    PrefetchCornersAhead(points, mesh, i);
    const MeshTriangle& t = mesh[i];
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
  const PixelRect rect = PlotRectangle(area);
  const PixelRect* clip = ctx.ClipToPlot ? &rect : nullptr;
  std::vector<PixelPoint> clipped;
  std::vector<LinePiece> pieces;
  std::vector<LinePiece>* collect = ctx.Options.Checked(OptionCheck::ShowLine) ? &pieces : nullptr;
  ctx.Ui.ShowProgress(kProgressLabel, 0, static_cast<int>(mesh.size()));
  bool stopped = false;
  for (std::size_t i = 0; i < mesh.size() && !stopped; ++i) {
    PrefetchCornersAhead(points, mesh, i);
    DrawTriangleBands(ctx, IndexedCornersOf(points, mesh[i]), vmin, vmax, area, s, clip,
                      clipped, collect);
    ctx.Target.SetPenColor(ctx.Options.GetColor(OptionColor::BDColor));
    stopped = StopRequested(ctx, static_cast<int>(i));
  }
  if (!stopped) ctx.Ui.HideProgress();
  // The lines of the triangles drawn, also when "中断" stopped the fill.
  if (collect) {
    DrawContourLines(ctx, pieces, rect);
    ctx.Target.SetPenColor(ctx.Options.GetColor(OptionColor::BDColor));
  }
}

}  // namespace tarn
