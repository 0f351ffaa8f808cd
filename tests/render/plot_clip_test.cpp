// Drawings kept inside the plot rectangle: the clipping itself, and the contour bands, lines
// and mesh edges of a typed range narrower than the data.
#include <gtest/gtest.h>

#include <sstream>

#include "ContourTestBed.h"
#include "render/ContourBands.h"
#include "render/MeshDrawing.h"
#include "render/PlotClip.h"

namespace tarn {
namespace {

using testing::ContourTestBed;
using Points2 = std::vector<PixelPoint>;

const PixelRect kRect{10, 10, 110, 110};

struct PolygonCase {
  const char* Name;
  Points2 In;
  bool Clipped;
  Points2 Out;
};

class PolygonClipping : public ::testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonClipping, KeepsThePartInsideTheRectangle) {
  Points2 out;
  EXPECT_EQ(ClipPolygon(GetParam().In, kRect, out), GetParam().Clipped);
  if (GetParam().Clipped) {
    EXPECT_EQ(out, GetParam().Out);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PolygonClipping,
    ::testing::Values(PolygonCase{"Inside", {{10, 10}, {110, 10}, {60, 110}}, false, {}},
                      PolygonCase{"CutOnTheRight", {{60, 20}, {160, 20}, {160, 60}, {60, 60}}, true,
                                  {{60, 20}, {110, 20}, {110, 60}, {60, 60}}},
                      // The long side leaves through the corner (110, 110), met once from each edge.
                      PolygonCase{"CornerCut", {{100, 100}, {120, 100}, {100, 120}}, true,
                                  {{100, 110}, {100, 100}, {110, 100}, {110, 110}, {110, 110}}},
                      PolygonCase{"AllOutside", {{200, 200}, {300, 200}, {250, 300}}, true, {}}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(ClippedLines, CutLinesAtTheEdgesAndStartAgainWhereTheyComeBack) {
  testing::CallLogCanvas canvas;
  ClippedLines lines(canvas, kRect);
  lines.MoveTo({0, 50});     // outside: nothing yet
  lines.LineTo({50, 50});    // enters at the left edge
  lines.LineTo({150, 50});   // leaves at the right edge
  lines.LineTo({150, 90});   // all outside
  lines.LineTo({60, 90});    // comes back in
  lines.LineTo({60, 100});
  std::vector<std::string> moves;
  for (const std::string& call : canvas.Calls()) moves.push_back(call.substr(0, call.find(" pen")));
  EXPECT_EQ(moves, (std::vector<std::string>{"MoveTo 10 50", "LineTo 50 50", "LineTo 110 50", "MoveTo 110 90",
                                             "LineTo 60 90", "LineTo 60 100"}));
}

// The points of every drawing call of a log, as "x,y" pairs.
std::vector<PixelPoint> RecordedPoints(const testing::CallLogCanvas& canvas) {
  std::vector<PixelPoint> points;
  for (const std::string& call : canvas.Calls()) {
    std::istringstream words(call);
    std::string word;
    words >> word;
    if (word == "MoveTo" || word == "LineTo") {
      PixelPoint p;
      words >> p.X >> p.Y;
      points.push_back(p);
    } else if (word == "Polygon") {
      while (words >> word && word.find(',') != std::string::npos) {
        points.push_back({std::stoi(word), std::stoi(word.substr(word.find(',') + 1))});
      }
    }
  }
  return points;
}

// A 3 x 3 lattice of samples from 0 to 10 with a sloping field, meshed by hand.
PointList Lattice() {
  PointList points;
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 3; ++i) points.push_back({static_cast<float>(5 * i), static_cast<float>(5 * j), static_cast<float>(i + 2 * j)});
  }
  return points;
}
TriangleList LatticeMesh() {
  TriangleList mesh;
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      const int a = 3 * j + i;
      mesh.push_back(testing::Triangle(a, a + 1, a + 4));
      mesh.push_back(testing::Triangle(a, a + 4, a + 3));
    }
  }
  return mesh;
}

void DrawEverything(ContourTestBed& bed, const PlotArea& area) {
  bed.Options.SetChecked(OptionCheck::ShowLine, true);
  DrawContourBands(bed.Ctx, Lattice(), LatticeMesh(), 0, 6, area, 0.5);
  DrawMesh(bed.Ctx, Lattice(), LatticeMesh(), area);
}

TEST(PlotClipping, BandsLinesAndMeshOfANarrowRangeStayInsideThePlot) {
  PlotArea narrow = testing::HandArea();  // data 0..10 shown as 2..6 by 1..4
  narrow.XMin = 2;
  narrow.XScale = 100.0 / 4;
  narrow.YMin = 1;
  narrow.YScale = 100.0 / 3;
  ContourTestBed bed;
  DrawEverything(bed, narrow);
  const PixelRect rect = PlotRectangle(narrow);
  const std::vector<PixelPoint> points = RecordedPoints(bed.Canvas);
  ASSERT_GT(points.size(), 50u);
  for (const PixelPoint& p : points) EXPECT_TRUE(rect.Contains(p)) << p.X << "," << p.Y;
}

TEST(PlotClipping, ChangesNothingWhenTheDataFillThePlot) {
  ContourTestBed clipped, unclipped;
  unclipped.Ctx.ClipToPlot = false;
  DrawEverything(clipped, testing::HandArea());
  DrawEverything(unclipped, testing::HandArea());
  EXPECT_EQ(clipped.Canvas.Calls(), unclipped.Canvas.Calls());
  EXPECT_GT(clipped.Canvas.Calls().size(), 50u);
}

}  // namespace
}  // namespace tarn
