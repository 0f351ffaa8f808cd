// Drawing records store the calls' coordinates as they are.
#include <gtest/gtest.h>

#include "FakeFontMetrics.h"
#include "RecordList.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecords.h"
#include "canvas/EmfValidator.h"
#include "canvas/MetafileRecorder.h"

namespace tarn {
namespace {

using testing::FakeFontMetrics;
using testing::RecordsOfType;

TEST(RecorderGeometryTest, PolygonsUseSixteenBitPointsWhileTheyFit) {
  FakeFontMetrics metrics;
  MetafileRecorder recorder(275, 275, metrics);
  const PixelPoint small[] = {{-5, 3}, {32767, 3}, {7, -32768}};
  const PixelPoint large[] = {{0, 0}, {40000, 0}, {0, 9}};
  const PixelPoint twice[] = {{1, 1}, {1, 1}, {4, 8}, {6, 2}, {6, 2}};  // repeated points kept
  recorder.Polygon(small);
  recorder.Polygon(large);
  recorder.Polygon(twice);
  recorder.Polygon({});  // nothing to draw, nothing recorded
  const std::string bytes = recorder.Finish();
  const auto narrow = RecordsOfType(bytes, emf::kPolygon16);
  const auto wide = RecordsOfType(bytes, emf::kPolygon);
  ASSERT_EQ(narrow.size(), 2u);
  ASSERT_EQ(wide.size(), 1u);
  const EmfPoly first = ReadPoly(narrow[0].View());
  EXPECT_EQ(first.Points, std::vector<PixelPoint>(std::begin(small), std::end(small)));
  EXPECT_EQ(first.Bounds, (PixelBox{-5, -32768, 32767, 3}));
  EXPECT_EQ(narrow[0].Bytes.size(), 28u + 12u);
  EXPECT_EQ(ReadPoly(wide[0].View()).Points, std::vector<PixelPoint>(std::begin(large), std::end(large)));
  EXPECT_EQ(ReadPoly(narrow[1].View()).Points.size(), 5u);
  EXPECT_NO_THROW(ValidateEmf(bytes));
}

// A polygon on one pixel paints nothing with a pen of at most a pixel, so it is not recorded;
// a wider pen paints a dot there, and two pixels make a line.
TEST(RecorderGeometryTest, OnePixelPolygonsAreLeftOutWhereTheyPaintNothing) {
  const PixelPoint dot[] = {{9, 4}, {9, 4}, {9, 4}, {9, 4}};
  const PixelPoint dash[] = {{9, 4}, {9, 4}, {10, 4}};
  struct Case {
    PenStyle Style;
    int Width;
    std::span<const PixelPoint> Points;
    std::size_t Recorded;
  };
  const Case cases[] = {
      {PenStyle::Solid, 1, dot, 0}, {PenStyle::Solid, 0, dot, 0}, {PenStyle::Dash, 1, dot, 0},
      {PenStyle::Clear, 5, dot, 0}, {PenStyle::Solid, 3, dot, 1}, {PenStyle::Solid, 1, dash, 1},
  };
  for (const Case& c : cases) {
    FakeFontMetrics metrics;
    MetafileRecorder recorder(20, 20, metrics, true);
    recorder.SetPenStyle(c.Style);
    recorder.SetPenWidth(c.Width);
    recorder.SetBrushColor(MakeColor(200, 0, 0));
    recorder.Polygon(c.Points);
    const std::string bytes = recorder.Finish();
    SCOPED_TRACE(::testing::Message() << "width " << c.Width << ", " << c.Points.size() << " points");
    EXPECT_EQ(RecordsOfType(bytes, emf::kPolygon16).size(), c.Recorded);
    EXPECT_EQ(RecordsOfType(bytes, emf::kSelectObject).empty(), c.Recorded == 0) << "objects made only for a drawing";
  }
}

TEST(RecorderGeometryTest, LinesPixelsAndBoxesKeepTheirCoordinates) {
  FakeFontMetrics metrics;
  MetafileRecorder recorder(275, 275, metrics);
  recorder.MoveTo(-3, 400);
  recorder.LineTo(12, -7);
  recorder.Ellipse(50, 60, 40, 30);
  recorder.SetPixel(4, 5, MakeColor(1, 2, 3));
  const std::string bytes = recorder.Finish();
  const auto first = [&](std::uint32_t type) { return RecordsOfType(bytes, type).at(0); };
  EXPECT_EQ(ReadPoint(first(emf::kMoveToEx).View(), 8), (PixelPoint{-3, 400}));
  EXPECT_EQ(ReadPoint(first(emf::kLineTo).View(), 8), (PixelPoint{12, -7}));
  EXPECT_EQ(ReadBox(first(emf::kEllipse).View(), 8), (PixelBox{50, 60, 40, 30}));
  const testing::RecordCopy pixel = first(emf::kSetPixelV);
  EXPECT_EQ(ReadPoint(pixel.View(), 8), (PixelPoint{4, 5}));
  EXPECT_EQ(pixel.View().U32(16), 0x00030201u);
}

}  // namespace
}  // namespace tarn
