// Series, markers and the legend as canvas calls.
#include <gtest/gtest.h>

#include "render/MarginSearch.h"
#include "scatter/ScatterDrawing.h"
#include "support/CallLogCanvas.h"

namespace tarn {
namespace {

using testing::CallLogCanvas;

constexpr ScatterColorsInUse kColors{MakeColor(255, 255, 255), MakeColor(0, 0, 0)};

struct MarkerCase {
  MarkerType Type;
  const char* Call;
};

class Markers : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(Markers, HaveTheShapesOfTheTable) {
  CallLogCanvas canvas;
  DrawMarker(canvas, 100, 50, GetParam().Type, 4);
  ASSERT_EQ(canvas.Calls().size(), 1u);
  EXPECT_EQ(canvas.Calls()[0].substr(0, canvas.Calls()[0].find(" brush")), GetParam().Call);
}

INSTANTIATE_TEST_SUITE_P(Shapes, Markers,
                         ::testing::Values(MarkerCase{MarkerType::Circle, "Ellipse 96 46 104 54"},
                                           MarkerCase{MarkerType::Rectangle, "Rectangle 96 46 104 54"},
                                           MarkerCase{MarkerType::Triangle, "Polygon 96,54 100,46 104,54"},
                                           MarkerCase{MarkerType::VTriangle, "Polygon 96,46 100,54 104,46"},
                                           MarkerCase{MarkerType::Diamond, "Polygon 100,46 96,50 100,54 104,50"}));

// Data 0..10 on both axes over a 100 x 100 plot at (10, 10) of a 120-pixel-high picture.
PlotArea TenByTen() { return AreaForMargin(30, 150, 150, {0, 10}, {0, 10}); }

// The canvas calls of one series (y from column 1) over a table given as text.
std::vector<std::string> DrawnCalls(const char* table, const GSeries& series, bool clip = true) {
  CellTable cells;
  cells.Fill(TextLines(std::string(table)));
  CellValues values(cells);
  CallLogCanvas canvas;
  DrawSeries(canvas, series, TenByTen(), values, kColors, clip);
  return canvas.Calls();
}

GSeries YFromColumnOne() {
  GSeries s;
  s.YCol = 1;
  return s;
}

struct SeriesCase {
  const char* Name;
  PlotType Type;
  int Start, End;
  std::vector<std::string> Calls;  // call names only
};

class SeriesDrawing : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesDrawing, PutsEachMarkerBeforeTheSegmentEndingAtIt) {
  GSeries s = YFromColumnOne();
  s.PlotType = GetParam().Type;
  s.DataStartLine = GetParam().Start;
  s.DataEndLine = GetParam().End;
  std::vector<std::string> names;
  for (const std::string& call : DrawnCalls("0\t0\n5\t10\n10\t5\n", s)) names.push_back(call.substr(0, call.find(' ')));
  EXPECT_EQ(names, GetParam().Calls);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, SeriesDrawing,
    ::testing::Values(SeriesCase{"LineAndMarker", PlotType::LineAndMarker, 0, 2,
                                 {"MoveTo", "Ellipse", "Ellipse", "LineTo", "Ellipse", "LineTo"}},
                      SeriesCase{"LineOnly", PlotType::Line, 0, 2, {"MoveTo", "LineTo", "LineTo"}},
                      SeriesCase{"MarkersOnly", PlotType::Marker, 1, 2, {"MoveTo", "Ellipse", "Ellipse"}},
                      SeriesCase{"EndBeforeStart", PlotType::LineAndMarker, 2, 0, {"MoveTo", "Ellipse"}},
                      SeriesCase{"EndBeforeStartLineOnly", PlotType::Line, 2, 1, {"MoveTo"}}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(SeriesDrawing, MapsRowsToPixelsWithTheSeriesPenAndBrush) {
  GSeries s = YFromColumnOne();
  s.DataStartLine = 1;
  s.DataEndLine = 2;
  s.Color = MakeColor(255, 0, 0);
  s.LineWidth = 2;
  s.MarkSize = 2;
  s.MarkerType = MarkerType::Rectangle;
  s.Brushing = false;
  const PlotArea area = TenByTen();
  const int x0 = area.DataToPixelX(0), y0 = area.DataToPixelY(0), x1 = area.DataToPixelX(5), y1 = area.DataToPixelY(10);
  const std::string tail = " brush=ffffff pen=ff0000 w=2 mode=copy";
  EXPECT_EQ(DrawnCalls("x\ty\n0\t0\n5\t10\n", s), (std::vector<std::string>{
                                "MoveTo " + std::to_string(x0) + " " + std::to_string(y0),
                                "Rectangle " + std::to_string(x0 - 2) + " " + std::to_string(y0 - 2) + " " +
                                    std::to_string(x0 + 2) + " " + std::to_string(y0 + 2) + tail,
                                "Rectangle " + std::to_string(x1 - 2) + " " + std::to_string(y1 - 2) + " " +
                                    std::to_string(x1 + 2) + " " + std::to_string(y1 + 2) + tail,
                                "LineTo " + std::to_string(x1) + " " + std::to_string(y1) + " pen=ff0000 w=2 mode=copy",
                            }));
}

TEST(SeriesDrawing, KeepsPointsFarOutsideInsideThePlotOrAtLeastInMetafileCoordinates) {
  GSeries s = YFromColumnOne();
  // Clipped: the far marker is left out and the line ends on the plot's edge (column 100 of
  // the 150-pixel picture whose plot runs from 30 to 90 + 30 - 30).
  EXPECT_EQ(DrawnCalls("0\t0\n1e300\t-1e300\n", s),
            (std::vector<std::string>{"MoveTo 30 100", "Ellipse 27 97 33 103 brush=000000 pen=000000 w=1 mode=copy",
                                      "LineTo 30 100 pen=000000 w=1 mode=copy"}));
  s.MarkSize = 2147483647;
  const std::vector<std::string> calls = DrawnCalls("0\t0\n1e300\t-1e300\n", s, false);
  EXPECT_EQ(calls[2].substr(0, calls[2].find(" brush")), "Ellipse 2147483647 2147483647 2147483647 2147483647");
  EXPECT_EQ(calls[3].substr(0, calls[3].find(" pen")), "LineTo 2147483647 2147483647");
  EXPECT_EQ(calls[1].substr(0, 20), "Ellipse -2147483617 ");
}

TEST(Legend, MeasuresAllNamesButRowsOnlyForShownSeries) {
  SeriesList series(3);
  series[0].Name = "ab";
  series[1].Name = "hidden name";
  series[1].ShowInGraph = false;
  series[2].Name = "c";
  CallLogCanvas canvas(6, 12);
  const LegendSize size = MeasureLegend(canvas, series);
  EXPECT_EQ(size.Width, 11 * 6 + 26);
  EXPECT_EQ(size.Height, 2 + 2 * 14);
  EXPECT_EQ(MeasureLegend(canvas, {}).Width, 0);
}

TEST(Legend, DrawsTheBoxThenALineSampleMarkerAndNamePerShownSeries) {
  SeriesList series(3);
  series[0].Name = "ab";
  series[0].Color = MakeColor(255, 0, 0);
  series[0].LineWidth = 3;
  series[1].ShowInGraph = false;
  series[2].Name = "c";
  series[2].PlotType = PlotType::Marker;
  series[2].MarkerType = MarkerType::Diamond;
  series[2].MarkSize = 2;
  CallLogCanvas canvas(6, 12);
  DrawLegend(canvas, series, {60, 30}, 100, 20, kColors);
  // Rows of 14 pixels: centres at 20 + 7 + 1 = 28 and 42.
  EXPECT_EQ(canvas.Calls(), (std::vector<std::string>{
                                "Rectangle 100 20 160 50 brush=ffffff pen=000000 w=1 mode=copy",
                                "MoveTo 102 28",
                                "LineTo 122 28 pen=ff0000 w=3 mode=copy",
                                "Ellipse 109 25 115 31 brush=ff0000 pen=ff0000 w=3 mode=copy",
                                "TextOut 124 22 \"ab\" color=000000 esc=0 brush=ffffff",
                                "MoveTo 102 42",
                                "Polygon 112,40 110,42 112,44 114,42 brush=000000 pen=000000 w=1 mode=copy",
                                "TextOut 124 36 \"c\" color=000000 esc=0 brush=ffffff",
                            }));
}

}  // namespace
}  // namespace tarn
