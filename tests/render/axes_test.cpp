#include "render/Axes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Errors.h"
#include "support/CallLogCanvas.h"
#include "support/FakeUserInterface.h"

namespace tarn {
namespace {

using Calls = std::vector<std::string>;

// The plot from (20, 20) to (80, 80) in a picture 100 rows high, 60 pixels per unit on both
// axes from 0 to 1. The canvas makes every character 6 pixels wide and every text 12 high.
PlotArea UnitArea() {
  PlotArea area;
  area.Left = 20;
  area.Right = 80;
  area.Bottom = 20;
  area.Top = 80;
  area.XMin = area.YMin = 0;
  area.XMax = area.YMax = 1;
  area.XScale = area.YScale = 60;
  area.PictureHeight = 100;
  return area;
}

std::string Move(int x, int y) { return "MoveTo " + std::to_string(x) + " " + std::to_string(y); }
// Lines, labels and titles are drawn in the border colour on the background colour.
std::string Line(int x, int y) { return "LineTo " + std::to_string(x) + " " + std::to_string(y) + " pen=ff0000 w=1 mode=copy"; }
std::string Text(int x, int y, const std::string& text, int escapement = 0) {
  return "TextOut " + std::to_string(x) + " " + std::to_string(y) + " \"" + text + "\" color=ff0000 esc=" +
         std::to_string(escapement) + " brush=00ff00";
}

class AxesTest : public ::testing::Test {
 protected:
  AxesTest() {
    options.SetColor(OptionColor::BDColor, MakeColor(255, 0, 0));
    options.SetColor(OptionColor::BKCOLOR, MakeColor(0, 255, 0));
    graphFont.TextColor = MakeColor(0, 0, 255);
    canvas.SetFont(graphFont);
  }

  // Typed steps; the boxes are read only with their automatic switches cleared.
  void UseSteps(const std::string& xs, const std::string& ys) {
    options.SetText(OptionEdit::XStepBox, xs);
    options.SetText(OptionEdit::YStepBox, ys);
    options.SetChecked(OptionCheck::XStepAuto, false);
    options.SetChecked(OptionCheck::YStepAuto, false);
  }

  // Labels 0, 0.5 and 1 on both axes.
  void UseHalfSteps() { UseSteps("0.5", "0.5"); }

  void Draw(int pattern) {
    options.SetGraphPattern(pattern);
    DrawAxes(context, area, graphFont);
  }

  std::vector<std::string> TextsDrawn() const {
    std::vector<std::string> texts;
    for (const std::string& call : canvas.CallsStartingWith("TextOut")) {
      const size_t open = call.find('"');
      texts.push_back(call.substr(open + 1, call.find('"', open + 1) - open - 1));
    }
    return texts;
  }

