#include "render/ContourPixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "render/ContourTestBed.h"
#include "render/TriangleGrid.h"

namespace tarn::testing {
namespace {

using Calls = std::vector<std::string>;

const std::string kLabel = "ピクセル補完をしています・・・・・";

TEST(ContourPixelsTest, InsideTriangleCountsEdgesAndCornersAndNeverADegenerateTriangle) {
  const PointList points = {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {8, 8, 0}};
  const MeshTriangle t = Triangle(0, 1, 2);
  for (auto [x, y] : {std::pair{0.0, 0.0}, {4.0, 0.0}, {0.0, 4.0}, {2.0, 0.0}, {0.0, 2.0}, {2.0, 2.0}, {1.0, 1.0}}) {
    EXPECT_TRUE(InsideTriangle(points, t, x, y)) << x << " " << y;
  }
  for (auto [x, y] : {std::pair{-0.001, 1.0}, {1.0, -0.001}, {2.001, 2.0}, {5.0, 5.0}, {std::nan(""), 1.0}}) {
    EXPECT_FALSE(InsideTriangle(points, t, x, y)) << x << " " << y;
  }
  EXPECT_TRUE(InsideTriangle(points, Triangle(0, 2, 1), 1, 1));   // either orientation
  EXPECT_FALSE(InsideTriangle(points, Triangle(0, 3, 0), 0, 0));  // repeated corner
  EXPECT_FALSE(InsideTriangle(points, Triangle(0, 3, 3), 4, 4));  // collinear
}

TEST(ContourPixelsTest, PlaneValueReproducesTheSamplesAndALinearField) {
  // v = 3 + 2x - y at the corners.
  const PointList points = {{1, 1, 4}, {5, 2, 11}, {2, 6, 1}, {3, 3, 0}};
  const MeshTriangle t = Triangle(0, 1, 2);
  EXPECT_NEAR(PlaneValue(points, t, 1, 1), 4, 1e-12);
  EXPECT_NEAR(PlaneValue(points, t, 5, 2), 11, 1e-12);
  EXPECT_NEAR(PlaneValue(points, t, 2, 6), 1, 1e-12);
  EXPECT_NEAR(PlaneValue(points, t, 2.5, 3), 5, 1e-12);
  EXPECT_EQ(PlaneValue(points, Triangle(0, 3, 3), 2, 2), 0.0);  // degenerate
}

TEST(ContourPixelsTest, FindTriangleReturnsTheLastContainingTriangle) {
  // Two triangles sharing the diagonal from (4, 0) to (0, 4), and a third over the first.
  const PointList points = {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {4, 4, 0}};
  const TriangleList mesh = {Triangle(0, 1, 2), Triangle(1, 3, 2), Triangle(0, 1, 2)};
  EXPECT_EQ(FindTriangle(points, mesh, 1, 1), 2);
  EXPECT_EQ(FindTriangle(points, mesh, 3, 3), 1);
  EXPECT_EQ(FindTriangle(points, mesh, 2, 2), 2);  // on the shared edge: the later one
  EXPECT_EQ(FindTriangle(points, {mesh[0], mesh[1]}, 2, 2), 1);
  EXPECT_EQ(FindTriangle(points, mesh, 5, 1), kNoTriangle);
  EXPECT_EQ(FindTriangle(points, {}, 1, 1), kNoTriangle);
}

// One triangle (0, 0), (2, 0), (0, 2) with v = x, on a 3 by 3 plot where column = x and
// row = 3 - y. Gray: v = 0, 1, 2 on 0..2 gives 0, 120, 240.
PlotArea ThreeByThree() {
  PlotArea area;
  area.Left = 0;
  area.Right = 2;
  area.Bottom = 0;
  area.Top = 2;
  area.XMax = 2;
  area.YMax = 2;
  area.XScale = 1;
  area.YScale = 1;
  area.PictureHeight = 3;
  return area;
}

const PointList kRamp = {{0, 0, 0}, {2, 0, 2}, {0, 2, 0}};

TEST(ContourPixelsTest, FillsColumnsLeftToRightRowsBottomToTopEdgesIncluded) {
  ContourTestBed bed;
  bed.Options.ChooseColorScheme(ColorScheme::GrayColor);
  DrawContourPixels(bed.Ctx, kRamp, {Triangle(0, 1, 2)}, 0, 2, ThreeByThree());
  EXPECT_EQ(bed.Canvas.Calls(), (Calls{"SetPixel 0 3 000000", "SetPixel 0 2 000000", "SetPixel 0 1 000000",
                                       "SetPixel 1 3 787878", "SetPixel 1 2 787878", "SetPixel 2 3 f0f0f0"}));
  EXPECT_EQ(
      bed.Ui.ProgressCalls,
      (Calls{"ShowProgress " + kLabel + " 0 2", "SetProgressPosition 0", "SetProgressPosition 0", "ProcessMessages",
             "SetProgressPosition 1", "ProcessMessages", "SetProgressPosition 2", "ProcessMessages", "HideProgress"}));
}

TEST(ContourPixelsTest, OnASharedEdgeTheLaterTriangleGivesTheValue) {
  // Two flat triangles on the square 0..2 meeting along the diagonal x + y = 2, values 0 and 2.
  const PointList points = {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {2, 0, 2}, {2, 2, 2}, {0, 2, 2}};
  for (bool lowFirst : {true, false}) {
    ContourTestBed bed;
    bed.Options.ChooseColorScheme(ColorScheme::GrayColor);
    const TriangleList low = {Triangle(0, 1, 2)}, high = {Triangle(3, 4, 5)};
    const TriangleList mesh = lowFirst ? TriangleList{low[0], high[0]} : TriangleList{high[0], low[0]};
    DrawContourPixels(bed.Ctx, points, mesh, 0, 2, ThreeByThree());
    // The diagonal pixels (0, 2) -> row 1, (1, 1) -> row 2, (2, 0) -> row 3.
    const std::string diagonal = lowFirst ? "f0f0f0" : "000000";
    const Calls calls = bed.Canvas.Calls();
    ASSERT_EQ(calls.size(), 9u);
    EXPECT_EQ(calls[2], "SetPixel 0 1 " + diagonal);
    EXPECT_EQ(calls[4], "SetPixel 1 2 " + diagonal);
    EXPECT_EQ(calls[6], "SetPixel 2 3 " + diagonal);
  }
}

TEST(ContourPixelsTest, CancelAfterSecondColumnKeepsItAndLeavesTheRequestSet) {
  ContourTestBed bed;
  bed.Options.ChooseColorScheme(ColorScheme::GrayColor);
  bed.CancelAtPump(2);
  DrawContourPixels(bed.Ctx, kRamp, {Triangle(0, 1, 2)}, 0, 2, ThreeByThree());
  EXPECT_EQ(bed.Canvas.Calls(), (Calls{"SetPixel 0 3 000000", "SetPixel 0 2 000000", "SetPixel 0 1 000000",
                                       "SetPixel 1 3 787878", "SetPixel 1 2 787878"}));
  EXPECT_TRUE(bed.MeshOutdated);
  EXPECT_TRUE(bed.CancelRequested);
  EXPECT_EQ(bed.Ui.ProgressCalls.back(), "HideProgress");
  EXPECT_EQ(bed.Ui.ProgressCalls.size(), 7u);
}

TEST(ContourPixelsTest, PixelsOutsideTheMeshAreLeftAlone) {
  ContourTestBed bed;
  const PointList points = {{5, 5, 0}, {6, 5, 0}, {5, 6, 0}};
  DrawContourPixels(bed.Ctx, points, {Triangle(0, 1, 2)}, 0, 1, ThreeByThree());
  EXPECT_TRUE(bed.Canvas.Calls().empty());
  DrawContourPixels(bed.Ctx, points, {}, 0, 1, ThreeByThree());
  EXPECT_TRUE(bed.Canvas.Calls().empty());
}

// --- The grid answers exactly as the plain search --------------------------------------------

// A jittered n by n lattice cut into triangles (shared edges everywhere), in shuffled order,
// with some triangles repeated, flipped or made degenerate.
void AddLatticeMesh(std::mt19937& rng, int n, float jitter, PointList& points, TriangleList& mesh) {
  std::uniform_real_distribution<float> shake(-jitter, jitter);
  const auto base = static_cast<PointIndex>(points.size());
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i)
      points.push_back({static_cast<float>(i) + shake(rng), static_cast<float>(j) + shake(rng), 0});
  }
  auto at = [&](int i, int j) { return base + j * n + i; };
  for (int j = 0; j + 1 < n; ++j) {
    for (int i = 0; i + 1 < n; ++i) {
      mesh.push_back(Triangle(at(i, j), at(i + 1, j), at(i + 1, j + 1)));
      mesh.push_back(Triangle(at(i, j), at(i + 1, j + 1), at(i, j + 1)));
    }
  }
  std::shuffle(mesh.begin(), mesh.end(), rng);
  const MeshTriangle repeat = mesh[mesh.size() / 2];
  mesh.push_back(repeat);
  mesh.push_back(Triangle(at(0, 0), at(n - 1, 0), at(n - 1, 0)));  // repeated corner
  mesh.push_back(Triangle(at(0, 0), at(0, 0), at(0, 0)));
}

