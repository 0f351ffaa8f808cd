#include "render/ContourBands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/ContourTestBed.h"

namespace tarn::testing {
namespace {

using Calls = std::vector<std::string>;

const std::string kLabel = "メタ形式で等高線を作図中です・・・・・・・";

// A(0, 0), B(10, 0), C(0, 10): pixels A (10, 110), B (110, 110), C (10, 10).
PointList RightTriangle(float vA, float vB, float vC) { return {{0, 0, vA}, {10, 0, vB}, {0, 10, vC}}; }

const TriangleList kOneTriangle = {Triangle(0, 1, 2)};

TEST(ContourBandsTest, EdgeFractionIsLinearAndTwoOnAFlatEdge) {
  const Points a{0, 0, 1}, b{1, 0, 5}, flat{1, 0, 1};
  EXPECT_EQ(EdgeFraction(a, b, 3), 0.5);
  EXPECT_EQ(EdgeFraction(b, a, 2), 0.75);
  EXPECT_EQ(EdgeFraction(a, b, 9), 2.0);  // beyond b: the same 2 that a flat edge gives
  EXPECT_EQ(EdgeFraction(a, flat, 1), 2.0);
  EXPECT_EQ(EdgeFraction(a, flat, 7), 2.0);
}

TEST(ContourBandsTest, TriangleInsideOneBandIsOnePentagonMMOHH) {
  ContourTestBed bed;
  // m = A, o = B, h = C; the band 0..1 takes the colour of 1, the top of the scale: red.
  DrawContourBands(bed.Ctx, RightTriangle(0.2f, 0.3f, 0.5f), kOneTriangle, 0, 1, HandArea(), 1);
  EXPECT_EQ(bed.Canvas.Calls(),
            (Calls{"Polygon 10,110 10,110 110,110 10,10 10,10 brush=ff0000 pen=ff0000 w=1 mode=copy"}));
  EXPECT_EQ(bed.Ui.ProgressCalls,
            (Calls{"ShowProgress " + kLabel + " 0 1", "SetProgressPosition 0", "ProcessMessages", "HideProgress"}));
  EXPECT_EQ(bed.Canvas.CurrentPen().PenColor, kBlack);  // BDColor after every triangle
  EXPECT_FALSE(bed.MeshOutdated);
}

TEST(ContourBandsTest, ZeroOneTwoGivesTwoPentagonsMeetingAtTheMidpointOfAC) {
  ContourTestBed bed;
  // m = A, o = B, h = C. Level 1 runs from the midpoint of A-C (0, 5) -> (10, 60) to B.
  DrawContourBands(bed.Ctx, RightTriangle(0, 1, 2), kOneTriangle, 0, 2, HandArea(), 1);
  EXPECT_EQ(bed.Canvas.Calls(),
            (Calls{"Polygon 10,110 10,110 110,110 110,110 10,60 brush=00ff00 pen=00ff00 w=1 mode=copy",
                   "Polygon 10,60 110,110 110,110 10,10 10,10 brush=ff0000 pen=ff0000 w=1 mode=copy"}));
}

TEST(ContourBandsTest, FlatTriangleIsSkippedOnALevelAndFilledWholeBetweenLevels) {
  ContourTestBed bed;
  DrawContourBands(bed.Ctx, RightTriangle(0, 0, 0), kOneTriangle, 0, 1, HandArea(), 0.1);
  EXPECT_TRUE(bed.Canvas.Calls().empty());

  // One band; the polygon C, C, B, A, A covers the whole triangle. Gray: Round(240 x 0.1) = 24.
  bed.Options.ChooseColorScheme(ColorScheme::GrayColor);
  DrawContourBands(bed.Ctx, RightTriangle(0.05f, 0.05f, 0.05f), kOneTriangle, 0, 1, HandArea(), 0.1);
  EXPECT_EQ(bed.Canvas.Calls(),
            (Calls{"Polygon 10,10 10,10 110,110 10,110 10,110 brush=181818 pen=181818 w=1 mode=copy"}));
}

TEST(ContourBandsTest, QuadsBelowAndAboveTheMiddleCornerAndAPentagonAroundIt) {
  ContourTestBed bed;
  bed.Options.ChooseColorScheme(ColorScheme::GrayColor);  // levels 1, 2, 3 on 0..3: 80, 160, 240
  DrawContourBands(bed.Ctx, RightTriangle(0, 1.5f, 3), kOneTriangle, 0, 3, HandArea(), 1);
  // Level 1: long point at 1/3 of A-C (0, 3.33) -> (10, 77); short at 2/3 of A-B (6.67, 0) -> (77, 110).
  // Level 2: long at 2/3 of A-C -> (10, 43); short past o, 1/3 of B-C (6.67, 3.33) -> (77, 77).
  // Level 3: both at C.
  EXPECT_EQ(bed.Canvas.Calls(), (Calls{"Polygon 10,110 10,110 77,110 10,77 brush=505050 pen=505050 w=1 mode=copy",
                                       "Polygon 10,77 77,110 110,110 77,77 10,43 brush=a0a0a0 pen=a0a0a0 w=1 mode=copy",
                                       "Polygon 10,43 77,77 10,10 10,10 brush=f0f0f0 pen=f0f0f0 w=1 mode=copy"}));
}

TEST(ContourBandsTest, LevelsOnTheLowAndHighCornersStartAndEndTheBands) {
  ContourTestBed bed;
  bed.Options.ChooseColorScheme(ColorScheme::GrayColor);
  // vlo = 1 is level 1, so band 0 is not drawn; vhi = 3 is level 3, so band 2 is the last.
  DrawContourBands(bed.Ctx, RightTriangle(1, 1.5f, 3), kOneTriangle, 0, 3, HandArea(), 1);
  const Calls polygons = bed.Canvas.CallsStartingWith("Polygon");
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(polygons[0].substr(0, 26), "Polygon 10,110 10,110 110,");  // starts at m = A
  EXPECT_NE(polygons[0].find("brush=a0a0a0"), std::string::npos);      // band 1, colour of level 2
  EXPECT_NE(polygons[1].find("brush=f0f0f0"), std::string::npos);      // band 2, colour of level 3
}

TEST(ContourBandsTest, BandsOutsideTheValueRangeTakeTheEndColours) {
  ContourTestBed bed;
  const PointList points = {{0, 0, 2}, {10, 0, 3}, {0, 10, 4}, {0, 0, -3}, {10, 0, -2}, {0, 10, -1}};
  DrawContourBands(bed.Ctx, points, {Triangle(0, 1, 2), Triangle(3, 4, 5)}, 0, 1, HandArea(), 1);
  const Calls polygons = bed.Canvas.CallsStartingWith("Polygon");
  ASSERT_EQ(polygons.size(), 4u);
  for (int k : {0, 1}) EXPECT_NE(polygons[k].find("brush=ff0000 pen=ff0000"), std::string::npos) << k;
  for (int k : {2, 3}) EXPECT_NE(polygons[k].find("brush=0000ff pen=0000ff"), std::string::npos) << k;
}

TEST(ContourBandsTest, InvertedLinesWithoutFillInvertEachLevelOnce) {
  ContourTestBed bed;
  bed.Options.ChooseFillStyle(FillStyle::NotPaint);  // ticks ShowLine
  bed.Options.SetLineColorIndex(static_cast<int>(LineColor::Reverse));
  DrawContourBands(bed.Ctx, RightTriangle(0, 1, 2), kOneTriangle, 0, 2, HandArea(), 1);
  // Level 1 from its long point (the midpoint of A-C) to its short point B; the levels 0 and 2
  // only touch the corners A and C and draw nothing. Drawn once, the inverted line shows.
  EXPECT_EQ(bed.Canvas.Calls(), (Calls{"MoveTo 10 60", "LineTo 110 110 pen=ff0000 w=1 mode=not"}));
  EXPECT_EQ(bed.Canvas.CurrentPen().Mode, PenMode::Copy);
}

TEST(ContourBandsTest, FilledBandsWithLinesInTheBandColourDrawEveryFillBeforeTheLines) {
  ContourTestBed bed;
  bed.Options.SetChecked(OptionCheck::ShowLine, true);
  bed.Options.SetLineColorIndex(static_cast<int>(LineColor::Standard));
  bed.Options.SetColor(OptionColor::BDColor, MakeColor(1, 2, 3));
  DrawContourBands(bed.Ctx, RightTriangle(0, 1, 2), kOneTriangle, 0, 2, HandArea(), 1);
  EXPECT_EQ(
      bed.Canvas.Calls(),
      (Calls{"Polygon 10,110 10,110 110,110 110,110 10,60 brush=00ff00 pen=00ff00 w=1 mode=copy",
             "Polygon 10,60 110,110 110,110 10,10 10,10 brush=ff0000 pen=ff0000 w=1 mode=copy", "MoveTo 10 60",
             "LineTo 110 110 pen=ff0000 w=1 mode=copy"}));
  EXPECT_EQ(bed.Canvas.CurrentPen().PenColor, MakeColor(1, 2, 3));
}

// Four triangles of one band each, one polygon per triangle.
PointList FourTriangles() {
  PointList points;
  for (int k = 0; k < 4; ++k) {
    const auto x = static_cast<float>(2 * k);
    points.push_back({x, 0, 0.1f});
    points.push_back({x + 1, 0, 0.2f});
    points.push_back({x, 1, 0.3f});
  }
  return points;
}
const TriangleList kFour = {Triangle(0, 1, 2), Triangle(3, 4, 5), Triangle(6, 7, 8), Triangle(9, 10, 11)};

TEST(ContourBandsTest, CancelAfterSecondTriangleKeepsItsPolygonsAndMarksTheMeshOutdated) {
  ContourTestBed bed;
  bed.CancelAtPump(2);
  DrawContourBands(bed.Ctx, FourTriangles(), kFour, 0, 1, HandArea(), 1);
  const Calls polygons = bed.Canvas.CallsStartingWith("Polygon");
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(polygons[0].substr(0, 15), "Polygon 10,110 ");  // triangle 0 at x = 0
  EXPECT_EQ(polygons[1].substr(0, 15), "Polygon 30,110 ");  // triangle 1 at x = 2
  EXPECT_TRUE(bed.MeshOutdated);
  EXPECT_FALSE(bed.CancelRequested);
  EXPECT_EQ(bed.Ui.ProgressCalls, (Calls{"ShowProgress " + kLabel + " 0 4", "SetProgressPosition 0", "ProcessMessages",
                                         "SetProgressPosition 1", "ProcessMessages", "HideProgress"}));
}

TEST(ContourBandsTest, ARequestLeftFromBeforeIsClearedAtTheStart) {
  ContourTestBed bed;
  bed.CancelRequested = true;  // as a cancelled per-pixel fill leaves it
  DrawContourBands(bed.Ctx, FourTriangles(), kFour, 0, 1, HandArea(), 1);
  EXPECT_EQ(bed.Canvas.CallsStartingWith("Polygon").size(), 4u);
  EXPECT_FALSE(bed.CancelRequested);
  EXPECT_FALSE(bed.MeshOutdated);
}

TEST(ContourBandsTest, AStepThatIsNotPositiveIsReportedOnceAndNothingIsDrawn) {
  for (double s : {0.0, -0.5, std::nan(""), double{INFINITY}}) {
    ContourTestBed bed;
    DrawContourBands(bed.Ctx, FourTriangles(), kFour, 0, 1, HandArea(), s);
    EXPECT_EQ(bed.Ui.Messages, (std::vector<ShownMessage>{{MessageKind::Warning, "等高線の間隔が不正です"}})) << s;
    EXPECT_TRUE(bed.Canvas.Calls().empty()) << s;
    EXPECT_TRUE(bed.Ui.ProgressCalls.empty()) << s;
  }
}

TEST(ContourBandsTest, AStepGivingMoreThanAMillionBandsIsReportedOnceAndNothingIsDrawn) {
  // Values 0.1 .. 0.3 with s = 1e-7: two million bands.
  ContourTestBed bed;
  DrawContourBands(bed.Ctx, FourTriangles(), kFour, 0, 1, HandArea(), 1e-7);
  EXPECT_EQ(bed.Ui.Messages, (std::vector<ShownMessage>{{MessageKind::Warning, "等高線の間隔が小さすぎます"}}));
  EXPECT_TRUE(bed.Canvas.Calls().empty());

  // Huge values with a sensible-looking step: the band numbers themselves would overflow.
  ContourTestBed huge;
  const PointList points = {{0, 0, 1e30f}, {1, 0, 1e30f}, {0, 1, 1e30f}};
  DrawContourBands(huge.Ctx, points, kOneTriangle, 0, 1, HandArea(), 1e-3);
  EXPECT_EQ(huge.Ui.Messages.size(), 1u);
  EXPECT_TRUE(huge.Canvas.Calls().empty());
}

}  // namespace
}  // namespace tarn::testing
