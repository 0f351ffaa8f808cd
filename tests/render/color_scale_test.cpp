#include "render/ColorScale.h"

#include <gtest/gtest.h>

#include "support/CallLogCanvas.h"

namespace tarn {
namespace {

using testing::HexColor;

std::string ColorOf(ColorScheme scheme, double value, double lo, double hi) {
  OptionsModel options;
  options.ChooseColorScheme(scheme);
  return HexColor(ValueColor(options, value, lo, hi));
}

TEST(ColorScaleTest, RainbowPassesThroughItsFiveAnchors) {
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0, 0, 1), "0000ff");
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0.25, 0, 1), "00ffff");
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0.5, 0, 1), "00ff00");
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0.75, 0, 1), "ffff00");
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 1, 0, 1), "ff0000");
}

TEST(ColorScaleTest, RainbowInnerValuesFloorTheirChannels) {
  // G = Floor(0.5 x 255.99) = 127 = 0x7f.
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0.125, 0, 1), "007fff");
  // B = Floor(sin(0.5 / 2 x pi) x 255.99) = Floor(181.01...) = 181 = 0xb5.
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0.375, 0, 1), "00ffb5");
  // On a shifted range the fraction is taken from lo: 15 on 10..30 is the first quarter's end.
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 15, 10, 30), "00ffff");
}

TEST(ColorScaleTest, ContrastSqueezesTheMiddle) {
  // G = Floor(0.4 / 0.49975 x 255.99) = 204 = 0xcc; G = Floor(0.4 / 0.47225 x 255.99) = 216 = 0xd8.
  EXPECT_EQ(ColorOf(ColorScheme::ContrastColor, 0.4, 0, 1), "00ccff");
  EXPECT_EQ(ColorOf(ColorScheme::ContrastColor, 0.6, 0, 1), "ffd800");
  EXPECT_EQ(ColorOf(ColorScheme::ContrastColor, 0.5, 0, 1), "00ff00");
}

TEST(ColorScaleTest, GrayEndsAtLightGrayAndRoundsHalvesToEven) {
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 0, 0, 1), "000000");
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 1, 0, 1), "f0f0f0");
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 0.5, 0, 1), "787878");
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 2, 0, 1), "f0f0f0");
  // 240 x 1 / 32 = 7.5 rounds to 8; 240 x 3 / 32 = 22.5 rounds to 22.
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 1, 0, 32), "080808");
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 3, 0, 32), "161616");
}

TEST(ColorScaleTest, ValuesOutsideTheRangeTakeTheNearestEnd) {
  for (ColorScheme scheme : {ColorScheme::RainbowColor, ColorScheme::GrayColor, ColorScheme::ContrastColor}) {
    EXPECT_EQ(ColorOf(scheme, -5, 0, 1), ColorOf(scheme, 0, 0, 1));
    EXPECT_EQ(ColorOf(scheme, 7, 0, 1), ColorOf(scheme, 1, 0, 1));
  }
}

TEST(ColorScaleTest, EmptyOrReversedRangeGivesTheLowEndColour) {
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 3, 3, 3), "0000ff");
  EXPECT_EQ(ColorOf(ColorScheme::ContrastColor, 4, 3, 3), "0000ff");
  EXPECT_EQ(ColorOf(ColorScheme::GrayColor, 3, 3, 3), "000000");
  EXPECT_EQ(ColorOf(ColorScheme::RainbowColor, 0.5, 1, 0), "0000ff");
}

TEST(ColorScaleTest, SpectrumDoesNotClampButKeepsChannelsInByteRange) {
  OptionsModel options;
  // Below lo the green channel would be negative; it stays at 0 instead of wrapping.
  EXPECT_EQ(HexColor(SpectrumRGB(options, -1, 0, 1)), "0000ff");
  EXPECT_EQ(HexColor(SpectrumRGB(options, 2, 0, 1)), "ff0000");
}

struct PenCase {
  int Index;
  std::string Expected;
};

TEST(ColorScaleTest, ContourPenFollowsTheLineColourList) {
  const PenCase cases[] = {
      {0, "000000 copy"}, {1, "ffffff copy"}, {2, "123456 not"}, {3, "123456 copy"},
      {4, "00ff00 copy"}, {5, "0000ff copy"}, {kNoLineColor, "123456 copy"},
  };
  for (const PenCase& c : cases) {
    OptionsModel options;
    options.SetColor(OptionColor::BKCOLOR, MakeColor(0, 255, 0));
    options.SetColor(OptionColor::BDColor, MakeColor(0, 0, 255));
    options.SetLineColorIndex(c.Index);
    testing::CallLogCanvas canvas;
    canvas.SetPenColor(MakeColor(0x12, 0x34, 0x56));
    SetContourPen(options, canvas);
    const Pen& pen = canvas.CurrentPen();
    EXPECT_EQ(HexColor(pen.PenColor) + (pen.Mode == PenMode::Copy ? " copy" : " not"), c.Expected)
        << "index " << c.Index;
  }
}

}  // namespace
}  // namespace tarn
