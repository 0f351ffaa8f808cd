#include "app/ValueReadout.h"

#include <gtest/gtest.h>

#include "render/ContourPixels.h"
#include "render/MarginSearch.h"

namespace tarn {
namespace {

// The plot of a 275 x 275 picture at margin 30 over x, y in 0 .. 10: the frame runs from
// column 30 to 215 (275 + 30 - 90) and from row 40 (275 - 235) to row 225 (275 - 50), so one
// unit is 18.5 pixels each way.
PlotArea TenByTenPlot() { return AreaForMargin(30, 275, 275, {0, 10}, {0, 10}); }

TEST(ValueReadoutTest, PixelsOnTheFrameMapToTheRangeAndOnePastItToNothing) {
  const PlotArea plot = TenByTenPlot();
  struct Row {
    const char* Name;
    int Px, Py;
    std::optional<std::pair<double, double>> Expected;
  };
  const Row rows[] = {
      {"top left corner", 30, 40, std::pair{0.0, 10.0}},
      {"bottom right corner", 215, 225, std::pair{10.0, 0.0}},
      {"92 pixels right of the left edge, 93 above the bottom", 122, 132, std::pair{92 / 18.5, 93 / 18.5}},
      {"one left of the frame", 29, 100, std::nullopt},
      {"one right of the frame", 216, 100, std::nullopt},
      {"one above the frame", 100, 39, std::nullopt},
      {"one below the frame", 100, 226, std::nullopt},
  };
  for (const Row& row : rows) {
    const std::optional<Readout> at = PixelToData(plot, row.Px, row.Py);
    ASSERT_EQ(at.has_value(), row.Expected.has_value()) << row.Name;
    if (!at) continue;
    EXPECT_NEAR(at->X, row.Expected->first, 1e-12) << row.Name;
    EXPECT_NEAR(at->Y, row.Expected->second, 1e-12) << row.Name;
  }
  // Hundredths, the power of ten a pixel (1 / 18.5) spans; the value to six digits.
  EXPECT_EQ(ReadoutText({3.14159, 2.71828, std::nullopt}, plot), "X = 3.14   Y = 2.72");
  EXPECT_EQ(ReadoutText({3.14159, 2.71828, 0.123456789}, plot), "X = 3.14   Y = 2.72   値 = 0.123457");
}

// Four samples on the square's corners, each of the two triangles a plane of its own:
//   A (0, 1, 2): v = 1 + 0.2 x + 0.6 y        B (1, 3, 2): v = 8 - 0.5 x - 0.1 y
TEST(ValueReadoutTest, TheValueIsThePlaneOfTheTriangleUnderThePixel) {
  Document doc;
  doc.DataPoints = {{0, 0, 1}, {10, 0, 3}, {0, 10, 7}, {10, 10, 2}};
  doc.Mesh = {{0, 1, 2, 0, 0, 0}, {1, 3, 2, 0, 0, 0}};
  doc.PlotOfPicture = TenByTenPlot();
  ValueReadout readout;
  // Pixels on both sides of the diagonal x + y = 10, and on the sample (10, 10, 2).
  for (const auto& [px, py] : {std::pair{60, 200}, std::pair{100, 60}, std::pair{180, 180}, std::pair{215, 40}}) {
    const std::optional<Readout> at = readout.At(doc, px, py, true);
    ASSERT_TRUE(at && at->Value) << px << "," << py;
    const double x = at->X, y = at->Y;
    EXPECT_NEAR(*at->Value, x + y <= 10 ? 1 + 0.2 * x + 0.6 * y : 8 - 0.5 * x - 0.1 * y, 1e-9) << px << "," << py;
  }
  EXPECT_FALSE(readout.At(doc, 20, 100, true)) << "left of the plot";

  // Without triangle B its half has no value and shows nothing; a scatter picture (no value
  // wanted) still shows the point there.
  doc.Mesh.pop_back();
  readout.DataChanged();
  EXPECT_FALSE(readout.At(doc, 180, 180, true));
  EXPECT_TRUE(readout.At(doc, 180, 180, false));
  // Another mesh, even unannounced (its size tells), is indexed again: the other diagonal's
  // lower triangle through (0,0,1), (10,0,3), (10,10,2) is v = 1 + 0.2 x - 0.1 y.
  doc.Mesh = {{0, 1, 3, 0, 0, 0}, {0, 3, 2, 0, 0, 0}};
  const Readout lower = *readout.At(doc, 180, 180, true);
  EXPECT_NEAR(*lower.Value, 1 + 0.2 * lower.X - 0.1 * lower.Y, 1e-9);
  // A mesh that no longer fits the points gives nothing; no plot kept, nothing at all.
  doc.Mesh = {{0, 1, 7, 0, 0, 0}};
  readout.DataChanged();
  EXPECT_FALSE(readout.At(doc, 60, 200, true));
  doc.PlotOfPicture.reset();
  EXPECT_FALSE(readout.At(doc, 60, 200, false));
}

// On a grid of 708 x 708 samples (999 698 triangles) of the saddle v = x y / 708, every answer
// is the plane of the last triangle that holds the point, as testing every triangle finds it.
TEST(ValueReadoutTest, AgreesWithTestingEveryTriangleOnAMillionTriangles) {
  constexpr int kSide = 708;
  Document doc;
  for (int j = 0; j < kSide; ++j) {
    for (int i = 0; i < kSide; ++i) {
      const auto x = static_cast<float>(i), y = static_cast<float>(j);
      doc.DataPoints.push_back({x, y, x * y / kSide});
    }
  }
  for (int j = 0; j + 1 < kSide; ++j) {
    for (int i = 0; i + 1 < kSide; ++i) {
      const PointIndex p = j * kSide + i;
      doc.Mesh.push_back({p, p + 1, p + kSide + 1, 0, 0, 0});
      doc.Mesh.push_back({p, p + kSide + 1, p + kSide, 0, 0, 0});
    }
  }
  doc.PlotOfPicture = AreaForMargin(80, 2000, 1500, {0, kSide - 1}, {0, kSide - 1});
  ValueReadout readout;
  for (int k = 0; k < 12; ++k) {
    const int px = 80 + 157 * k, py = 60 + 113 * k;
    const std::optional<Readout> at = readout.At(doc, px, py, true);
    ASSERT_TRUE(at && at->Value) << px << "," << py;
    const TriangleIndex last = FindTriangle(doc.DataPoints, doc.Mesh, at->X, at->Y);
    ASSERT_NE(last, kNoTriangle);
    EXPECT_EQ(*at->Value, PlaneValue(doc.DataPoints, doc.Mesh[static_cast<std::size_t>(last)], at->X, at->Y));
  }
}

}  // namespace
}  // namespace tarn