// Triangles on a coarse integer lattice: many query points fall exactly on edges and corners,
// many triangles overlap, and collinear corners make degenerate ones.
void AddLatticeSoup(std::mt19937& rng, int count, PointList& points, TriangleList& mesh) {
  std::uniform_int_distribution<int> coordinate(0, 8);
  for (int k = 0; k < count; ++k) {
    const auto base = static_cast<PointIndex>(points.size());
    for (int c = 0; c < 3; ++c)
      points.push_back({static_cast<float>(coordinate(rng)), static_cast<float>(coordinate(rng)), 0});
    mesh.push_back(Triangle(base, base + 1, base + 2));
  }
}

// Long thin triangles at slight angles, and nearly collinear ones.
void AddSlivers(std::mt19937& rng, PointList& points, TriangleList& mesh) {
  std::uniform_real_distribution<float> where(0, 8);
  for (int k = 0; k < 20; ++k) {
    const auto base = static_cast<PointIndex>(points.size());
    const float x = where(rng), y = where(rng);
    const float lift = std::ldexp(1.0f, -static_cast<int>(k % 20));
    points.push_back({x, y, 0});
    points.push_back({x + 6, y + 3, 0});
    points.push_back({x + 3, y + 1.5f + lift, 0});
    mesh.push_back(Triangle(base, base + 1, base + 2));
  }
}

