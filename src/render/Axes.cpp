// Frame, axes, grid, labels and titles.
//
// Rows grow downwards; `Bottom` and `Top` of the area are heights above the picture's bottom
// edge, so the frame's bottom row is H - Round(Bottom) and its top row H - Round(Top).
// The graph patterns:
//
//   pattern  frame      inside the plot         axis lines                 ticks
//   1        none       nothing                 X 10 px below, Y 10 px     3 px toward the plot
//                                               left of the rectangle
//   2        rectangle  full grid at each step  the frame edges            none
//   3        rectangle  nothing                 the frame edges            5 px inward, all sides
//
// Labels sit at the tick values (at most 21 per axis, see Ticks.h); the grid of patterns 2
// and 3 runs over the whole range by adding the step, one line per pixel at most. X labels are centred under their
// column, Y labels right-aligned 5 px left of the Y axis. The Y title is turned upwards
// (escapement 900) and stands left of the widest Y label, centred on the plot's height.
//
// The drawing order is fixed: colours, steps, frame and grid, X axis, X labels, X title,
// Y axis, Y labels, Y title, graph font back.
#include "render/Axes.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "render/NiceStep.h"
#include "render/Ticks.h"

namespace tarn {

namespace {

constexpr int kDetachedAxes = 1;  // GraphPattern1: axes 10 px off the plot
constexpr int kGridPattern = 2;   // GraphPattern2: frame and full grid

constexpr int kAxisOffset = 10;
constexpr int kDetachedTick = 3;
constexpr int kInwardTick = 5;
constexpr int kLabelGap = 5;
constexpr int kXTitleGap = 8;
constexpr int kUpwards = 900;
// Further from the plot than any picture reaches, and still far inside the pixel type.
constexpr double kFarAway = 1e8;

// The frame's corners in pixels.
struct FrameEdges {
  int Left;
  int Right;
  int BottomRow;
  int TopRow;
};

FrameEdges EdgesOf(const PlotArea& area) {
  return {RoundToPixel(area.Left), RoundToPixel(area.Right), area.Row(area.Bottom), area.Row(area.Top)};
}

// The step of one axis: automatic (and written back into its box) or the typed number.
double AxisStep(RenderContext& context, OptionCheck autoSwitch, OptionEdit box, double lo, double hi) {
  if (!context.Options.Checked(autoSwitch)) return TextToFloat(context.Options.Text(box));
  const double step = NiceStep(lo, hi, context.Ui);
  context.Options.WriteBack(box, step, autoSwitch);
  return step;
}

double YStep(RenderContext& context, const PlotArea& area) {
  return AxisStep(context, OptionCheck::YStepAuto, OptionEdit::YStepBox, area.YMin, area.YMax);
}

int YAxisColumn(const PlotArea& area, int pattern) {
  return pattern == kDetachedAxes ? RoundToPixel(area.Left - kAxisOffset) : RoundToPixel(area.Left);
}

std::string YTitle(const OptionsModel& options) {
  return options.Checked(OptionCheck::ShowYTitle) ? options.Text(OptionEdit::YTitleBox) : std::string();
}

void SetAxisColours(Canvas& canvas, const OptionsModel& options) {
  const Color border = options.GetColor(OptionColor::BDColor);
  canvas.SetFontColor(border);
  canvas.SetPenColor(border);
  canvas.SetBrushColor(options.GetColor(OptionColor::BKCOLOR));
  canvas.SetBrushStyle(BrushStyle::Solid);  // labels on an opaque background
}

void Line(Canvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

void DrawFrame(Canvas& canvas, const FrameEdges& e) {
  canvas.MoveTo(e.Left, e.BottomRow);
  canvas.LineTo(e.Right, e.BottomRow);
  canvas.LineTo(e.Right, e.TopRow);
  canvas.LineTo(e.Left, e.TopRow);
  canvas.LineTo(e.Left, e.BottomRow);
}

// Calls `draw` with the pixel of each grid value along one axis, given the value's distance
// in pixels from the axis start (`offset`) and its pixel (`toPixel`). A step below a pixel
// puts several lines on one pixel; they would paint the same pixels again, so only the first
// is drawn, which keeps the recording small without changing the picture. A first line that a
// huge step puts beyond any pixel coordinate is left out.
void ForEachGridPixel(double min, double max, double step, const std::function<double(double)>& offset,
                      const std::function<int(double)>& toPixel, const std::function<void(int)>& draw) {
  std::optional<int> previous;
  ForEachGridValue(min, max, step, [&](double value) {
    if (!(std::fabs(offset(value)) < kFarAway)) return;
    const int pixel = toPixel(value);
    if (pixel == previous) return;
    previous = pixel;
    draw(pixel);
  });
}

void DrawHorizontalGrid(Canvas& canvas, const PlotArea& area, double ys, int pattern, const FrameEdges& e) {
  auto offset = [&area](double value) { return (value - area.YMin) * area.YScale; };
  auto toRow = [&area](double value) { return area.DataToPixelY(value); };
  ForEachGridPixel(area.YMin, area.YMax, ys, offset, toRow, [&](int py) {
    if (pattern == kGridPattern) {
      Line(canvas, e.Left, py, e.Right, py);
    } else {
      Line(canvas, e.Left, py, e.Left + kInwardTick, py);
      Line(canvas, e.Right - kInwardTick, py, e.Right, py);
    }
  });
}

void DrawVerticalGrid(Canvas& canvas, const PlotArea& area, double xs, int pattern, const FrameEdges& e) {
  auto offset = [&area](double value) { return (value - area.XMin) * area.XScale; };
  auto toColumn = [&area](double value) { return area.DataToPixelX(value); };
  ForEachGridPixel(area.XMin, area.XMax, xs, offset, toColumn, [&](int px) {
    if (pattern == kGridPattern) {
      Line(canvas, px, e.BottomRow, px, e.TopRow);
    } else {
      Line(canvas, px, e.BottomRow, px, e.BottomRow - kInwardTick);
      Line(canvas, px, e.TopRow + kInwardTick, px, e.TopRow);
    }
  });
}

// The row of the X axis; pattern 1 draws its own axis line there.
int DrawXAxis(Canvas& canvas, const PlotArea& area, int pattern) {
  const double h = area.PictureHeight;
  if (pattern != kDetachedAxes) return RoundToPixel(h - area.Bottom);
  const int ya = RoundToPixel(h - (area.Bottom - kAxisOffset));
  Line(canvas, RoundToPixel(area.Left), ya, RoundToPixel(area.Right), ya);
  return ya;
}

void DrawXLabels(Canvas& canvas, const PlotArea& area, double xs, int pattern, int ya) {
  for (double value : TickValues(area.XMin, area.XMax, xs)) {
    const int px = area.DataToPixelX(value);
    if (pattern == kDetachedAxes) Line(canvas, px, ya, px, ya - kDetachedTick);
    const std::string label = FloatToText(value);
    canvas.TextOut(px - canvas.TextWidth(label) / 2, ya + kLabelGap, label);
  }
}

void DrawXTitle(Canvas& canvas, const OptionsModel& options, const PlotArea& area, int ya) {
  if (!options.Checked(OptionCheck::ShowXTitle)) return;
  const std::string& title = options.Text(OptionEdit::XTitleBox);
  const int left = RoundToPixel((area.Left + area.Right) / 2) - canvas.TextWidth(title) / 2;
  canvas.TextOut(left, ya + kXTitleGap + canvas.TextHeight("dummy"), title);
}

// The column of the Y axis; pattern 1 draws its own axis line there.
int DrawYAxis(Canvas& canvas, const PlotArea& area, int pattern) {
  const int xa = YAxisColumn(area, pattern);
  if (pattern == kDetachedAxes) {
    const double h = area.PictureHeight;
    Line(canvas, xa, RoundToPixel(h - area.Bottom), xa, RoundToPixel(h - area.Top));
  }
  return xa;
}

// Returns the leftmost column of the labels, or RoundToPixel(Left) if that is further left.
int DrawYLabels(Canvas& canvas, const PlotArea& area, double ys, int pattern, int xa) {
  int leftmost = RoundToPixel(area.Left);
  for (double value : TickValues(area.YMin, area.YMax, ys)) {
    const int py = area.DataToPixelY(value);
    if (pattern == kDetachedAxes) Line(canvas, xa, py, xa + kDetachedTick, py);
    const std::string label = FloatToText(value);
    const int left = xa - kLabelGap - canvas.TextWidth(label);
    canvas.TextOut(left, py - canvas.TextHeight(label) / 2, label);
    leftmost = std::min(leftmost, left);
  }
  return leftmost;
}

// Measured in the unturned font, then written upwards from its start row.
void DrawYTitle(Canvas& canvas, const OptionsModel& options, const PlotArea& area, int labelsLeft) {
  const std::string title = YTitle(options);
  const int left = labelsLeft - canvas.TextHeight(title) - kLabelGap;
  const double halfWidth = canvas.TextWidth(title) / 2.0;
  const int row = area.PictureHeight - RoundToPixel((area.Top + area.Bottom) / 2 - halfWidth);
  canvas.SetFontEscapement(kUpwards);
  if (options.Checked(OptionCheck::ShowYTitle)) canvas.TextOut(left, row, title);
}

}  // namespace

int MeasureLeftExtent(RenderContext& context, const PlotArea& area) {
  Canvas& canvas = context.Target;
  const double ys = YStep(context, area);
  const int xa = YAxisColumn(area, context.Options.GraphPattern());
  int extent = RoundToPixel(area.Left);
  for (double value : TickValues(area.YMin, area.YMax, ys)) {
    extent = std::min(extent, xa - kLabelGap - canvas.TextWidth(FloatToText(value)));
  }
  return extent - canvas.TextHeight(YTitle(context.Options)) - kLabelGap;
}

void DrawAxes(RenderContext& context, const PlotArea& area, const FontChoice& graphFont) {
  Canvas& canvas = context.Target;
  const OptionsModel& options = context.Options;
  const int pattern = options.GraphPattern();
  assert(pattern >= 1 && pattern <= 3 && "the graph pattern group always has one button down");
  SetAxisColours(canvas, options);
  const double xs = AxisStep(context, OptionCheck::XStepAuto, OptionEdit::XStepBox, area.XMin, area.XMax);
  const double ys = YStep(context, area);
  if (pattern != kDetachedAxes) {
    const FrameEdges edges = EdgesOf(area);
    DrawFrame(canvas, edges);
    DrawHorizontalGrid(canvas, area, ys, pattern, edges);
    DrawVerticalGrid(canvas, area, xs, pattern, edges);
  }
  const int ya = DrawXAxis(canvas, area, pattern);
  DrawXLabels(canvas, area, xs, pattern, ya);
  DrawXTitle(canvas, options, area, ya);
  const int xa = DrawYAxis(canvas, area, pattern);
  DrawYTitle(canvas, options, area, DrawYLabels(canvas, area, ys, pattern, xa));
  canvas.SetFont(graphFont);
}

}  // namespace tarn
