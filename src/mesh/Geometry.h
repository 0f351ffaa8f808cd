// The geometric tests of the triangulation, each written as one fixed double expression.
//
// The mesh depends on how these round: which candidate wins a tie, which side of an edge a
// nearly collinear point falls on, whether a segment that ends on an edge "crosses" it. So
// every function evaluates exactly the expression given here, operand for operand, from the
// single-precision coordinates converted to double; the build forbids fused multiply-add
// contraction and fast-math so that the compiler keeps each rounding step. Callers that want
// the same answer must call these functions, never an algebraically equal rewrite.
//
// Orientation: x grows to the right and y upwards.
#pragma once

#include <cmath>
#include <numbers>

#include "data/PointSet.h"

namespace tarn {

// sqrt((xi - xj)^2 + (yi - yj)^2).
inline double PointDistance(const Points& i, const Points& j) {
  const double dx = double{i.X} - double{j.X};
  const double dy = double{i.Y} - double{j.Y};
  return std::sqrt(dx * dx + dy * dy);
}

// The midpoint ((xp + xq)/2, (yp + yq)/2) of an edge, in the rounding MidpointDistance uses.
// How two points at equal distance are put in order: by the index the caller gave them, which
// for points renumbered by place is `original[index]`, else the index itself.
class TieOrder {
 public:
  explicit TieOrder(const PointIndex* original = nullptr) : original_(original) {}
  PointIndex KeyOf(PointIndex index) const { return original_ ? original_[index] : index; }

 private:
  const PointIndex* original_;
};

struct Midpoint {
  double X;
  double Y;
};

inline Midpoint EdgeMidpoint(const Points& p, const Points& q) {
  return {(double{p.X} + double{q.X}) / 2, (double{p.Y} + double{q.Y}) / 2};
}

// sqrt((xk - mx)^2 + (yk - my)^2) for the midpoint m of the edge.
inline double MidpointDistance(const Midpoint& m, double xk, double yk) {
  const double dx = xk - m.X;
  const double dy = yk - m.Y;
  return std::sqrt(dx * dx + dy * dy);
}

inline double MidpointDistance(const Points& p, const Points& q, const Points& k) {
  return MidpointDistance(EdgeMidpoint(p, q), double{k.X}, double{k.Y});
}

// True if b lies counter-clockwise of a, seen from o: the difference of the two directions,
// brought into [-pi, pi], is positive.
inline bool IsLeftTurn(const Points& o, const Points& a, const Points& b) {
  constexpr double kPi = std::numbers::pi;
  double d = std::atan2(double{b.Y} - double{o.Y}, double{b.X} - double{o.X}) -
             std::atan2(double{a.Y} - double{o.Y}, double{a.X} - double{o.X});
  if (d > kPi) d = d - 2 * kPi;
  if (d < -kPi) d = d + 2 * kPi;
  return d > 0;
}

// Proper crossing of segment a-b with segment c-d: both intersection parameters strictly
// inside (0, 1). Parallel or collinear segments (D = 0) never cross; segments that touch at
// an end point do not cross. Note that swapping c and d rounds differently.
//
// Segments that share an end point never cross. The parameters say so at a shared start
// (they come out exactly 0), but at a shared far end (b on c or d) both round to either
// side of 1; asking them would refuse about half the segments that end on a mesh corner
// and leave holes wherever such a corner is the only joinable point.
inline bool SegmentsShareAnEnd(double xa, double ya, double xb, double yb, double xc,
                               double yc, double xd, double yd) {
  return (xa == xc && ya == yc) | (xa == xd && ya == yd) | (xb == xc && yb == yc) |
         (xb == xd && yb == yd);
}

inline bool SegmentsCross(double xa, double ya, double xb, double yb, double xc, double yc,
                          double xd, double yd) {
  if (SegmentsShareAnEnd(xa, ya, xb, yb, xc, yc, xd, yd)) return false;
  const double d = (xd - xc) * (yb - ya) - (xb - xa) * (yd - yc);
  if (d == 0) return false;
  const double s = (1 / d) * ((yc - ya) * (xd - xc) - (xc - xa) * (yd - yc));
  const double t = (1 / d) * ((yc - ya) * (xb - xa) - (xc - xa) * (yb - ya));
  return 0 < s && s < 1 && 0 < t && t < 1;
}

inline bool SegmentsCross(const Points& a, const Points& b, const Points& c, const Points& d) {
  return SegmentsCross(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y);
}

// The side test against the line through the edge P-Q. A non-vertical line is held as slope
// and intercept (y = s*x + c, both rounded to double); a point is compared with the line's
// value at its x. A vertical line (xQ = xP) compares x with xP.
//
//        side +1
//   P ------------- Q        the side of the third corner R decides which side is "far":
//        side -1             a point joins across P-Q only if its side is the other one.
class EdgeLine {
 public:
  EdgeLine(const Points& p, const Points& q)
      : vertical_(q.X == p.X),
        xP_(p.X),
        slope_(vertical_ ? 0 : (double{q.Y} - double{p.Y}) / (double{q.X} - double{p.X})),
        intercept_(vertical_ ? 0
                             : (double{q.X} * double{p.Y} - double{q.Y} * double{p.X}) /
                                   (double{q.X} - double{p.X})) {}

  // +1 or -1; a corner exactly on the line counts as -1.
  int SideOfCorner(const Points& r) const { return SideOf(r) > 0 ? 1 : -1; }

  // +1, -1, or 0 for a point on the line.
  int SideOf(const Points& k) const { return SideOf(k.X, k.Y); }

  int SideOf(double x, double y) const {
    if (vertical_) return x > xP_ ? 1 : (x < xP_ ? -1 : 0);
    const double lineY = slope_ * x + intercept_;
    return y > lineY ? 1 : (y < lineY ? -1 : 0);
  }

  // SideOf(x, y) == side for side +1 or -1, without branches: the difference of two
  // doubles has the sign of their comparison (and is 0 only when they are equal).
  bool IsOnSide(double x, double y, int side) const {
    const double offset = vertical_ ? x - xP_ : y - (slope_ * x + intercept_);
    return offset * side > 0;
  }

  bool Vertical() const { return vertical_; }
  double XOfVertical() const { return xP_; }
  double Slope() const { return slope_; }
  double Intercept() const { return intercept_; }

 private:
  bool vertical_;
  double xP_;
  double slope_;
  double intercept_;
};

}  // namespace tarn