// Corners, edge midpoints and points just off them, plus random points in and around the mesh.
std::vector<std::pair<double, double>> QueryPoints(std::mt19937& rng, const PointList& points,
                                                   const TriangleList& mesh) {
  std::vector<std::pair<double, double>> queries;
  for (const MeshTriangle& t : mesh) {
    const Points& a = points[t.V1];
    const Points& b = points[t.V2];
    queries.push_back({a.X, a.Y});
    const double mx = (static_cast<double>(a.X) + b.X) / 2, my = (static_cast<double>(a.Y) + b.Y) / 2;
    queries.push_back({mx, my});
    queries.push_back({std::nextafter(mx, 1e9), my});
    queries.push_back({mx, std::nextafter(my, -1e9)});
  }
  std::uniform_real_distribution<double> around(-2, 12);
  std::uniform_int_distribution<int> lattice(-1, 9);
  for (int k = 0; k < 4000; ++k) {
    queries.push_back({around(rng), around(rng)});
    queries.push_back({static_cast<double>(lattice(rng)), static_cast<double>(lattice(rng))});
    queries.push_back({lattice(rng) + 0.5, static_cast<double>(lattice(rng))});
  }
  queries.push_back({std::nan(""), 1});
  queries.push_back({1e300, -1e300});
  return queries;
}

