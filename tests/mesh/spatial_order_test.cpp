// Numbering the points by place: a permutation that copies every point unchanged, keeps the
// points without finite coordinates last, and puts nearby points at nearby numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

#include "mesh/MeshTestSupport.h"
#include "mesh/SpatialOrder.h"

namespace tarn {
namespace {

bool IsFinite(const Points& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// The length of the path through the points within 10^6 of the origin, in the given order
// (a stray sample would add the same long way there and back to either order).
double PathLength(const PointList& points, const std::vector<PointIndex>& order) {
  double length = 0;
  const Points* previous = nullptr;
  for (const PointIndex i : order) {
    if (!(std::fabs(points[i].X) <= 1e6f && std::fabs(points[i].Y) <= 1e6f)) continue;
    if (previous) length += std::hypot(double{points[i].X} - previous->X,
                                       double{points[i].Y} - previous->Y);
    previous = &points[i];
  }
  return length;
}

TEST(SpatialOrderTest, RenumbersByPlaceAndKeepsEveryPoint) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  PointList withGaps = testing::WithStraySample(testing::UniformPoints(4000, 3, 50.0f), 1e7f, 3);
  withGaps[10].X = kInf;
  withGaps[11].Y = NAN;
  withGaps[3999] = {-kInf, 0, 5};
  const struct {
    const char* name;
    PointList points;
    double shortening;  // the path in the new order is at most this share of the old one
  } cases[] = {
      {"uniform", testing::UniformPoints(5000, 2), 0.1},
      {"stray sample and points that are not finite", withGaps, 0.1},
      {"table-form grid", testing::GridPoints(70, 60, 0.5f), 1.0},
      {"one point", {{1, 2, 3}}, 1.0},
      {"none", {}, 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SpatialOrder order = OrderBySpace(c.points);
    ASSERT_EQ(order.Points.size(), c.points.size());
    ASSERT_EQ(order.Original.size(), c.points.size());
    std::vector<int> seen(c.points.size(), 0);
    std::vector<PointIndex> notFinite;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
      const PointIndex original = order.Original[i];
      ASSERT_TRUE(original >= 0 && original < static_cast<PointIndex>(c.points.size()));
      ASSERT_EQ(++seen[original], 1) << "number " << i;
      // Bit for bit, NaN included.
      ASSERT_EQ(std::memcmp(&order.Points[i], &c.points[original], sizeof(Points)), 0) << i;
      if (!IsFinite(c.points[original])) notFinite.push_back(original);
      else ASSERT_TRUE(notFinite.empty()) << "a finite point after one that is not";
    }
    EXPECT_TRUE(std::is_sorted(notFinite.begin(), notFinite.end()));
    std::vector<PointIndex> callers(c.points.size());
    std::iota(callers.begin(), callers.end(), 0);
    EXPECT_LE(PathLength(c.points, order.Original),
              c.shortening * PathLength(c.points, callers) + 1e-9);
  }
}

}  // namespace
}  // namespace tarn
