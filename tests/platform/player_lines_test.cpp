// Lines as the player paints them: the last pixel left out, dashes, widths and inversion.
#include <gtest/gtest.h>

#include "PlatformTestSupport.h"

namespace tarn {
namespace {

using testing::DrawAndPlay;
using testing::PixelText;

const std::map<Color, char> kInk = {{kWhite, '.'}, {kBlack, '#'}, {MakeColor(255, 255, 0), 'y'}};

TEST(PlayerLinesTest, LinesLeaveOutTheirLastPixelInEveryDirection) {
  const Bitmap24 bitmap = DrawAndPlay(8, 6, [](Canvas& c) {
    c.MoveTo(1, 0);
    c.LineTo(6, 0);  // right: 1..5
    c.MoveTo(6, 2);
    c.LineTo(1, 2);  // left: 6..2
    c.MoveTo(0, 3);
    c.LineTo(2, 5);  // diagonal down: (0,3), (1,4)
    c.MoveTo(7, 5);
    c.LineTo(7, 1);  // up: rows 5..2
    c.MoveTo(4, 4);
    c.LineTo(4, 4);  // to its own start: nothing
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            ".#####..\n"
            "........\n"
            "..######\n"
            "#......#\n"
            ".#.....#\n"
            ".......#\n");
}

TEST(PlayerLinesTest, ShallowAndSteepLinesStepByRoundedOffsets) {
  // 7 across and 2 down: offsets round(i * 2 / 7) = 0 0 1 1 1 1 2 for i = 0..6; the
  // steep mirror image steps the same way along its rows.
  const Bitmap24 bitmap = DrawAndPlay(8, 8, [](Canvas& c) {
    c.MoveTo(0, 0);
    c.LineTo(7, 2);
    c.MoveTo(0, 1);
    c.LineTo(2, 8);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "##......\n"
            "#.####..\n"
            "#.....#.\n"
            ".#......\n"
            ".#......\n"
            ".#......\n"
            ".#......\n"
            "..#.....\n");
}

TEST(PlayerLinesTest, DashedLinesPaintTheirGapsWithAnOpaqueBackgroundOnly) {
  const Bitmap24 bitmap = DrawAndPlay(32, 2, [](Canvas& c) {
    c.SetBrushColor(MakeColor(255, 255, 0));
    c.Rectangle(100, 100, 101, 101);  // outside: only makes the yellow background current
    c.SetPenStyle(PenStyle::Dash);
    c.MoveTo(0, 0);
    c.LineTo(32, 0);
    c.SetBrushStyle(BrushStyle::Clear);
    c.Rectangle(100, 100, 101, 101);
    c.SetPenStyle(PenStyle::Dot);
    c.MoveTo(0, 1);
    c.LineTo(32, 1);
  });
  EXPECT_EQ(PixelText(bitmap, kInk),
            "##################yyyyyy########\n"
            "###...###...###...###...###...##\n");
}

TEST(PlayerLinesTest, WidePensCoverTheirWidthAcrossTheLine) {
  const Bitmap24 bitmap = DrawAndPlay(12, 12, [](Canvas& c) {
    c.SetPenWidth(3);
    c.MoveTo(2, 2);
    c.LineTo(9, 2);
    c.SetPenWidth(2);
    c.MoveTo(5, 6);
    c.LineTo(5, 10);
  });
  // Width 3 around row 2, round ends one pixel beyond; width 2 takes the column left of x = 5.
  EXPECT_EQ(PixelText(bitmap, kInk),
            "............\n"
            ".##########.\n"
            ".##########.\n"
            ".##########.\n"
            "............\n"
            "....##......\n"
            "....##......\n"
            "....##......\n"
            "....##......\n"
            "....##......\n"
            "....##......\n"
            "............\n");
}

TEST(PlayerLinesTest, InvertingTwiceRestoresEveryPixel) {
  const Color background = MakeColor(10, 200, 30);
  const auto paint = [&](Canvas& c) {
    c.SetPenColor(background);
    c.SetBrushColor(background);
    c.Rectangle(0, 0, 20, 20);
  };
  const Bitmap24 plain = DrawAndPlay(20, 20, paint);
  const auto invertedLines = [&](int times) {
    return DrawAndPlay(20, 20, [&](Canvas& c) {
      paint(c);
      c.SetPenColor(kBlack);  // plays no part when inverting
      c.SetPenMode(PenMode::Not);
      for (int i = 0; i < times; ++i) {
        c.MoveTo(1, 1);
        c.LineTo(18, 15);
        c.LineTo(3, 17);
      }
    });
  };
  const Bitmap24 once = invertedLines(1);
  EXPECT_EQ(once.Pixel(1, 1), MakeColor(245, 55, 225));
  EXPECT_EQ(once.Pixel(18, 15), MakeColor(245, 55, 225)) << "the joint is the second line's first pixel";
  EXPECT_EQ(once.Pixel(3, 17), background) << "the last pixel stays out";
  EXPECT_EQ(invertedLines(2), plain);
}

}  // namespace
}  // namespace tarn