void ExpectGridMatchesPlainSearch(const PointList& points, const TriangleList& mesh,
                                  const std::vector<std::pair<double, double>>& queries) {
  const TriangleGrid grid(points, mesh);
  int mismatches = 0;
  for (auto [x, y] : queries) {
    const TriangleIndex plain = FindTriangle(points, mesh, x, y);
    const TriangleIndex fast = grid.Find(x, y);
    if (plain != fast && ++mismatches <= 5) ADD_FAILURE() << "at " << x << " " << y << ": " << plain << " vs " << fast;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(TriangleGridTest, FindsTheSameTriangleAsThePlainSearch) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    PointList points;
    TriangleList mesh;
    AddLatticeMesh(rng, 9, seed % 3 == 0 ? 0.0f : 0.3f, points, mesh);
    AddLatticeSoup(rng, 40, points, mesh);
    AddSlivers(rng, points, mesh);
    std::shuffle(mesh.begin(), mesh.end(), rng);
    ExpectGridMatchesPlainSearch(points, mesh, QueryPoints(rng, points, mesh));
  }
}

TEST(TriangleGridTest, FindsTrianglesThatPassAnUlpOutsideTheirBox) {
  // Rounding lets InsideTriangle pass one ulp to the right of each triangle's rightmost corner.
  const PointList points = {{-62.7479591f, -22.4178467f, 0}, {-30.8878555f, 33.9492035f, 0},
                            {-20.6465073f, 87.1078186f, 0},  {-59.1095505f, -11.3094177f, 0},
                            {75.6234894f, -54.0845566f, 0},  {-94.5224838f, 6.88278961f, 0},
                            {-71.9226074f, 87.8255615f, 0},  {-60.3797035f, 55.6778412f, 0},
                            {60.1489258f, 43.1941071f, 0}};
  const std::vector<std::pair<double, double>> queries = {{-20.646507263183587, 87.107818603515639},
                                                          {75.623489379882827, -54.084556579589844},
                                                          {60.148925781250014, 43.194107055664062}};
  for (std::size_t k = 0; k < queries.size(); ++k) {
    const auto corner = static_cast<PointIndex>(3 * k);
    const TriangleList mesh = {Triangle(corner, corner + 1, corner + 2)};
    const auto [x, y] = queries[k];
    ASSERT_EQ(FindTriangle(points, mesh, x, y), 0) << k;
    EXPECT_EQ(TriangleGrid(points, mesh).Find(x, y), 0) << k;
  }
}

TEST(TriangleGridTest, FindsTheSameTriangleFarFromTheOriginAndAtTinyScales) {
  for (auto [offset, scale] : {std::pair{1e6f, 1.0f}, {-3e4f, 1e-3f}, {0.0f, 1e-6f}, {5e3f, 250.0f}}) {
    SCOPED_TRACE(std::to_string(offset) + " " + std::to_string(scale));
    std::mt19937 rng(7);
    PointList points;
    TriangleList mesh;
    AddLatticeMesh(rng, 8, 0.25f, points, mesh);
    for (Points& p : points) p = {offset + p.X * scale, offset + p.Y * scale, 0};
    std::vector<std::pair<double, double>> queries = QueryPoints(rng, points, mesh);
    for (auto& [x, y] : queries) {
      if (std::abs(x) > 100 || std::abs(y) > 100) continue;  // the far and NaN ones stay
      x = offset + x * scale;
      y = offset + y * scale;
    }
    ExpectGridMatchesPlainSearch(points, mesh, queries);
  }
}

TEST(TriangleGridTest, FindsTheSameTriangleAtEveryPixelOfAFill) {
  std::mt19937 rng(3);
  PointList points;
  TriangleList mesh;
  AddLatticeMesh(rng, 12, 0.4f, points, mesh);
  PlotArea area;
  area.Left = 30.4;
  area.Right = 217.5;
  area.Bottom = 50;
  area.Top = 235.5;
  area.XMin = -0.5;
  area.XMax = 11.25;
  area.YMin = 0;
  area.YMax = 11;
  area.XScale = (area.Right - area.Left) / (area.XMax - area.XMin);
  area.YScale = (area.Top - area.Bottom) / (area.YMax - area.YMin);
  area.PictureHeight = 275;
  std::vector<std::pair<double, double>> queries;
  for (int px = 30; px <= 218; ++px) {
    for (int py = 275 - 50; py >= 275 - 236; --py) {
      queries.push_back(
          {(px - area.Left) / area.XScale + area.XMin, ((275 - py) - area.Bottom) / area.YScale + area.YMin});
    }
  }
  ExpectGridMatchesPlainSearch(points, mesh, queries);
}

}  // namespace
}  // namespace tarn::testing
