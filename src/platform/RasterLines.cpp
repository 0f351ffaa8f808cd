// One-pixel lines walk the major axis; the minor offset of step i is i * minor / major
// rounded to nearest, computed directly so a line far outside the bitmap costs only the
// steps that land inside it. Wide lines are capsules: per row, the x range within half the
// width of the segment.
#include "platform/RasterLines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tarn {
namespace {

// The platform's cosmetic dash patterns, in pixels on, off, on, ...
std::span<const int> DashPattern(PenStyle style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case PenStyle::Dash: return kDash;
    case PenStyle::Dot: return kDot;
    case PenStyle::DashDot: return kDashDot;
    case PenStyle::DashDotDot: return kDashDotDot;
    default: return {};
  }
}

bool InDash(std::span<const int> pattern, std::int64_t step) {
  int period = 0;
  for (int length : pattern) period += length;
  std::int64_t at = step % period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return true;
}

// round(i * minor / major), halves away from the start; exact while the product fits.
std::int64_t MinorOffset(std::int64_t i, std::int64_t minor, std::int64_t major) {
  if (major < (std::int64_t{1} << 30)) return (2 * i * minor + major) / (2 * major);
  return static_cast<std::int64_t>(std::floor((2.0L * i * minor + major) / (2.0L * major)));
}

// The steps i in [0, count) whose coordinate start + dir * i lies in [0, size).
void StepsInside(std::int64_t start, int dir, std::int64_t count, int size, std::int64_t& first, std::int64_t& last) {
  first = 0;
  last = count - 1;
  if (dir > 0) {
    first = std::max<std::int64_t>(first, -start);
    last = std::min<std::int64_t>(last, size - 1 - start);
  } else {
    first = std::max<std::int64_t>(first, start - (size - 1));
    last = std::min<std::int64_t>(last, start);
  }
}

void DrawThinLine(RasterTarget& target, PixelPoint from, PixelPoint to, const LinePaint& paint) {
  const std::int64_t dx = std::int64_t{to.X} - from.X, dy = std::int64_t{to.Y} - from.Y;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  if (major == 0) return;  // a line to its own start paints nothing
  const int majorDir = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const int minorDir = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const std::int64_t majorStart = xMajor ? from.X : from.Y;
  const std::int64_t minorStart = xMajor ? from.Y : from.X;
  std::int64_t first = 0, last = 0;
  StepsInside(majorStart, majorDir, major, xMajor ? target.Width() : target.Height(), first, last);
  const std::span<const int> pattern = DashPattern(paint.Style);
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t m = majorStart + majorDir * i;
    const std::int64_t n = minorStart + minorDir * MinorOffset(i, minor, major);
    const bool on = pattern.empty() || InDash(pattern, i);
    if (!on && !paint.OpaqueGaps) continue;
    const Color color = on ? paint.LineColor : paint.GapColor;
    if (xMajor) {
      target.Pixel(m, n, color, paint.Op);
    } else {
      target.Pixel(n, m, color, paint.Op);
    }
  }
}

struct Vec {
  double X, Y;
};

// Widens [lo, hi] by the x where the horizontal line at y crosses the disc.
void AddDisc(Vec centre, double radius, double y, double& lo, double& hi) {
  const double dy = y - centre.Y;
  if (std::fabs(dy) > radius) return;
  const double half = std::sqrt(radius * radius - dy * dy);
  lo = std::min(lo, centre.X - half);
  hi = std::max(hi, centre.X + half);
}

// Widens [lo, hi] by the x where the horizontal line at y crosses the convex quadrilateral.
void AddQuad(const Vec (&quad)[4], double y, double& lo, double& hi) {
  for (int i = 0; i < 4; ++i) {
    const Vec a = quad[i], b = quad[(i + 1) % 4];
    if (y < std::min(a.Y, b.Y) || y > std::max(a.Y, b.Y)) continue;
    if (a.Y == b.Y) {
      lo = std::min({lo, a.X, b.X});
      hi = std::max({hi, a.X, b.X});
      continue;
    }
    const double x = a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
    lo = std::min(lo, x);
    hi = std::max(hi, x);
  }
}

// A band of the pen's width along the segment with round ends. Even widths sit half a pixel
// up and left, so a width of 2 covers exactly two rows or columns.
void DrawWideLine(RasterTarget& target, PixelPoint from, PixelPoint to, const LinePaint& paint) {
  const double shift = paint.Width % 2 == 0 ? -0.5 : 0.0;
  const double radius = paint.Width / 2.0 - 1e-9;
  const Vec a{from.X + shift, from.Y + shift}, b{to.X + shift, to.Y + shift};
  const double length = std::hypot(b.X - a.X, b.Y - a.Y);
  const Vec normal = length > 0 ? Vec{-(b.Y - a.Y) / length * radius, (b.X - a.X) / length * radius} : Vec{0, 0};
  const Vec quad[4] = {{a.X + normal.X, a.Y + normal.Y}, {b.X + normal.X, b.Y + normal.Y},
                       {b.X - normal.X, b.Y - normal.Y}, {a.X - normal.X, a.Y - normal.Y}};
  const double top = std::max(std::ceil(std::min(a.Y, b.Y) - radius), 0.0);
  const double bottom = std::min(std::floor(std::max(a.Y, b.Y) + radius), target.Height() - 1.0);
  for (double y = top; y <= bottom; ++y) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    AddDisc(a, radius, y, lo, hi);
    AddDisc(b, radius, y, lo, hi);
    if (length > 0) AddQuad(quad, y, lo, hi);
    if (lo > hi) continue;
    const double x0 = std::max(std::ceil(lo), -1.0), x1 = std::min(std::floor(hi), target.Width() + 0.0);
    target.Span(static_cast<std::int64_t>(y), static_cast<std::int64_t>(x0), static_cast<std::int64_t>(x1),
                paint.LineColor, paint.Op);
  }
}

}  // namespace

void DrawLine(RasterTarget& target, PixelPoint from, PixelPoint to, const LinePaint& paint) {
  if (paint.Style == PenStyle::Clear) return;
  if (paint.Width > 1) {
    DrawWideLine(target, from, to, paint);  // the platform draws wide styled pens solid
  } else {
    DrawThinLine(target, from, to, paint);
  }
}

void DrawClosedOutline(RasterTarget& target, std::span<const PixelPoint> points, const LinePaint& paint) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    DrawLine(target, points[i], points[(i + 1) % points.size()], paint);
  }
}

}  // namespace tarn
