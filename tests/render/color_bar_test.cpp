#include "render/ColorBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CallLogCanvas.h"
#include "support/FakeUserInterface.h"

namespace tarn {
namespace {

using Calls = std::vector<std::string>;

std::string Move(int x, int y) { return "MoveTo " + std::to_string(x) + " " + std::to_string(y); }
std::string Line(int x, int y, const std::string& pen) {
  return "LineTo " + std::to_string(x) + " " + std::to_string(y) + " pen=" + pen + " w=1 mode=copy";
}
// A segment's box from column l to r over the bar's rows 3 to 15, filled and outlined in `color`.
std::string Segment(int l, int r, const std::string& color) {
  const std::string L = std::to_string(l);
  const std::string R = std::to_string(r);
  return "Polygon " + L + ",3 " + L + ",15 " + R + ",15 " + R + ",3 brush=" + color + " pen=" + color +
         " w=1 mode=copy";
}
std::string Text(int x, int y, const std::string& text) {
  return "TextOut " + std::to_string(x) + " " + std::to_string(y) + " \"" + text + "\" color=0000ff esc=0 brush=ffffff";
}

// The plot's top edge is 80 px above the bottom of a 100-row picture, so the bar takes rows
// Row(97) = 3 to Row(85) = 15. Without a title it runs from 20 + 0 + 5 = 25 to 85 (60 px).
// The border colour is blue; the background stays white.
class ColorBarTest : public ::testing::Test {
 protected:
  ColorBarTest() {
    area.Left = 20;
    area.Right = 85;
    area.Top = 80;
    area.PictureHeight = 100;
    options.SetColor(OptionColor::BDColor, MakeColor(0, 0, 255));
    options.SetChecked(OptionCheck::ShowValueTitle, false);
    canvas.SetPenColor(MakeColor(0, 0, 255));  // as the redraw leaves it
  }

  std::vector<std::string> BodyCalls() const {
    Calls body;
    for (const std::string& call : canvas.Calls()) {
      if (call.starts_with("Polygon") || call.starts_with("SetPixel") || call.find("pen=000000") != std::string::npos) {
        body.push_back(call);
      }
    }
    return body;
  }

