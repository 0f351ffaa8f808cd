// Text as the player draws it: in its cell, on an opaque background when asked, turned
// upwards for escapement 900, in the installed Japanese gothic face.
#include <gtest/gtest.h>

#include "PlatformTestSupport.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

using testing::DrawAndPlay;
using testing::FindInk;
using testing::InkBox;

const Color kYellow = MakeColor(255, 255, 0);

int CountColor(const Bitmap24& bitmap, Color color) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

struct CellSize {
  int Width, Height;
};

CellSize Measure(const std::string& text) {
  QtFontMetrics metrics;
  return CellSize{metrics.TextWidth(FontChoice{}, text), metrics.TextHeight(FontChoice{}, text)};
}

TEST(PlayerTextTest, TransparentTextInksOnlyInsideItsCell) {
  const CellSize cell = Measure("Ag温度");
  const Bitmap24 bitmap = DrawAndPlay(120, 60, [](Canvas& c) {
    c.SetBrushStyle(BrushStyle::Clear);
    c.TextOut(10, 20, "Ag温度");
  });
  const InkBox ink = FindInk(bitmap, kWhite);
  EXPECT_GT(CountColor(bitmap, kBlack), 40);
  EXPECT_EQ(CountColor(bitmap, kBlack) + CountColor(bitmap, kWhite), 120 * 60) << "no antialiased shades";
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 20);
  EXPECT_LE(ink.Right, 10 + cell.Width - 1);
  EXPECT_LE(ink.Bottom, 20 + cell.Height - 1);
  EXPECT_GT(ink.Width(), cell.Width / 2) << "all four characters drawn";
}

TEST(PlayerTextTest, OpaqueBackgroundFillsExactlyTheCellInTheBrushColour) {
  const CellSize cell = Measure("1.5E-0003");
  const Bitmap24 bitmap = DrawAndPlay(120, 40, [](Canvas& c) {
    c.SetBrushColor(kYellow);
    c.SetFontColor(MakeColor(0, 0, 255));
    c.TextOut(7, 9, "1.5E-0003");
  });
  const InkBox ink = FindInk(bitmap, kWhite);
  EXPECT_EQ(ink.Left, 7);
  EXPECT_EQ(ink.Top, 9);
  EXPECT_EQ(ink.Width(), cell.Width);
  EXPECT_EQ(ink.Height(), cell.Height);
  EXPECT_GT(CountColor(bitmap, MakeColor(0, 0, 255)), 20) << "text in the font colour";
  EXPECT_EQ(CountColor(bitmap, kYellow) + CountColor(bitmap, MakeColor(0, 0, 255)), cell.Width * cell.Height);
}

TEST(PlayerTextTest, Escapement900TurnsTheCellUpwardsFromItsCorner) {
  const CellSize cell = Measure("縦軸 Sample");
  const Bitmap24 bitmap = DrawAndPlay(60, 160, [](Canvas& c) {
    c.SetBrushColor(kYellow);
    c.SetFontEscapement(900);
    c.TextOut(20, 130, "縦軸 Sample");
  });
  const InkBox cellInk = FindInk(bitmap, kWhite);
  EXPECT_EQ(cellInk.Left, 20);
  EXPECT_EQ(cellInk.Width(), cell.Height);
  EXPECT_EQ(cellInk.Bottom, 129);
  EXPECT_EQ(cellInk.Height(), cell.Width);
  const InkBox textInk = FindInk(DrawAndPlay(60, 160, [](Canvas& c) {
                                   c.SetBrushStyle(BrushStyle::Clear);
                                   c.SetFontEscapement(900);
                                   c.TextOut(20, 130, "縦軸 Sample");
                                 }),
                                 kWhite);
  EXPECT_GT(textInk.Height(), 2 * textInk.Width()) << "taller than wide";
}

TEST(PlayerTextTest, TextPartlyOutsideThePictureIsClipped) {
  const Bitmap24 bitmap = DrawAndPlay(30, 10, [](Canvas& c) {
    c.SetBrushColor(kYellow);
    c.TextOut(-5, -4, "Wide text running out");
    c.SetFontEscapement(900);
    c.TextOut(25, 5, "upwards");
  });
  EXPECT_GT(CountColor(bitmap, kYellow), 0);
  EXPECT_EQ(bitmap.Pixel(0, 0), kYellow);
}

}  // namespace
}  // namespace tarn
