#include "data/CandidateSearch.h"

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

double CandidateSearch::DistanceBound(const Midpoint& m, const PointTree::Box& box) {
  const double dx = std::max({0.0, box.MinX - m.X, m.X - box.MaxX});
  const double dy = std::max({0.0, box.MinY - m.Y, m.Y - box.MaxY});
  return std::sqrt(dx * dx + dy * dy) * (1 - kRelativeSlack);
}

}  // namespace tarn