  OptionsModel options;
  testing::CallLogCanvas canvas;
  testing::FakeUserInterface ui;
  bool cancelRequested = false;
  bool meshOutdated = false;
  RenderContext context{canvas, options, ui, cancelRequested, meshOutdated};
  PlotArea area = UnitArea();
  FontChoice graphFont;
};

TEST_F(AxesTest, PatternOneDrawsDetachedAxesWithOutwardLabels) {
  UseHalfSteps();
  Draw(1);
  const Calls expected = {
      // X axis 10 px below the plot: row Round(100 - (20 - 10)) = 90.
      Move(20, 90), Line(80, 90),
      Move(20, 90), Line(20, 87), Text(17, 95, "0"),
      Move(50, 90), Line(50, 87), Text(41, 95, "0.5"),
      Move(80, 90), Line(80, 87), Text(77, 95, "1"),
      Text(47, 110, "X"),  // 90 + 8 + height of "dummy"
      // Y axis 10 px left: column 10; labels end 5 px left of it, centred on their row.
      Move(10, 80), Line(10, 20),
      Move(10, 80), Line(13, 80), Text(-1, 74, "0"),
      Move(10, 50), Line(13, 50), Text(-13, 44, "0.5"),
      Move(10, 20), Line(13, 20), Text(-1, 14, "1"),
      // Left of the widest label (-13) by its height and 5; centred: 100 - Round(50 - 3).
      Text(-30, 53, "Y", 900),
  };
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(AxesTest, PatternTwoDrawsFrameAndFullGridBelowTheMaximum) {
  UseHalfSteps();
  Draw(2);
  const Calls expected = {
      Move(20, 80), Line(80, 80), Line(80, 20), Line(20, 20), Line(20, 80),
      // Grid at 0 and 0.5; the next value, 1, is the maximum and the frame's edge.
      Move(20, 80), Line(80, 80), Move(20, 50), Line(80, 50),
      Move(20, 80), Line(20, 20), Move(50, 80), Line(50, 20),
      Text(17, 85, "0"), Text(41, 85, "0.5"), Text(77, 85, "1"),
      Text(47, 100, "X"),
      Text(9, 74, "0"), Text(-3, 44, "0.5"), Text(9, 14, "1"),
      Text(-20, 53, "Y", 900),
  };
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(AxesTest, PatternThreeDrawsFrameAndInwardTicksOnAllSides) {
  UseHalfSteps();
  Draw(3);
  const Calls expected = {
      Move(20, 80), Line(80, 80), Line(80, 20), Line(20, 20), Line(20, 80),
      Move(20, 80), Line(25, 80), Move(75, 80), Line(80, 80),
      Move(20, 50), Line(25, 50), Move(75, 50), Line(80, 50),
      Move(20, 80), Line(20, 75), Move(20, 25), Line(20, 20),
      Move(50, 80), Line(50, 75), Move(50, 25), Line(50, 20),
      Text(17, 85, "0"), Text(41, 85, "0.5"), Text(77, 85, "1"),
      Text(47, 100, "X"),
      Text(9, 74, "0"), Text(-3, 44, "0.5"), Text(9, 14, "1"),
      Text(-20, 53, "Y", 900),
  };
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(AxesTest, LeftExtentIsWhereTheYTitleStartsInEveryPattern) {
  UseHalfSteps();
  for (int pattern : {1, 2, 3}) {
    options.SetGraphPattern(pattern);
    const int extent = MeasureLeftExtent(context, area);
    EXPECT_TRUE(canvas.Calls().empty()) << "measuring draws nothing";
    DrawAxes(context, area, graphFont);
    const std::string title = canvas.CallsStartingWith("TextOut").back();
    EXPECT_EQ(title, Text(extent, 53, "Y", 900)) << "pattern " << pattern;
    canvas.Clear();
  }
}

TEST_F(AxesTest, HiddenYTitleIsNotDrawnButKeepsItsRoom) {
  UseHalfSteps();
  options.SetChecked(OptionCheck::ShowYTitle, false);
  options.SetChecked(OptionCheck::ShowXTitle, false);
  options.SetGraphPattern(2);
  // The widest label starts at -3; the empty title still takes its height and the gap.
  EXPECT_EQ(MeasureLeftExtent(context, area), -3 - 12 - 5);
  DrawAxes(context, area, graphFont);
  EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"0", "0.5", "1", "0", "0.5", "1"}));
}

TEST_F(AxesTest, AutomaticStepsAreWrittenBackAndLabelTheWholeRange) {
  Draw(1);
  EXPECT_EQ(options.Text(OptionEdit::XStepBox), "0.2");
  EXPECT_EQ(options.Text(OptionEdit::YStepBox), "0.2");
  EXPECT_TRUE(options.Checked(OptionCheck::XStepAuto));
  EXPECT_TRUE(options.Checked(OptionCheck::YStepAuto));
  const std::vector<std::string> six = {"0", "0.2", "0.4", "0.6", "0.8", "1"};
  std::vector<std::string> expected = six;
  expected.push_back("X");
  expected.insert(expected.end(), six.begin(), six.end());
  expected.push_back("Y");
  EXPECT_EQ(TextsDrawn(), expected);
}

TEST_F(AxesTest, MeasuringWritesTheAutomaticYStepBack) {
  options.SetText(OptionEdit::YStepBox, "7");
  options.SetChecked(OptionCheck::YStepAuto, true);
  MeasureLeftExtent(context, area);
  EXPECT_EQ(options.Text(OptionEdit::YStepBox), "0.2");
  EXPECT_EQ(options.Text(OptionEdit::XStepBox), "0.5") << "the X step is not measured";
}

TEST_F(AxesTest, GridAndLabelsBetweenSteps) {
  area.XMin = area.YMin = 0.05;
  area.XMax = area.YMax = 0.95;
  area.XScale = area.YScale = 60 / 0.9;
  UseSteps("0.2", "0.2");
  options.SetChecked(OptionCheck::ShowXTitle, false);
  options.SetChecked(OptionCheck::ShowYTitle, false);
  Draw(2);
  EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"0.2", "0.4", "0.6", "0.8", "0.2", "0.4", "0.6", "0.8"}));
  // Horizontal grid rows and label rows agree: 0.2 is 10 px above the bottom edge at 80.
  const Calls moves = canvas.CallsStartingWith("MoveTo");
  const Calls rows = {moves[1], moves[2], moves[3], moves[4]};
  EXPECT_EQ(rows, (Calls{Move(20, 70), Move(20, 57), Move(20, 43), Move(20, 30)}));
  EXPECT_EQ(canvas.CallsStartingWith("TextOut -3 64 \"0.2\"").size(), 1u);
}

