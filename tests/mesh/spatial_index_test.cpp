// The pruning behind the fast triangulation may only ever skip what the exact tests would
// refuse. Each test here throws many random and nearly degenerate cases at one pruning rule
// and checks every claim it makes against the double expressions themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "mesh/CandidateSearch.h"
#include "mesh/EdgeGrid.h"
#include "mesh/EdgeIndex.h"
#include "mesh/EdgeShadows.h"
#include "mesh/Geometry.h"
#include "mesh/MeshEdges.h"
#include "mesh/MeshTestSupport.h"
#include "mesh/PointGrid.h"
#include "mesh/PointTree.h"

namespace tarn {
namespace {

// Points of a box, its corners and random inner points, rounded to float as points are.
std::vector<Points> PointsOf(const PointTree::Box& box, std::mt19937& random) {
  std::vector<Points> inside{{box.MinX, box.MinY, 0}, {box.MaxX, box.MinY, 0},
                             {box.MinX, box.MaxY, 0}, {box.MaxX, box.MaxY, 0}};
  std::uniform_real_distribution<float> x(box.MinX, box.MaxX), y(box.MinY, box.MaxY);
  for (int i = 0; i < 16; ++i) inside.push_back({x(random), y(random), 0});
  return inside;
}

TEST(SpatialIndexTest, ShadowsCoverOnlyPointsWhoseSegmentsCross) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> place(-10.0f, 10.0f);
  std::uniform_real_distribution<float> size(0.0f, 3.0f);
  int covered = 0;
  for (int round = 0; round < 4000; ++round) {
    const Points apex{place(random), place(random), 0};
    const Points c{place(random), place(random), 0};
    // Every fourth edge passes almost through the apex: the thin cases.
    Points d{place(random), place(random), 0};
    if (round % 4 == 0) d = {2 * apex.X - c.X + 1e-4f * place(random), 2 * apex.Y - c.Y, 0};
    EdgeShadows shadows;
    shadows.Add(0, apex, c, d);
    const float x = place(random), y = place(random);
    const PointTree::Box box{x, y, x + size(random), y + size(random)};
    if (!shadows.Covers(box)) continue;
    ++covered;
    for (const Points& k : PointsOf(box, random)) {
      ASSERT_TRUE(SegmentsCross(apex, k, c, d)) << round;
      ASSERT_TRUE(SegmentsCross(apex, k, d, c)) << round;
      ASSERT_TRUE(shadows.CoversFrom(0, k.X, k.Y)) << round;
    }
  }
  EXPECT_GT(covered, 100) << "the test must exercise covered boxes";
}

TEST(SpatialIndexTest, FarSideKeepsEveryBoxWithAFarPoint) {
  std::mt19937 random(8);
  std::uniform_real_distribution<float> place(-100.0f, 100.0f);
  std::uniform_real_distribution<float> size(0.0f, 1.0f);
  int dropped = 0;
  for (int round = 0; round < 20000; ++round) {
    const Points p{place(random), place(random), 0};
    // Nearly vertical and exactly vertical edges as well as ordinary ones.
    Points q{place(random), place(random), 0};
    if (round % 3 == 0) q.X = p.X + (round % 2 ? 0.0f : 1e-3f);
    const Points r{place(random), place(random), 0};
    const EdgeLine line(p, q);
    const int sideOfR = line.SideOfCorner(r);
    const FarSide farSide(line, sideOfR, 100, 100);
    // Small boxes next to the line, on either side, where rounding may decide the side.
    const float t = size(random);
    const float offset = (size(random) - 0.5f) * 1e-3f;
    const float x = p.X + t * (q.X - p.X) + offset, y = p.Y + t * (q.Y - p.Y) - offset;
    const float w = size(random) * 1e-4f, h = size(random) * 1e-4f;
    const PointTree::Box box{x - w, y - h, x + w, y + h};
    if (farSide.MayHoldFarPoints(box)) continue;
    ++dropped;
    for (const Points& k : PointsOf(box, random)) {
      const int side = line.SideOf(k);
      ASSERT_TRUE(side == 0 || side == sideOfR) << round;
    }
  }
  EXPECT_GT(dropped, 1000);
}

// A large tree is built on two threads; it must be the tree one thread builds, node for
// node, also where equal coordinates straddle the splits.
TEST(SpatialIndexTest, TreeBuiltOnTwoThreadsIsTheTreeOfOne) {
  for (const PointList& points :
       {testing::UniformPoints(150000, 3), testing::LatticePoints(150000, 40, 4)}) {
    const PointTree shared(points);
    const PointTree alone(points, false);
    ASSERT_EQ(shared.NodeCount(), alone.NodeCount());
    for (int node = 0; node < alone.NodeCount(); ++node) {
      const PointTree::Range range = alone.NodeRange(node);
      ASSERT_EQ(shared.NodeRange(node).Begin, range.Begin) << node;
      ASSERT_EQ(shared.NodeRange(node).End, range.End) << node;
      const PointTree::Box& a = shared.NodeBox(node);
      const PointTree::Box& b = alone.NodeBox(node);
      ASSERT_TRUE(a.MinX == b.MinX && a.MinY == b.MinY && a.MaxX == b.MaxX && a.MaxY == b.MaxY)
          << node;
      if (PointTree::IsLeaf(range)) continue;
      ASSERT_EQ(shared.SplitAxis(node), alone.SplitAxis(node)) << node;
      ASSERT_EQ(shared.SplitValue(node), alone.SplitValue(node)) << node;
    }
    for (int position = 0; position < static_cast<int>(points.size()); ++position) {
      ASSERT_EQ(shared.EntryAt(position).Index, alone.EntryAt(position).Index) << position;
    }
  }
}

// The branch-free side test of the near search says what SideOf says, for every kind of
// line: ordinary, vertical, as steep as floats allow, and at the largest coordinates; for
// points on the line, next to it by one float step, and anywhere.
TEST(SpatialIndexTest, IsOnSideAgreesWithSideOf) {
  constexpr float kHuge = 3e38f;
  const struct {
    Points P, Q;
  } lines[] = {
      {{0, 0, 0}, {3, 1, 0}},          {{-2.5f, 7, 0}, {-2.5f, -1, 0}},
      {{0, 0, 0}, {1e-45f, kHuge, 0}}, {{-kHuge, kHuge, 0}, {kHuge, -kHuge, 0}},
      {{1, 1, 0}, {1.0000001f, 9, 0}}, {{0.1f, 0.7f, 0}, {0.3f, 2.1f, 0}},
  };
  std::mt19937 random(17);
  int onLine = 0;
  for (const auto& [p, q] : lines) {
    const EdgeLine line(p, q);
    std::vector<Points> points{p, q, {0, 0, 0}, {-1, 0, 0}, {1, 0, 0}};
    std::uniform_real_distribution<float> t(-1.0f, 2.0f), anywhere(-10.0f, 10.0f);
    for (int i = 0; i < 2000; ++i) {
      const float s = t(random);
      Points k{p.X + s * (q.X - p.X), p.Y + s * (q.Y - p.Y), 0};
      if (i % 3 == 1) k.Y = std::nextafter(k.Y, i % 2 ? INFINITY : -INFINITY);
      if (i % 3 == 2) k = {anywhere(random) * std::fabs(p.X - q.X + 1),
                           anywhere(random) * std::fabs(p.Y - q.Y + 1), 0};
      points.push_back(k);
    }
    for (const Points& k : points) {
      const int side = line.SideOf(k);
      onLine += side == 0;
      for (const int wanted : {-1, 1}) {
        ASSERT_EQ(line.IsOnSide(k.X, k.Y, wanted), side == wanted)
            << p.X << "," << p.Y << " " << q.X << "," << q.Y << " at " << k.X << "," << k.Y;
      }
    }
  }
  EXPECT_GT(onLine, 100) << "the test must reach points the side test puts on the line";
}

// Both edge indexes answer CrossesMesh exactly as a scan of every triangle does, including
// segments along edges, through corners, and on lattice points (many exact collinear cases).
TEST(SpatialIndexTest, EdgeIndexesAnswerAsTheFullScan) {
  const struct {
    PointList points;
    float reach;  // of the triangles' corners from each other
  } cases[] = {{testing::LatticePoints(300, 10, 9), 1.5f}, {testing::UniformPoints(300, 9), 0.15f}};
  for (const bool byGrid : {true, false}) {
    for (const auto& [points, reach] : cases) {
      SCOPED_TRACE(byGrid ? "grid" : "tree");
      const PointTree tree(points);
      const PointGrid grid(tree);
      MeshEdges edges(900, points.size());
      std::unique_ptr<CrossingIndex> made;
      if (byGrid) {
        made = std::make_unique<EdgeGrid>(grid, edges, std::max(tree.MaxAbsX(), tree.MaxAbsY()));
      } else {
        made = std::make_unique<EdgeIndex>(tree, edges);
      }
      CrossingIndex& index = *made;
      std::mt19937 random(10);
      std::uniform_int_distribution<PointIndex> pick(0, static_cast<PointIndex>(points.size()) - 1);
      TriangleList triangles;
      // Small triangles: corners within a short reach of each other.
      for (int i = 0; i < 120; ++i) {
        const PointIndex a = pick(random);
        std::vector<PointIndex> near;
        for (PointIndex k = 0; k < static_cast<PointIndex>(points.size()); ++k) {
          if (k != a && PointDistance(points[a], points[k]) < reach) near.push_back(k);
        }
        if (near.size() < 2) continue;
        std::shuffle(near.begin(), near.end(), random);
        const PointIndex b = near[0], c = near[1];
        index.AddTriangle(a, b, c);
        edges.AddTriangle(a, b, c);
        triangles.push_back({a, b, c, 0, 0, 0});
      }
      int crossings = 0;
      for (int query = 0; query < 3000; ++query) {
        const PointIndex a = pick(random);
        PointIndex b = pick(random);
        // Most queries are short, as the candidates of the triangulation are.
        while (query % 4 != 0 && PointDistance(points[a], points[b]) > 2 * reach) b = pick(random);
        bool scan = false;
        for (const MeshTriangle& t : triangles) {
          const PointIndex v[3] = {t.V1, t.V2, t.V3};
          for (int e = 0; e < 3; ++e) {
            const Points& start = points[v[e]];
            const Points& end = points[v[(e + 1) % 3]];
            scan = scan || SegmentsCross(points[a], points[b], start, end);
          }
        }
        MeshEdge crossed;
        ASSERT_EQ(index.CrossesMesh(a, b, &crossed), scan) << a << "-" << b;
        crossings += scan;
        if (scan) {
          const Points& start = points[crossed.Start];
          const Points& end = points[crossed.End];
          EXPECT_TRUE(SegmentsCross(points[a], points[b], start, end) ||
                      SegmentsCross(points[a], points[b], end, start));
        }
      }
      EXPECT_GT(crossings, 300);
      EXPECT_LT(crossings, 2700);  // and as many that cross nothing
    }
  }
}

// The pair table against a plain map: holder counts (saturated at 3) and directions, over
// a table that starts tiny and has to grow many times. Pairs of far apart indices (up to
// the largest) are hashed; pairs of neighbouring indices are placed by index, crowd into
// runs and wrap round the end of the table.
TEST(SpatialIndexTest, MeshEdgesCountHoldersAndDirectionsOfEveryPair) {
  constexpr PointIndex kLargest = std::numeric_limits<PointIndex>::max();
  std::mt19937 random(12);
  std::vector<PointIndex> spread = {0, 1, 2, 3, 4, 5, 6, 7, 1000, 65536, kLargest - 1, kLargest};
  TriangleList spreadTriangles;
  std::uniform_int_distribution<int> pick(0, static_cast<int>(spread.size()) - 1);
  for (int i = 0; i < 60; ++i) {
    const PointIndex a = spread[pick(random)], b = spread[pick(random)], c = spread[pick(random)];
    if (a != b && b != c && c != a) spreadTriangles.push_back({a, b, c, 0, 0, 0});
  }
  // A strip of a table-form grid, 12 points wide; some triangles repeated, some turned.
  constexpr PointIndex kWidth = 12, kRows = 25;
  std::vector<PointIndex> strip;
  TriangleList stripTriangles;
  for (PointIndex i = 0; i < kWidth * kRows; ++i) strip.push_back(i);
  for (PointIndex i = 0; i + kWidth + 1 < kWidth * kRows; ++i) {
    if (i % kWidth == kWidth - 1) continue;
    stripTriangles.push_back({i, i + kWidth, i + 1, 0, 0, 0});
    stripTriangles.push_back({i + 1, i + kWidth, i + kWidth + 1, 0, 0, 0});
    if (i % 7 == 0) stripTriangles.push_back({i, i + 1, i + kWidth, 0, 0, 0});
    if (i % 11 == 0) stripTriangles.push_back({i, i + kWidth, i + 1, 0, 0, 0});
  }
  const struct {
    const char* name;
    const std::vector<PointIndex>& corners;
    const TriangleList& triangles;
    std::size_t pointCount;
  } cases[] = {{"spread indices", spread, spreadTriangles, 8},
               {"neighbouring indices", strip, stripTriangles, strip.size()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MeshEdges edges(1, c.pointCount);
    std::map<std::pair<PointIndex, PointIndex>, int> holders;  // by (low, high)
    std::set<std::pair<PointIndex, PointIndex>> directed;
    for (const MeshTriangle& t : c.triangles) {
      const unsigned heldBefore = edges.AddTriangle(t.V1, t.V2, t.V3);
      unsigned expectedHeld = 0;
      unsigned bit = 1;
      for (const auto& [start, end] : {std::pair{t.V1, t.V2}, std::pair{t.V2, t.V3},
                                       std::pair{t.V3, t.V1}}) {
        if (holders[{std::min(start, end), std::max(start, end)}]++ > 0) expectedHeld |= bit;
        directed.insert({start, end});
        bit <<= 1;
      }
      ASSERT_EQ(heldBefore, expectedHeld);
    }
    // Some pairs are held in one direction only, some by three or more triangles.
    ASSERT_GT(holders.size(), 30u);
    ASSERT_GT(std::count_if(holders.begin(), holders.end(),
                            [&directed](const auto& pair) {
                              const auto [low, high] = pair.first;
                              return directed.count({low, high}) != directed.count({high, low});
                            }),
              5);
    ASSERT_GT(std::count_if(holders.begin(), holders.end(),
                            [](const auto& pair) { return pair.second > 3; }),
              0);
    for (const PointIndex u : c.corners) {
      for (const PointIndex v : c.corners) {
        if (u == v) continue;
        const auto found = holders.find({std::min(u, v), std::max(u, v)});
        const int expected = found == holders.end() ? 0 : std::min(found->second, 3);
        ASSERT_EQ(edges.HolderCount(u, v), expected) << u << "-" << v;
        ASSERT_EQ(edges.HasDirectedEdge(u, v), directed.count({u, v}) == 1) << u << "-" << v;
      }
    }
  }
}

TEST(SpatialIndexTest, CandidatesComeInDistanceThenIndexOrder) {
  const PointList points = testing::LatticePoints(400, 6, 11);  // many equal distances
  const PointTree tree(points);
  CandidateSearch search(tree);
  const Points p{1.0f, 1.0f, 0}, q{2.0f, 1.5f, 0};
  const Midpoint m = EdgeMidpoint(p, q);
  const EdgeLine line(p, q);
  const FarSide farSide(line, line.SideOfCorner({0, 5, 0}), tree.MaxAbsX(), tree.MaxAbsY());
  std::vector<PointIndex> order;
  std::size_t learned = 0;
  double distance = 0;
  search.FindFirst(
      m, [&](const PointTree::Box& box) { return farSide.MayHoldFarPoints(box); },
      [](const PointTree::Entry&) { return true; },
      [&](PointIndex k) {
        order.push_back(k);
        return false;
      },
      learned, distance);
  // Every point on the far side, in the order (distance, index).
  std::vector<std::pair<double, PointIndex>> expected;
  for (PointIndex k = 0; k < static_cast<PointIndex>(points.size()); ++k) {
    const int side = line.SideOf(points[k]);
    if (side != 0 && side != line.SideOfCorner({0, 5, 0})) {
      expected.push_back({MidpointDistance(p, q, points[k]), k});
    }
  }
  std::sort(expected.begin(), expected.end());
  std::vector<PointIndex> expectedOrder;
  for (const auto& [d, k] : expected) expectedOrder.push_back(k);
  // The search also offers near-side points of boxes that straddle the line; drop them.
  std::vector<PointIndex> farOrder;
  for (const PointIndex k : order) {
    const int side = line.SideOf(points[k]);
    if (side != 0 && side != line.SideOfCorner({0, 5, 0})) farOrder.push_back(k);
  }
  EXPECT_EQ(farOrder, expectedOrder);
  EXPECT_GT(expectedOrder.size(), 100u);
}

}  // namespace
}  // namespace tarn
