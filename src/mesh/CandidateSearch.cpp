#include "mesh/CandidateSearch.h"

namespace tarn {

namespace {

// Relative slack of the bounds: a few thousand times the rounding of a double expression,
// and still far below any distance two single-precision coordinates can differ by.
constexpr double kRelativeSlack = 0x1p-40;

}  // namespace

// The side test compares y with s*x + c, both rounded; its error is a few units in the last
// place of |s*x| + |c|. A box is dropped only if it lies beyond the line by far more than
// that, on the near side, at every corner.
FarSide::FarSide(const EdgeLine& line, int sideOfCorner, double maxAbsX, double maxAbsY)
    : line_(line),
      farSide_(-sideOfCorner),
      margin_(line.Vertical() ? 0
                              : kRelativeSlack * (std::fabs(line.Slope()) * maxAbsX +
                                                  std::fabs(line.Intercept()) + maxAbsY)) {}

bool FarSide::MayHoldFarPoints(const PointTree::Box& box) const {
  if (line_.Vertical()) {
    const double x = line_.XOfVertical();
    return farSide_ > 0 ? box.MaxX > x : box.MinX < x;
  }
  const double s = line_.Slope();
  const double c = line_.Intercept();
  const double lineAtMinX = s * box.MinX + c;
  const double lineAtMaxX = s * box.MaxX + c;
  if (farSide_ > 0) return box.MaxY > std::min(lineAtMinX, lineAtMaxX) - margin_;
  return box.MinY < std::max(lineAtMinX, lineAtMaxX) + margin_;
}

// One step of polygon clipping against the widened far side, round the box corners.
EdgeShadows::Polygon FarSide::FarPart(const PointTree::Box& box) const {
  const double xs[4] = {box.MinX, box.MaxX, box.MaxX, box.MinX};
  const double ys[4] = {box.MinY, box.MinY, box.MaxY, box.MaxY};
  bool beyond[4];
  int beyondCount = 0;
  for (int i = 0; i < 4; ++i) {
    beyond[i] = Beyond(xs[i], ys[i]) >= 0;
    beyondCount += beyond[i];
  }
  EdgeShadows::Polygon part{{}, {}, 0};
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    if (beyond[i]) {
      part.X[part.Count] = xs[i];
      part.Y[part.Count++] = ys[i];
    }
    if (beyondCount == 4 || beyond[i] == beyond[j]) continue;
    BorderPoint(xs[i], ys[i], xs[j], ys[j], part.X[part.Count], part.Y[part.Count]);
    ++part.Count;
  }
  return part;
}

// The vertical side test is exact, so its line needs no widening.
double FarSide::Beyond(double x, double y) const {
  if (line_.Vertical()) return farSide_ * (x - line_.XOfVertical());
  return farSide_ * (y - (line_.Slope() * x + line_.Intercept())) + 2 * margin_;
}

// Box sides are horizontal or vertical. A vertical line meets only horizontal sides, at
// its own x; a sloped one is solved for the free coordinate, which rounds by far less than
// the margin across the line, and is kept within the side.
void FarSide::BorderPoint(double ax, double ay, double bx, double by, double& x,
                          double& y) const {
  const double shift = farSide_ * -2 * margin_;
  if (ay == by) {
    y = ay;
    x = line_.Vertical() ? line_.XOfVertical()
                         : (ay - line_.Intercept() - shift) / line_.Slope();
    x = std::clamp(x, std::min(ax, bx), std::max(ax, bx));
    return;
  }
  x = ax;
  y = std::clamp(line_.Slope() * ax + line_.Intercept() + shift, std::min(ay, by),
                 std::max(ay, by));
}

double CandidateSearch::DistanceBound(const Midpoint& m, const PointTree::Box& box) {
  const double dx = std::max({0.0, box.MinX - m.X, m.X - box.MaxX});
  const double dy = std::max({0.0, box.MinY - m.Y, m.Y - box.MaxY});
  return std::sqrt(dx * dx + dy * dy) * (1 - kRelativeSlack);
}

}  // namespace tarn
