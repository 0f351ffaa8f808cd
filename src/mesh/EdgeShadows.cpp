#include "mesh/EdgeShadows.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

// Orientation values against the terms that enter them: far above the rounding of the
// crossing test (a few times 2^-53), far below anything a clear crossing produces.
constexpr double kMargin = 0x1p-40;

// (bx - ax)(zy - ay) - (by - ay)(zx - ax): positive if z lies left of a->b.
double Orient(double ax, double ay, double bx, double by, double zx, double zy) {
  return (bx - ax) * (zy - ay) - (by - ay) * (zx - ax);
}

double Length(double ax, double ay, double bx, double by) {
  return std::fabs(bx - ax) + std::fabs(by - ay);
}

double Sign(double value) { return value > 0 ? 1 : -1; }

}  // namespace

void EdgeShadows::Clear() {
  shadows_.clear();
  count_ = 0;
  for (const std::uint16_t used : usedBins_) bins_[used / kBins][used % kBins].clear();
  usedBins_.clear();
  hasApex_ = {false, false};
}

void EdgeShadows::Add(int end, const Points& apex, const Points& c, const Points& d) {
  if (Full()) return;
  Shadow s{};
  s.End = end;
  s.AX = apex.X;
  s.AY = apex.Y;
  s.CX = c.X;
  s.CY = c.Y;
  s.DX = d.X;
  s.DY = d.Y;
  s.CDX = s.DX - s.CX;
  s.CDY = s.DY - s.CY;
  s.ACX = s.CX - s.AX;
  s.ACY = s.CY - s.AY;
  s.ADX = s.DX - s.AX;
  s.ADY = s.DY - s.AY;
  s.LengthCD = Length(s.CX, s.CY, s.DX, s.DY);
  s.LengthAC = Length(s.AX, s.AY, s.CX, s.CY);
  s.LengthAD = Length(s.AX, s.AY, s.DX, s.DY);
  const double apexSide = Orient(s.CX, s.CY, s.DX, s.DY, s.AX, s.AY);
  s.ApexOffLine = std::fabs(apexSide);
  if (s.ApexOffLine <= kMargin * s.LengthCD * s.LengthAC) return;
  s.SideOfApex = Sign(apexSide);
  // orient(A, c, d) is orient(c, d, A) with the corners turned, so it has the same sign.
  s.SideOfD = s.SideOfApex;
  s.SideOfC = -s.SideOfD;
  const auto index = static_cast<std::uint16_t>(shadows_.size());
  shadows_.push_back(s);
  count_ = shadows_.size();
  hasApex_[end] = true;
  apexX_[end] = s.AX;
  apexY_[end] = s.AY;
  File(end, index, DirectionOf(s.CX - s.AX, s.CY - s.AY), DirectionOf(s.DX - s.AX, s.DY - s.AY));
}

bool EdgeShadows::CoversFrom(int end, double x, double y) const {
  if (shadows_.empty()) return false;
  return CoversAround(end, {{x}, {y}, 1}, x, y);
}

bool EdgeShadows::Covers(const PointTree::Box& box) const {
  if (shadows_.empty()) return false;
  const Corners corners{{box.MinX, box.MaxX, box.MinX, box.MaxX},
                        {box.MinY, box.MinY, box.MaxY, box.MaxY},
                        4};
  const double x = (double{box.MinX} + box.MaxX) / 2;
  const double y = (double{box.MinY} + box.MaxY) / 2;
  return CoversAround(0, corners, x, y) || CoversAround(1, corners, x, y);
}

// A shadow that covers the polygon covers the mean of its corners, which lies inside it.
bool EdgeShadows::Covers(const Polygon& polygon) const {
  if (shadows_.empty() || polygon.Count == 0) return false;
  double x = 0;
  double y = 0;
  for (int i = 0; i < polygon.Count; ++i) {
    x += polygon.X[i];
    y += polygon.Y[i];
  }
  x /= polygon.Count;
  y /= polygon.Count;
  return CoversAround(0, polygon, x, y) || CoversAround(1, polygon, x, y);
}

