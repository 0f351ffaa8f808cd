#include "scatter/ScatterDrawing.h"

#include <algorithm>
#include <array>
#include <limits>

#include "render/PlotClip.h"

namespace tarn {

namespace {

// A metafile stores 32-bit coordinates; what lies inside the picture is never changed.
int Held(std::int64_t value) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
  return static_cast<int>(std::clamp(value, kLow, kHigh));
}

PixelPoint HeldPoint(std::int64_t x, std::int64_t y) { return {Held(x), Held(y)}; }

void UseSeriesPen(Canvas& canvas, const GSeries& series, const ScatterColorsInUse& colors) {
  canvas.SetPenColor(series.Color);
  canvas.SetBrushColor(series.Brushing ? series.Color : colors.Background);
  canvas.SetPenWidth(series.LineWidth);
}

bool DrawsMarkers(const GSeries& s) { return s.PlotType != PlotType::Line; }
bool DrawsLines(const GSeries& s) { return s.PlotType != PlotType::Marker; }

}  // namespace

void DrawMarker(Canvas& canvas, std::int64_t cx, std::int64_t cy, MarkerType type, std::int64_t r) {
  switch (type) {
    case MarkerType::Circle:
      canvas.Ellipse(Held(cx - r), Held(cy - r), Held(cx + r), Held(cy + r));
      break;
    case MarkerType::Rectangle:
      canvas.Rectangle(Held(cx - r), Held(cy - r), Held(cx + r), Held(cy + r));
      break;
    case MarkerType::Triangle: {
      const std::array points{HeldPoint(cx - r, cy + r), HeldPoint(cx, cy - r), HeldPoint(cx + r, cy + r)};
      canvas.Polygon(points);
      break;
    }
    case MarkerType::VTriangle: {
      const std::array points{HeldPoint(cx - r, cy - r), HeldPoint(cx, cy + r), HeldPoint(cx + r, cy - r)};
      canvas.Polygon(points);
      break;
    }
    case MarkerType::Diamond: {
      const std::array points{HeldPoint(cx, cy - r), HeldPoint(cx - r, cy), HeldPoint(cx, cy + r),
                              HeldPoint(cx + r, cy)};
      canvas.Polygon(points);
      break;
    }
  }
}

void DrawSeries(Canvas& canvas, const GSeries& series, const PlotArea& area, CellValues& values,
                const ScatterColorsInUse& colors, bool clip) {
  UseSeriesPen(canvas, series, colors);
  canvas.SetPenStyle(PenStyle::Solid);
  const std::vector<double>& xs = values.Column(series.XCol);
  const std::vector<double>& ys = values.Column(series.YCol);
  const PixelRect rect = PlotRectangle(area);
  ClippedLines lines(canvas, rect, clip);
  const auto marker = [&](std::int64_t px, std::int64_t py) {
    if (!DrawsMarkers(series)) return;
    if (clip && !rect.Contains(HeldPoint(px, py))) return;
    DrawMarker(canvas, px, py, series.MarkerType, series.MarkSize);
  };
  const auto first = static_cast<std::size_t>(series.DataStartLine);
  lines.MoveTo(HeldPoint(area.WidePixelX(xs[first]), area.WidePixelY(ys[first])));
  marker(area.WidePixelX(xs[first]), area.WidePixelY(ys[first]));
  // Rows in table order; an end before the start leaves only the first point.
  for (std::size_t row = first + 1; row <= static_cast<std::size_t>(std::max(series.DataEndLine, 0)); ++row) {
    const std::int64_t px = area.WidePixelX(xs[row]);
    const std::int64_t py = area.WidePixelY(ys[row]);
    marker(px, py);
    if (DrawsLines(series)) lines.LineTo(HeldPoint(px, py));
  }
}

LegendSize MeasureLegend(Canvas& canvas, const SeriesList& series) {
  LegendSize size;
  if (series.empty()) return size;
  const int rowHeight = canvas.TextHeight(series.front().Name) + 2;
  size.Height = 2;
  for (const GSeries& s : series) {
    if (s.ShowInGraph) size.Height += rowHeight;
    size.Width = std::max(size.Width, canvas.TextWidth(s.Name) + 26);
  }
  return size;
}

void DrawLegend(Canvas& canvas, const SeriesList& series, LegendSize size, int x, int y,
                const ScatterColorsInUse& colors) {
  canvas.SetPenColor(colors.Border);
  canvas.SetBrushColor(colors.Background);
  canvas.SetPenWidth(1);
  canvas.Rectangle(x, y, x + size.Width, y + size.Height);
  if (series.empty()) return;
  const int rowHeight = canvas.TextHeight(series.front().Name) + 2;
  int row = 0;
  for (const GSeries& s : series) {
    if (!s.ShowInGraph) continue;
    const int yc = y + rowHeight * row + rowHeight / 2 + 1;
    UseSeriesPen(canvas, s, colors);
    canvas.MoveTo(x + 2, yc);
    if (DrawsLines(s)) canvas.LineTo(x + 22, yc);
    if (DrawsMarkers(s)) DrawMarker(canvas, x + 12, yc, s.MarkerType, s.MarkSize);
    canvas.SetPenColor(colors.Border);
    canvas.SetBrushColor(colors.Background);
    canvas.TextOut(x + 24, yc - canvas.TextHeight(s.Name) / 2, s.Name);
    ++row;
  }
}

}  // namespace tarn
