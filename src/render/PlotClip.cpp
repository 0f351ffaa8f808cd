#include "render/PlotClip.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarn {

namespace {

// One edge of the rectangle as a half-plane: inside when the coordinate is on the kept side.
struct HalfPlane {
  bool Vertical;  // a bound on x (else on y)
  double Bound;
  bool KeepBelow;  // inside when the coordinate <= Bound (else >= Bound)

  bool Inside(PixelPoint p) const {
    const double c = Vertical ? p.X : p.Y;
    return KeepBelow ? c <= Bound : c >= Bound;
  }
  PixelPoint Crossing(PixelPoint a, PixelPoint b) const {
    const double ca = Vertical ? a.X : a.Y, cb = Vertical ? b.X : b.Y;
    const double t = (Bound - ca) / (cb - ca);
    const double x = a.X + (b.X - a.X) * t, y = a.Y + (b.Y - a.Y) * t;
    return Vertical ? PixelPoint{static_cast<int>(Bound), RoundToPixel(y)} : PixelPoint{RoundToPixel(x), static_cast<int>(Bound)};
  }
};

std::array<HalfPlane, 4> Edges(const PixelRect& r) {
  return {HalfPlane{true, static_cast<double>(r.Left), false}, HalfPlane{true, static_cast<double>(r.Right), true},
          HalfPlane{false, static_cast<double>(r.Top), false}, HalfPlane{false, static_cast<double>(r.Bottom), true}};
}

// Liang-Barsky: the parameters of the part of a -> b inside the rectangle, or false.
bool InsideSpan(PixelPoint a, PixelPoint b, const PixelRect& r, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {static_cast<double>(a.X) - r.Left, static_cast<double>(r.Right) - a.X,
                      static_cast<double>(a.Y) - r.Top, static_cast<double>(r.Bottom) - a.Y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  return t0 <= t1;
}

PixelPoint At(PixelPoint a, PixelPoint b, double t) {
  if (t <= 0) return a;
  if (t >= 1) return b;
  return {RoundToPixel(a.X + (b.X - a.X) * t), RoundToPixel(a.Y + (b.Y - a.Y) * t)};
}

}  // namespace

PixelRect PlotRectangle(const PlotArea& area) {
  return {RoundToPixel(area.Left), area.Row(area.Top), RoundToPixel(area.Right), area.Row(area.Bottom)};
}

bool ClipPolygon(std::span<const PixelPoint> polygon, const PixelRect& rect, std::vector<PixelPoint>& clipped) {
  if (std::all_of(polygon.begin(), polygon.end(), [&](PixelPoint p) { return rect.Contains(p); })) return false;
  clipped.assign(polygon.begin(), polygon.end());
  std::vector<PixelPoint> input;
  for (const HalfPlane& edge : Edges(rect)) {
    input.swap(clipped);
    clipped.clear();
    for (std::size_t i = 0; i < input.size(); ++i) {
      const PixelPoint previous = input[(i + input.size() - 1) % input.size()];
      const PixelPoint current = input[i];
      if (edge.Inside(current)) {
        if (!edge.Inside(previous)) clipped.push_back(edge.Crossing(previous, current));
        clipped.push_back(current);
      } else if (edge.Inside(previous)) {
        clipped.push_back(edge.Crossing(previous, current));
      }
    }
  }
  return true;
}

void ClippedLines::MoveTo(PixelPoint p) {
  at_ = p;
  canvasAtLine_ = false;
  if (!clip_ || rect_.Contains(p)) {
    canvas_.MoveTo(p.X, p.Y);
    canvasAtLine_ = true;
  }
}

void ClippedLines::LineTo(PixelPoint p) {
  const PixelPoint from = at_;
  at_ = p;
  if (!clip_) {
    canvas_.LineTo(p.X, p.Y);
    return;
  }
  double t0 = 0, t1 = 1;
  if (!InsideSpan(from, p, rect_, t0, t1)) {
    canvasAtLine_ = false;
    return;
  }
  const PixelPoint start = At(from, p, t0), end = At(from, p, t1);
  if (!canvasAtLine_ || t0 > 0) canvas_.MoveTo(start.X, start.Y);
  canvas_.LineTo(end.X, end.Y);
  canvasAtLine_ = t1 >= 1;
}

}  // namespace tarn