// The direction of (dx, dy) as a number in [0, 4) that grows with the angle (the "diamond
// angle": cheaper than atan2, and the bins need nothing but the order).
double EdgeShadows::DirectionOf(double dx, double dy) {
  const double sum = std::fabs(dx) + std::fabs(dy);
  if (sum == 0) return 0;
  const double t = dy / sum;  // in [-1, 1]
  return dx >= 0 ? (t >= 0 ? t : 4 + t) : 2 - t;
}

int EdgeShadows::BinOf(double direction) {
  return std::clamp(static_cast<int>(direction * (kBins / 4.0)), 0, kBins - 1);
}

// Files the shadow in every bin its wedge (narrower than half a turn) passes, widened by a
// hair so that rounding of the directions never leaves out a bin it covers.
void EdgeShadows::File(int end, std::uint16_t shadow, double from, double to) {
  constexpr double kHair = 1e-9;
  double low = std::min(from, to);
  double high = std::max(from, to);
  if (high - low > 2) std::swap(low, high);  // the wedge wraps past direction 0
  int bin = BinOf(std::max(low - kHair, 0.0));
  const int last = BinOf(std::min(high + kHair, 4.0));
  for (;;) {
    std::vector<std::uint16_t>& filed = bins_[end][bin];
    if (filed.empty()) usedBins_.push_back(static_cast<std::uint16_t>(end * kBins + bin));
    filed.push_back(shadow);
    if (bin == last) break;
    bin = (bin + 1) % kBins;
  }
}

bool EdgeShadows::CoversAround(int end, const Corners& corners, double x, double y) const {
  if (!hasApex_[end]) return false;
  const double direction = DirectionOf(x - apexX_[end], y - apexY_[end]);
  const std::vector<std::uint16_t>& filed = bins_[end][BinOf(direction)];
  return std::any_of(filed.begin(), filed.end(), [this, &corners](std::uint16_t i) {
    return ShadowCovers(shadows_[i], corners);
  });
}

// Every orientation is linear in the point, so holding at the corners with a threshold
// that does not depend on the point means holding over the whole box. The thresholds
// bound the terms of each value over the box: |c - d| (|A - c| + |z - c|) for the values
// against the line c-d, (|A - c| + |A - d|) |z - A| for the values against the rays.
// Most shadows tested are missed by a wide margin, so the signs are looked at first.
bool EdgeShadows::ShadowCovers(const Shadow& s, const Corners& corners) {
  double beyondLine = INFINITY;
  double insideC = INFINITY;
  double insideD = INFINITY;
  for (int i = 0; i < corners.Count; ++i) {
    // Orient(c, d, z), Orient(A, c, z) and Orient(A, d, z), operand for operand.
    const double fromAX = corners.X[i] - s.AX;
    const double fromAY = corners.Y[i] - s.AY;
    const double line = s.CDX * (corners.Y[i] - s.CY) - s.CDY * (corners.X[i] - s.CX);
    beyondLine = std::min(beyondLine, -s.SideOfApex * line);
    insideC = std::min(insideC, s.SideOfD * (s.ACX * fromAY - s.ACY * fromAX));
    insideD = std::min(insideD, s.SideOfC * (s.ADX * fromAY - s.ADY * fromAX));
    if (beyondLine <= 0 || insideC <= 0 || insideD <= 0) return false;
  }
  double fromA = 0;
  double fromC = 0;
  for (int i = 0; i < corners.Count; ++i) {
    fromA = std::max(fromA, Length(s.AX, s.AY, corners.X[i], corners.Y[i]));
    fromC = std::max(fromC, Length(s.CX, s.CY, corners.X[i], corners.Y[i]));
  }
  const double acrossLine = kMargin * s.LengthCD * (s.LengthAC + fromC);
  const double insideWedge = kMargin * (s.LengthAC + s.LengthAD) * fromA;
  return s.ApexOffLine >= acrossLine && beyondLine >= acrossLine &&
         insideC >= insideWedge && insideD >= insideWedge;
}

}  // namespace tarn
