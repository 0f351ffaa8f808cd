// Boxes, ellipses, polygons and single pixels as the player paints them.
#include <gtest/gtest.h>

#include "PlatformTestSupport.h"
#include "platform/RasterLines.h"
#include "platform/RasterShapes.h"

namespace tarn {
namespace {

using testing::DrawAndPlay;
using testing::PixelText;

const Color kRed = MakeColor(255, 0, 0);
const std::map<Color, char> kInk = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}};

void RedBrush(Canvas& c) { c.SetBrushColor(kRed); }

TEST(PlayerShapesTest, RectangleLeavesOutItsRightColumnAndBottomRow) {
  const Bitmap24 bitmap = DrawAndPlay(8, 6, [](Canvas& c) {
    RedBrush(c);
    c.Rectangle(1, 1, 6, 5);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "........\n"
            ".#####..\n"
            ".#rrr#..\n"
            ".#rrr#..\n"
            ".#####..\n"
            "........\n");
  EXPECT_EQ(DrawAndPlay(8, 6, [](Canvas& c) {
              RedBrush(c);
              c.Rectangle(6, 5, 1, 1);
            }),
            bitmap)
      << "corners in any order";
}

TEST(PlayerShapesTest, ClearPenShrinksTheFillAndEmptyBoxesPaintNothing) {
  const Bitmap24 bitmap = DrawAndPlay(8, 6, [](Canvas& c) {
    RedBrush(c);
    c.SetPenStyle(PenStyle::Clear);
    c.Rectangle(1, 1, 6, 5);
    c.SetPenStyle(PenStyle::Solid);
    c.Rectangle(7, 0, 7, 6);
    c.Ellipse(0, 5, 8, 5);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "........\n"
            ".rrrr...\n"
            ".rrrr...\n"
            ".rrrr...\n"
            "........\n"
            "........\n");
}

TEST(PlayerShapesTest, EllipseIsInscribedInTheBoxWithoutItsRightAndBottomEdges) {
  const Bitmap24 bitmap = DrawAndPlay(8, 8, [](Canvas& c) {
    RedBrush(c);
    c.Ellipse(0, 0, 7, 7);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "..###...\n"
            ".#rrr#..\n"
            "#rrrrr#.\n"
            "#rrrrr#.\n"
            "#rrrrr#.\n"
            ".#rrr#..\n"
            "..###...\n"
            "........\n");
}

TEST(PlayerShapesTest, PolygonFillsByTheAlternateRuleLeavingAHole) {
  // One outline around the square 0..10 and, through a bridge, around the square 3..7.
  const PixelPoint framed[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                               {3, 3}, {3, 7},  {7, 7},   {7, 3},  {3, 3}};
  const Bitmap24 bitmap = DrawAndPlay(11, 11, [&](Canvas& c) {
    RedBrush(c);
    c.SetPenStyle(PenStyle::Clear);
    c.Polygon(framed);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "rrrrrrrrrr.\n"
            "rrrrrrrrrr.\n"
            "rrrrrrrrrr.\n"
            "rrr....rrr.\n"
            "rrr....rrr.\n"
            "rrr....rrr.\n"
            "rrr....rrr.\n"
            "rrrrrrrrrr.\n"
            "rrrrrrrrrr.\n"
            "rrrrrrrrrr.\n"
            "...........\n");
}

TEST(PlayerShapesTest, PolygonOutlineClosesOnEveryVertex) {
  const PixelPoint triangle[] = {{1, 1}, {6, 1}, {1, 6}};
  const Bitmap24 bitmap = DrawAndPlay(8, 8, [&](Canvas& c) {
    RedBrush(c);
    c.Polygon(triangle);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "........\n"
            ".######.\n"
            ".#rrr#..\n"
            ".#rr#...\n"
            ".#r#....\n"
            ".##.....\n"
            ".#......\n"
            "........\n");
}

// Why the recorder may leave out polygons shrunk to one pixel: with a pen of at most a pixel
// they paint nothing, in either raster operation; a wider pen paints a dot.
TEST(PlayerShapesTest, PolygonOnOnePixelPaintsOnlyWithAWidePen) {
  const PixelPoint dot[] = {{3, 3}, {3, 3}, {3, 3}, {3, 3}};
  const auto play = [&](RasterOp op, int width) {
    Bitmap24 bitmap(7, 7, kWhite);
    RasterTarget target(bitmap);
    FillPolygon(target, dot, kRed, op);
    DrawClosedOutline(target, dot, LinePaint{kBlack, op, PenStyle::Solid, width});
    return bitmap;
  };
  EXPECT_EQ(play(RasterOp::Copy, 1), Bitmap24(7, 7, kWhite));
  EXPECT_EQ(play(RasterOp::Invert, 1), Bitmap24(7, 7, kWhite));
  EXPECT_EQ(play(RasterOp::Copy, 3).Pixel(3, 3), kBlack);
}

TEST(PlayerShapesTest, WidePenOutlineIsCentredOnTheBoxEdge) {
  // The painted box 2..8 grows by one pixel on each side; the pen is 3 pixels thick.
  const Bitmap24 bitmap = DrawAndPlay(11, 11, [](Canvas& c) {
    RedBrush(c);
    c.SetPenWidth(3);
    c.Rectangle(2, 2, 9, 9);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "...........\n"
            ".#########.\n"
            ".#########.\n"
            ".#########.\n"
            ".###rrr###.\n"
            ".###rrr###.\n"
            ".###rrr###.\n"
            ".#########.\n"
            ".#########.\n"
            ".#########.\n"
            "...........\n");
}

TEST(PlayerShapesTest, PixelsTakeTheirExactColourAndOutsideOnesAreDropped) {
  const Bitmap24 bitmap = DrawAndPlay(3, 2, [](Canvas& c) {
    c.SetPixel(0, 0, MakeColor(1, 2, 3));
    c.SetPixel(2, 1, MakeColor(250, 128, 7));
    c.SetPixel(-1, 0, kBlack);
    c.SetPixel(3, 1, kBlack);
    c.SetPixel(1, 2, kBlack);
    c.SetPenMode(PenMode::Not);  // single pixels ignore the pen's mix
    c.SetPixel(1, 0, MakeColor(9, 9, 9));
  });
  EXPECT_EQ(bitmap.Pixel(0, 0), MakeColor(1, 2, 3));
  EXPECT_EQ(bitmap.Pixel(2, 1), MakeColor(250, 128, 7));
  EXPECT_EQ(bitmap.Pixel(1, 0), MakeColor(9, 9, 9));
  EXPECT_EQ(bitmap.Pixel(1, 1), kWhite);
  EXPECT_EQ(bitmap.Pixel(0, 1), kWhite);
}

}  // namespace
}  // namespace tarn