TEST_F(AxesTest, SmallStepLabelsOnlyTwentyOneButGridsTheWholeRange) {
  UseSteps("0.01", "0.5");
  options.SetChecked(OptionCheck::ShowXTitle, false);
  options.SetChecked(OptionCheck::ShowYTitle, false);
  Draw(2);
  const std::vector<std::string> texts = TextsDrawn();
  ASSERT_EQ(texts.size(), 21u + 3u);
  EXPECT_EQ(texts[20], "0.2");
  // 4 frame lines, 2 horizontal grid lines, then the 100 vertical lines up to 0.99, which
  // at 0.6 px apart fill every column from 20 to 79 once.
  const Calls lines = canvas.CallsStartingWith("LineTo");
  ASSERT_EQ(lines.size(), 4u + 2u + 60u);
  EXPECT_EQ(lines[6], Line(20, 20));
  EXPECT_EQ(lines[7], Line(21, 20));
  EXPECT_EQ(lines.back(), Line(79, 20));
}

TEST_F(AxesTest, FirstTickBeyondTheMaximumGetsNoLabelButOneGridLine) {
  area.XMin = area.YMin = 0.95;
  area.XMax = area.YMax = 0.99;
  area.XScale = area.YScale = 60 / 0.04;
  UseSteps("0.1", "0.1");
  options.SetChecked(OptionCheck::ShowXTitle, false);
  options.SetChecked(OptionCheck::ShowYTitle, false);
  Draw(3);
  EXPECT_TRUE(TextsDrawn().empty());
  // 1.0 lies 75 px beyond the bottom-left corner: row 80 - 75 = 5, column 20 + 75 = 95.
  const Calls expected = {
      Move(20, 80), Line(80, 80), Line(80, 20), Line(20, 20), Line(20, 80),
      Move(20, 5), Line(25, 5), Move(75, 5), Line(80, 5),
      Move(95, 80), Line(95, 75), Move(95, 25), Line(95, 20),
  };
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(AxesTest, EndsInTheGraphFontWithItsOwnColour) {
  UseHalfSteps();
  Draw(1);
  EXPECT_EQ(canvas.CurrentFont(), (CanvasFont{graphFont, 0}));
  EXPECT_EQ(canvas.CurrentPen().PenColor, MakeColor(255, 0, 0));
}

TEST_F(AxesTest, TypedStepThatIsNoNumberStopsBeforeDrawing) {
  options.SetText(OptionEdit::XStepBox, "abc");
  options.SetGraphPattern(2);
  EXPECT_THROW(DrawAxes(context, area, graphFont), ConversionError);
  EXPECT_TRUE(canvas.Calls().empty());
  options.SetText(OptionEdit::XStepBox, "0.5");
  options.SetText(OptionEdit::YStepBox, "");
  EXPECT_THROW(MeasureLeftExtent(context, area), ConversionError);
}

TEST_F(AxesTest, UnusableStepsDrawFrameAndTitlesWithoutTicks) {
  for (const char* step : {"0", "-0.2"}) {
    UseSteps(step, step);
    Draw(2);
    EXPECT_EQ(canvas.CallsStartingWith("LineTo").size(), 4u) << step;
    // No labels: the title stands its height and 5 px left of the plot's edge at 20.
    EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"X", "Y"})) << step;
    EXPECT_EQ(canvas.CallsStartingWith("TextOut").back(), Text(3, 53, "Y", 900)) << step;
    canvas.Clear();
  }
}

TEST_F(AxesTest, StepFarBelowAPixelEndsItsGrid) {
  // Valid, but 1e300 lines: the run is cut, and the lines drawn are one per pixel (all on
  // the first row and column here); the labels stop at 21.
  UseSteps("1e-300", "1e-300");
  Draw(2);
  EXPECT_EQ(canvas.CallsStartingWith("LineTo").size(), 4u + 2u);
  EXPECT_EQ(TextsDrawn().size(), 2u * 21u + 2u);
}

TEST_F(AxesTest, EmptyRangeWarnsAndStillDraws) {
  area.XMax = area.XMin;
  area.YMax = area.YMin;
  Draw(3);
  // Once for each axis; the steps are still usable: one label "0" on each axis.
  ASSERT_EQ(ui.Messages.size(), 2u);
  EXPECT_EQ(ui.Messages[1].Text, "軸の大小が不正です");
  EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"0", "X", "0", "Y"}));
  EXPECT_EQ(canvas.CallsStartingWith("TextOut").back(), Text(-8, 53, "Y", 900));
}

}  // namespace
}  // namespace tarn