  OptionsModel options;
  testing::CallLogCanvas canvas;
  testing::FakeUserInterface ui;
  bool cancelRequested = false;
  bool meshOutdated = false;
  RenderContext context{canvas, options, ui, cancelRequested, meshOutdated};
  PlotArea area;
};

TEST_F(ColorBarTest, SegmentsWithSeparatorsFrameAndLabels) {
  options.SetChecked(OptionCheck::ShowLine, true);  // black separators
  DrawColorBar(context, 0.25, area, 0, 1);
  // Levels 0 to 4. vmin = 0 is a level, so the first segment has no width. Every segment is
  // filled before the separators, so no segment's outline covers a separator.
  const Calls expected = {
      Segment(25, 25, "0000ff"), Segment(25, 40, "00ffff"), Segment(40, 55, "00ff00"),
      Segment(55, 70, "ffff00"), Segment(70, 85, "ff0000"),
      Move(25, 3), Line(25, 15, "000000"), Move(40, 3), Line(40, 15, "000000"),
      Move(55, 3), Line(55, 15, "000000"), Move(70, 3), Line(70, 15, "000000"),
      Move(85, 3), Line(85, 15, "000000"),
      Move(25, 3), Line(25, 15, "0000ff"), Line(85, 15, "0000ff"), Line(85, 3, "0000ff"), Line(25, 3, "0000ff"),
      // Labels 2 px above the bar: 3 - 2 - 12 = -11; "0" centred on 25, "1" ending at 85.
      Text(22, -11, "0"), Text(79, -11, "1"),
  };
  EXPECT_EQ(canvas.Calls(), expected);
  EXPECT_EQ(canvas.CurrentPen().PenColor, MakeColor(0, 0, 255));
  EXPECT_EQ(canvas.CurrentBrush().BrushColor, kWhite);
}

TEST_F(ColorBarTest, SegmentEdgesBetweenLevels) {
  DrawColorBar(context, 0.25, area, 0.1, 0.9);
  // Levels 1 to 4: 0.25 sits at (0.25 - 0.1) / 0.8 x 60 + 25 = 36.25, 0.5 at 55,
  // 0.75 at 73.75; the last segment ends at the bar's end. The colours are those of the
  // levels on the scale 0.1 to 0.9: G = Floor(0.75 x 255.99) = 0xbf at 0.25 and at 0.75.
  const Calls expected = {
      Segment(25, 36, "00bfff"), Segment(36, 55, "00ff00"), Segment(55, 74, "ffbf00"), Segment(74, 85, "ff0000"),
  };
  EXPECT_EQ(BodyCalls(), expected);
}

TEST_F(ColorBarTest, TitleMovesTheBarAndLabelsUseFourDigits) {
  options.SetChecked(OptionCheck::ShowValueTitle, true);
  options.SetText(OptionEdit::ValueTitleBox, "V");
  DrawColorBar(context, 0.05, area, 0.123456, 12345678);
  const Calls texts = canvas.CallsStartingWith("TextOut");
  // The bar starts at 20 + 6 + 5 = 31; the labels are 6 and 10 characters wide.
  EXPECT_EQ(texts, (Calls{Text(20, 3, "V"), Text(31 - 18, -11, "0.1235"), Text(85 - 60, -11, "1.235E0007")}));
  EXPECT_EQ(canvas.CallsStartingWith("MoveTo").back(), Move(31, 3));
}

TEST_F(ColorBarTest, LinesOnlyWithoutLinesIsAnEmptyFrame) {
  options.ChooseFillStyle(FillStyle::NotPaint);
  options.SetChecked(OptionCheck::ShowLine, false);
  options.SetChecked(OptionCheck::ShowValueTitle, true);
  DrawColorBar(context, 0.25, area, 0, 1);
  const Calls expected = {
      // The title "Value" is 30 px wide: the bar starts at 20 + 30 + 5 = 55.
      Move(55, 3), Line(55, 15, "0000ff"), Line(85, 15, "0000ff"), Line(85, 3, "0000ff"), Line(55, 3, "0000ff"),
      Text(20, 3, "Value"), Text(52, -11, "0"), Text(79, -11, "1"),
  };
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(ColorBarTest, PerPixelGradientRunsFromTheMinimumToTheMaximumColour) {
  options.ChooseFillStyle(FillStyle::PaintBitMapContour);
  DrawColorBar(context, 0.25, area, 0, 1);
  const Calls pixels = canvas.CallsStartingWith("SetPixel");
  ASSERT_EQ(pixels.size(), 61u * 13u);  // columns 25 to 85, rows 3 to 15
  EXPECT_EQ(pixels.front(), "SetPixel 25 3 0000ff");
  EXPECT_EQ(pixels[12], "SetPixel 25 15 0000ff");
  EXPECT_EQ(pixels[15 * 13], "SetPixel 40 3 00ffff");  // a quarter of the way
  EXPECT_EQ(pixels.back(), "SetPixel 85 15 ff0000");
  EXPECT_TRUE(canvas.CallsStartingWith("Polygon").empty());
}

TEST_F(ColorBarTest, EmptyRangeOrNoRoomGivesFrameAndLabelsOnly) {
  for (FillStyle style : {FillStyle::PaintMetaContour, FillStyle::PaintBitMapContour}) {
    options.ChooseFillStyle(style);
    DrawColorBar(context, 0.25, area, 0.5, 0.5);
    EXPECT_TRUE(BodyCalls().empty());
    EXPECT_EQ(canvas.CallsStartingWith("LineTo").size(), 4u);
    EXPECT_EQ(canvas.CallsStartingWith("TextOut"), (Calls{Text(16, -11, "0.5"), Text(67, -11, "0.5")}));
    canvas.Clear();
    area.Right = 25;  // the bar would start where it ends
    DrawColorBar(context, 0.25, area, 0, 1);
    EXPECT_TRUE(BodyCalls().empty());
    EXPECT_EQ(canvas.CallsStartingWith("TextOut").size(), 2u);
    canvas.Clear();
    area.Right = 85;
  }
}

TEST_F(ColorBarTest, UnusableOrTinyStepsDrawNoSegments) {
  for (double step : {0.0, -0.25, 1e-12}) {
    DrawColorBar(context, step, area, 0, 1);
    EXPECT_TRUE(BodyCalls().empty()) << step;
    EXPECT_EQ(canvas.CallsStartingWith("LineTo").size(), 4u) << step;
    canvas.Clear();
  }
}

}  // namespace
}  // namespace tarn
