// The colour bar.
//
//            vmin                                   vmax      <- labels, 2 px above the bar
//   Title  +---------------------------------------------+   <- row yt = H - RoundToPixel(Top + 17)
//          |  colours from vmin (left) to vmax (right)   |      13 rows
//          +---------------------------------------------+   <- row yb = H - RoundToPixel(Top + 5)
//          x0 = RoundToPixel(Left) + title width + 5            x1 = RoundToPixel(Right)
//
// The per-pixel fill style gets a continuous gradient, one colour per column. The other
// styles get one segment per contour level k from Ceil(vmin / s) to Ceil(vmax / s): segment k
// shows the values from (k - 1) s to k s in the colour of its upper level, as the band below
// that level has in the plot. Its right edge is where k s falls on the bar (x1 for the last);
// its left edge is the previous right edge (x0 for the first), so a vmin on a level gives a
// first segment of no width. Segments are painted only in the vector fill style and get a
// separator in the contour line colour only when lines are shown.
//
// Without a range (vmin >= vmax) or without room (x0 >= x1) there is no fraction to place a
// value by, so the body is left out; frame, title and labels are drawn all the same.
#include "render/ColorBar.h"

#include <array>
#include <vector>
#include <cmath>
#include <string>

#include "base/NumberText.h"
#include "render/ColorScale.h"

namespace tarn {

namespace {

constexpr int kBarTopAbovePlot = 17;
constexpr int kBarBottomAbovePlot = 5;
constexpr int kTitleGap = 5;
constexpr int kLabelGap = 2;
// More segments than this are far below a pixel each; such a step gets no segments.
constexpr double kMaxSegments = 1e6;

struct BarGeometry {
  int X0;
  int X1;
  int TopRow;
  int BottomRow;
};

std::string ValueTitle(const OptionsModel& options) {
  return options.Checked(OptionCheck::ShowValueTitle) ? options.Text(OptionEdit::ValueTitleBox) : std::string();
}

BarGeometry BarOf(Canvas& canvas, const PlotArea& area, const std::string& title) {
  return {RoundToPixel(area.Left) + canvas.TextWidth(title) + kTitleGap, RoundToPixel(area.Right),
          area.Row(area.Top + kBarTopAbovePlot), area.Row(area.Top + kBarBottomAbovePlot)};
}

void DrawGradient(RenderContext& context, const BarGeometry& bar, double vmin, double vmax) {
  const double width = bar.X1 - bar.X0;
  for (int x = bar.X0; x <= bar.X1; ++x) {
    const double v = vmin + (x - bar.X0) / width * (vmax - vmin);
    const Color color = ValueColor(context.Options, v, vmin, vmax);
    for (int y = bar.TopRow; y <= bar.BottomRow; ++y) context.Target.SetPixel(x, y, color);
  }
}

struct Segment {
  int Left;
  int Right;
  Color SegmentColor;
};

void FillSegment(Canvas& canvas, const BarGeometry& bar, const Segment& segment) {
  canvas.SetPenColor(segment.SegmentColor);
  canvas.SetBrushColor(segment.SegmentColor);
  const int l = segment.Left, r = segment.Right;
  const std::array<PixelPoint, 4> corners{{{l, bar.TopRow}, {l, bar.BottomRow}, {r, bar.BottomRow}, {r, bar.TopRow}}};
  canvas.Polygon(corners);
}

// The separator at the segment's right end, in the segment's colour under the line colour choice.
void SeparateSegment(const OptionsModel& options, Canvas& canvas, const BarGeometry& bar, const Segment& segment) {
  canvas.SetPenColor(segment.SegmentColor);
  canvas.SetBrushColor(segment.SegmentColor);
  canvas.MoveTo(segment.Right, bar.TopRow);
  SetContourPen(options, canvas);
  canvas.LineTo(segment.Right, bar.BottomRow);
  canvas.SetPenMode(PenMode::Copy);
}

// All segments are filled before any separator is drawn: the next segment's outline would
// otherwise paint over the separator at its left end.
void DrawSegments(RenderContext& context, const BarGeometry& bar, double s, double vmin, double vmax) {
  const double k0 = std::ceil(vmin / s);
  const double k1 = std::ceil(vmax / s);
  // None when k1 < k0; the test also fails on the NaN of a step of 0 or of none at all.
  if (!(k0 <= k1 && k1 - k0 < kMaxSegments)) return;
  const int count = static_cast<int>(k1 - k0) + 1;
  const double width = bar.X1 - bar.X0;
  std::vector<Segment> segments;
  double left = bar.X0;
  for (int i = 0; i < count; ++i) {
    const double k = k0 + i;
    const double right = i == count - 1 ? bar.X1 : (k * s - vmin) / (vmax - vmin) * width + bar.X0;
    segments.push_back({RoundToPixel(left), RoundToPixel(right), ValueColor(context.Options, k * s, vmin, vmax)});
    left = right;
  }
  Canvas& canvas = context.Target;
  const OptionsModel& options = context.Options;
  if (options.GetFillStyle() == FillStyle::PaintMetaContour) {
    for (const Segment& segment : segments) FillSegment(canvas, bar, segment);
  }
  if (options.Checked(OptionCheck::ShowLine)) {
    for (const Segment& segment : segments) SeparateSegment(options, canvas, bar, segment);
  }
  canvas.SetPenColor(options.GetColor(OptionColor::BDColor));
  canvas.SetBrushColor(options.GetColor(OptionColor::BKCOLOR));
}

void DrawFrame(Canvas& canvas, const BarGeometry& bar) {
  canvas.MoveTo(bar.X0, bar.TopRow);
  canvas.LineTo(bar.X0, bar.BottomRow);
  canvas.LineTo(bar.X1, bar.BottomRow);
  canvas.LineTo(bar.X1, bar.TopRow);
  canvas.LineTo(bar.X0, bar.TopRow);
}

void DrawLabels(Canvas& canvas, const BarGeometry& bar, double vmin, double vmax) {
  const std::string minLabel = FloatToText4(vmin);
  const std::string maxLabel = FloatToText4(vmax);
  const int top = bar.TopRow - kLabelGap - canvas.TextHeight(minLabel);
  canvas.TextOut(bar.X0 - canvas.TextWidth(minLabel) / 2, top, minLabel);
  canvas.TextOut(bar.X1 - canvas.TextWidth(maxLabel), top, maxLabel);
}

}  // namespace

void DrawColorBar(RenderContext& context, double s, const PlotArea& area, double vmin, double vmax) {
  Canvas& canvas = context.Target;
  const OptionsModel& options = context.Options;
  const std::string title = ValueTitle(options);
  const BarGeometry bar = BarOf(canvas, area, title);
  if (vmin < vmax && bar.X0 < bar.X1) {
    if (options.GetFillStyle() == FillStyle::PaintBitMapContour) {
      DrawGradient(context, bar, vmin, vmax);
    } else {
      DrawSegments(context, bar, s, vmin, vmax);
    }
  }
  DrawFrame(canvas, bar);
  canvas.SetFontColor(options.GetColor(OptionColor::BDColor));
  if (options.Checked(OptionCheck::ShowValueTitle)) canvas.TextOut(RoundToPixel(area.Left), bar.TopRow, title);
  DrawLabels(canvas, bar, vmin, vmax);
}

}  // namespace tarn
