// The grid search near an edge and the far part of a box: both may only change how fast
// the candidates are found, never which one is found.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "mesh/CandidateSearch.h"
#include "mesh/EdgeShadows.h"
#include "mesh/Geometry.h"
#include "mesh/MeshTestSupport.h"
#include "mesh/PointGrid.h"
#include "mesh/PointTree.h"
#include "mesh/RingSearch.h"

namespace tarn {
namespace {

// An acceptance rule that no geometry predicts: a hash of the index. Its fixed part (kept
// at all) is the part that the search may ask as it collects the points.
bool Kept(PointIndex k) { return k % 4 != 1; }
bool Accepted(PointIndex k, std::uint32_t salt) {
  return Kept(k) && ((static_cast<std::uint32_t>(k) * 2654435761u) ^ salt) % 11 == 0;
}

// What settles equal distances: the index itself, or tieOrder[index] where one is given.
PointIndex TieKey(const std::vector<PointIndex>& tieOrder, PointIndex k) {
  return tieOrder.empty() ? k : tieOrder[k];
}

// The first accepted point in the order (distance, tie key), by a scan of all points.
std::pair<double, PointIndex> FirstByScan(const PointList& points, const Midpoint& m,
                                          std::uint32_t salt,
                                          const std::vector<PointIndex>& tieOrder) {
  std::pair<double, PointIndex> best{0, kNoPoint};
  PointIndex bestKey = kNoPoint;
  for (PointIndex k = 0; k < static_cast<PointIndex>(points.size()); ++k) {
    if (!Accepted(k, salt)) continue;
    const double distance = MidpointDistance(m, points[k].X, points[k].Y);
    if (best.second == kNoPoint ||
        std::pair(distance, TieKey(tieOrder, k)) < std::pair(best.first, bestKey)) {
      best = {distance, k};
      bestKey = TieKey(tieOrder, k);
    }
  }
  return best;
}

void ExpectRingSearchAgreesWithScan(const PointList& points, std::mt19937& random,
                                    int& undecided,
                                    const std::vector<PointIndex>& tieOrder = {}) {
  const PointTree tree(points);
  const PointGrid grid(tree);
  RingSearch search(grid, tieOrder.empty() ? nullptr : tieOrder.data());
  std::uniform_int_distribution<int> pick(0, static_cast<int>(points.size()) - 1);
  for (int round = 0; round < 200; ++round) {
    const Midpoint m = EdgeMidpoint(points[pick(random)], points[pick(random)]);
    const auto salt = static_cast<std::uint32_t>(round);
    const std::pair<double, PointIndex> expected = FirstByScan(points, m, salt, tieOrder);
    std::vector<PointIndex> asked;
    PointIndex found = kNoPoint;
    double distance = 0, decidedBelow = 0;
    const RingSearch::Outcome outcome = search.FindFirst(
        m, round % 3, [](const PointTree::Entry& entry) { return Kept(entry.Index); },
        [](const PointTree::Entry&) { return true; },
        [&asked, salt](PointIndex k) {
          asked.push_back(k);
          return Accepted(k, salt);
        },
        found, distance, decidedBelow);
    if (outcome == RingSearch::Outcome::Found) {
      ASSERT_EQ(found, expected.second) << round;
      ASSERT_EQ(distance, expected.first) << round;
    } else if (outcome == RingSearch::Outcome::NoneAtAll) {
      ASSERT_EQ(expected.second, kNoPoint) << round;
    } else {
      ++undecided;
      // Nothing accepted was left behind below the radius it claims to have decided.
      ASSERT_TRUE(expected.second == kNoPoint || expected.first >= decidedBelow) << round;
    }
    // Asked in the order (distance, tie key), each point once.
    for (std::size_t i = 1; i < asked.size(); ++i) {
      const Points& a = points[asked[i - 1]];
      const Points& b = points[asked[i]];
      ASSERT_LT(std::pair(MidpointDistance(m, a.X, a.Y), TieKey(tieOrder, asked[i - 1])),
                std::pair(MidpointDistance(m, b.X, b.Y), TieKey(tieOrder, asked[i])))
          << round;
    }
  }
}

TEST(NearSearchTest, RingSearchFindsTheFirstAcceptedPointInOrder) {
  std::mt19937 random(31);
  int undecided = 0;
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    ExpectRingSearchAgreesWithScan(testing::UniformPoints(500, seed, 100.0f), random, undecided);
    ExpectRingSearchAgreesWithScan(testing::LatticePoints(400, 6, seed), random, undecided);
    ExpectRingSearchAgreesWithScan(testing::ClusteredPoints(400, seed), random, undecided);
    ExpectRingSearchAgreesWithScan(testing::PointsWithDuplicates(400, seed), random, undecided);
  }
  EXPECT_GT(undecided, 50) << "the test must reach searches the rings leave open";
}

// Points renumbered by place settle equal distances by their old indices: a tie order
// that disagrees with the indices must win every tie, in the rings and in the tree.
TEST(NearSearchTest, EqualDistancesGoByTheTieOrder) {
  const PointList lattice = testing::LatticePoints(400, 6, 5);  // many equal distances
  std::vector<PointIndex> reversed(lattice.size());
  for (std::size_t i = 0; i < reversed.size(); ++i) {
    reversed[i] = static_cast<PointIndex>(reversed.size() - 1 - i);
  }
  std::vector<PointIndex> shuffled = reversed;
  std::mt19937 random(37);
  std::shuffle(shuffled.begin(), shuffled.end(), random);
  const PointTree tree(lattice);
  for (const std::vector<PointIndex>* tieOrder : {&reversed, &shuffled}) {
    int undecided = 0;
    ExpectRingSearchAgreesWithScan(lattice, random, undecided, *tieOrder);
    // The tree search offers every point, nearest first.
    CandidateSearch search(tree, tieOrder->data());
    const Midpoint m{1.25, 1.5};
    std::vector<PointIndex> offered;
    std::size_t learned = 0;
    double distance = 0;
    search.FindFirst(
        m, [](const PointTree::Box&) { return true; },
        [](const PointTree::Entry&) { return true; },
        [&offered](PointIndex k) {
          offered.push_back(k);
          return false;
        },
        learned, distance);
    std::vector<PointIndex> expected(lattice.size());
    for (std::size_t k = 0; k < expected.size(); ++k) expected[k] = static_cast<PointIndex>(k);
    auto key = [&](PointIndex k) {
      return std::pair(MidpointDistance(m, lattice[k].X, lattice[k].Y), (*tieOrder)[k]);
    };
    std::sort(expected.begin(), expected.end(),
              [&key](PointIndex a, PointIndex b) { return key(a) < key(b); });
    EXPECT_EQ(offered, expected);
  }
}

TEST(NearSearchTest, GridOfOneOrTwoPointsOrOneLine) {
  std::mt19937 random(32);
  int undecided = 0;
  ExpectRingSearchAgreesWithScan({{1, 1, 0}, {1, 1, 0}}, random, undecided);
  ExpectRingSearchAgreesWithScan({{1, 1, 0}, {3, 2, 0}}, random, undecided);
  PointList line;
  for (int i = 0; i < 300; ++i) line.push_back({static_cast<float>(i) * 0.25f, 7, 0});
  ExpectRingSearchAgreesWithScan(line, random, undecided);
}

// A few samples far outside the rest lie in the border cells; the search still finds
// them in order, and the rest keep a fine grid.
TEST(NearSearchTest, StraySamplesLieInTheBorderCells) {
  std::mt19937 random(33);
  int undecided = 0;
  PointList points = testing::UniformPoints(3000, 34, 10.0f);
  points = testing::WithStraySample(points, 5e5f, 2.0f);
  points[7] = {-3e4f, -8e4f, 0};
  const PointTree tree(points);
  const PointGrid grid(tree);
  EXPECT_TRUE(grid.Balanced());
  EXPECT_GT(grid.Columns() * grid.Rows(), 1000);
  ExpectRingSearchAgreesWithScan(points, random, undecided);
}

// Far apart clusters crowd into a few cells: the grid says so, and the triangulation
// turns to the tree instead.
TEST(NearSearchTest, CrowdedCellsMakeTheGridUnbalanced) {
  const PointList clusters = testing::ClusteredPoints(3000, 35);
  EXPECT_FALSE(PointGrid(PointTree(clusters)).Balanced());
  const PointList uniform = testing::UniformPoints(3000, 36);
  EXPECT_TRUE(PointGrid(PointTree(uniform)).Balanced());
}

// Random inner points of a box and points right next to the line inside it.
std::vector<Points> SamplesOf(const PointTree::Box& box, const Points& p, const Points& q,
                              std::mt19937& random) {
  std::vector<Points> samples{{box.MinX, box.MinY, 0}, {box.MaxX, box.MinY, 0},
                              {box.MinX, box.MaxY, 0}, {box.MaxX, box.MaxY, 0}};
  std::uniform_real_distribution<float> x(box.MinX, box.MaxX), y(box.MinY, box.MaxY);
  std::uniform_real_distribution<double> along(-20, 20);
  for (int i = 0; i < 16; ++i) samples.push_back({x(random), y(random), 0});
  for (int i = 0; i < 48; ++i) {
    const double t = along(random);
    const auto px = static_cast<float>(p.X + t * (double{q.X} - p.X));
    const auto py = static_cast<float>(p.Y + t * (double{q.Y} - p.Y));
    // The float neighbours of a point on the line: where rounding decides.
    const Points k{std::nextafter(px, i % 2 ? 1e9f : -1e9f),
                   std::nextafter(py, i % 3 ? 1e9f : -1e9f), 0};
    if (k.X >= box.MinX && k.X <= box.MaxX && k.Y >= box.MinY && k.Y <= box.MaxY) {
      samples.push_back(k);
    }
  }
  return samples;
}

// Edge P-Q seen from apex Q behind an edge c-d through P: the shadow's border runs along
// the line P-Q, the case the far part of a box exists for.
TEST(NearSearchTest, ShadowOfTheFarPartCoversOnlyPointsThatCannotJoin) {
  std::mt19937 random(33);
  std::uniform_real_distribution<float> place(-10.0f, 10.0f), size(0.0f, 4.0f);
  int covered = 0;
  for (int round = 0; round < 6000; ++round) {
    const Points p{place(random), place(random), 0};
    Points q{place(random), place(random), 0};
    if (round % 5 == 0) q.X = p.X;  // vertical lines
    const Points r{place(random), place(random), 0};
    const EdgeLine line(p, q);
    const int sideOfR = line.SideOfCorner(r);
    const FarSide farSide(line, sideOfR, 10, 10);
    EdgeShadows shadows;
    const Points c = p;
    const Points d{place(random), place(random), 0};
    shadows.Add(1, q, c, d);
    shadows.Add(1, q, d, {2 * p.X - d.X, 2 * p.Y - d.Y, 0});
    const float t = size(random) * 3;
    const float x = p.X + t * (p.X - q.X) - size(random), y = p.Y + t * (p.Y - q.Y) - size(random);
    const PointTree::Box box{x, y, x + size(random), y + size(random)};
    if (!farSide.MayHoldFarPoints(box) || !shadows.Covers(farSide.FarPart(box))) continue;
    ++covered;
    for (const Points& k : SamplesOf(box, p, q, random)) {
      const int side = line.SideOf(k);
      if (side == 0 || side == sideOfR) continue;  // never a candidate
      ASSERT_TRUE(shadows.CoversFrom(1, k.X, k.Y)) << round;
    }
  }
  EXPECT_GT(covered, 300) << "the test must exercise covered boxes";
}

}  // namespace
}  // namespace tarn
