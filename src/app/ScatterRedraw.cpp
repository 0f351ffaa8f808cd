// The scatter picture, in drawing order: background, frame and axes, the shown series in list
// order, and the legend where the person clicked. The automatic x and y ranges cover the rows
// of the shown series only.
#include <algorithm>
#include <cmath>

#include "app/DistinctMessages.h"
#include "app/Redraw.h"
#include "app/ScatterCommands.h"
#include "base/NumberText.h"
#include "canvas/MetafileRecorder.h"
#include "render/Axes.h"
#include "render/MarginSearch.h"
#include "render/PictureBudget.h"
#include "scatter/CellValues.h"
#include "scatter/ScatterDrawing.h"

namespace tarn {

namespace {

struct RangeOptions {
  OptionEdit MinBox;
  OptionEdit MaxBox;
  OptionCheck AutoSwitch;
  std::int32_t GSeries::*Column;
};

constexpr RangeOptions kXRange{OptionEdit::XMinBox, OptionEdit::XMaxBox, OptionCheck::XMMAuto, &GSeries::XCol};
constexpr RangeOptions kYRange{OptionEdit::YminBox, OptionEdit::YMaxBox, OptionCheck::YMMAuto, &GSeries::YCol};

// Every value of the shown series' rows widens the range, which is written back after each
// value that changes it (writing an unchanged text would change nothing). Without any such row
// the range stays 0 to 1 and the edits are left alone.
Extent DataRange(OptionsModel& options, const SeriesList& series, CellValues& values, const RangeOptions& which) {
  Extent range{0, 1};
  bool first = true;
  for (const GSeries& s : series) {
    if (!s.ShowInGraph) continue;
    const std::vector<double>& column = values.Column(s.*which.Column);
    for (std::int32_t row = s.DataStartLine; row <= s.DataEndLine; ++row) {
      const double v = column[static_cast<std::size_t>(row)];
      if (!first && v >= range.Min && v <= range.Max) continue;
      range = first ? Extent{v, v} : Extent{std::min(range.Min, v), std::max(range.Max, v)};
      first = false;
      options.WriteBack(which.MaxBox, range.Max, which.AutoSwitch);
      options.WriteBack(which.MinBox, range.Min, which.AutoSwitch);
    }
  }
  return range;
}

Extent AxisRange(OptionsModel& options, const SeriesList& series, CellValues& values, const RangeOptions& which) {
  if (options.Checked(which.AutoSwitch)) return DataRange(options, series, values, which);
  return TypedRange(options, which.MinBox, which.MaxBox);
}

// One point or a flat series has no width to scale; it is drawn in the middle of a range
// widened around its value (the automatic edits show the widened range).
Extent Widened(OptionsModel& options, Extent range, const RangeOptions& which) {
  if (range.Max != range.Min) return range;
  const double half = range.Min == 0 ? 1 : std::abs(range.Min) / 10;
  const Extent wide{range.Min - half, range.Max + half};
  if (options.Checked(which.AutoSwitch)) {
    options.WriteBack(which.MaxBox, wide.Max, which.AutoSwitch);
    options.WriteBack(which.MinBox, wide.Min, which.AutoSwitch);
  }
  return wide;
}

void DrawScatterPicture(Document& doc, RenderContext& context, const PlotArea& area, CellValues& values,
                        const ScatterColorsInUse& colors) {
  Canvas& canvas = context.Target;
  canvas.SetFont(doc.GraphFont);
  canvas.SetBrushColor(colors.Background);
  canvas.SetPenColor(colors.Background);
  canvas.Rectangle(0, 0, doc.ImageWidth, doc.ImageHeight);
  canvas.SetPenColor(colors.Border);
  canvas.SetFontColor(colors.Border);
  DrawAxes(context, area, doc.GraphFont);
  for (const GSeries& s : doc.Scatter.Series) {
    if (s.ShowInGraph) DrawSeries(canvas, s, area, values, colors);
  }
}

// With the legend on, a clicked position gets the legend; otherwise its size is measured and
// the picture waits for the click.
void FinishLegend(Document& doc, Canvas& canvas, const ScatterColorsInUse& colors) {
  if (!doc.Options.Checked(OptionCheck::MakeLegendCheck)) return;
  LegendState& legend = doc.Scatter.Legend;
  if (legend.Ready) {
    DrawLegend(canvas, doc.Scatter.Series, {legend.Width, legend.Height}, legend.X, legend.Y, colors);
    legend.Ready = false;
  } else {
    const LegendSize size = MeasureLegend(canvas, doc.Scatter.Series);
    legend.Width = size.Width;
    legend.Height = size.Height;
    doc.LegendPending = true;
  }
}

}  // namespace

void SanpReDrawExecute(Document& doc, UserInterface& ui, FontMetrics& metrics) {
  ScatterData& scatter = doc.Scatter;
  if (scatter.Series.empty()) {
    ui.ShowMessage(MessageKind::Warning, kNoDataMessage);
    return;
  }
  if (!SeriesFitTable(scatter.Series, scatter.Grid)) {
    ui.ShowMessage(MessageKind::Warning, kBadSeriesRangeMessage);
    return;
  }
  // The picture that waited for a legend click is about to be replaced.
  doc.LegendPending = false;
  CellValues values(scatter.Grid);
  OptionsModel& options = doc.Options;
  const Extent x = Widened(options, AxisRange(options, scatter.Series, values, kXRange), kXRange);
  const Extent y = Widened(options, AxisRange(options, scatter.Series, values, kYRange), kYRange);
  AssignSeriesColors(scatter.Series, options);
  doc.Notify(DocumentChange::Scatter);
  std::uint64_t rows = 0;
  for (const GSeries& s : scatter.Series) {
    if (s.ShowInGraph) rows += static_cast<std::uint64_t>(std::max(s.DataEndLine - s.DataStartLine, 0) + 1);
  }
  RequireWithinPictureBudget(LeastScatterPictureBytes(rows));

  MetafileRecorder measure(doc.ImageWidth, doc.ImageHeight, metrics);
  RenderContext measuring{measure, options, ui, doc.CancelRequested, doc.MeshOutdated};
  const PlotArea area = SearchLeftMargin(measuring, doc.GraphFont, doc.ImageWidth, doc.ImageHeight, x, y);

  MetafileRecorder recorder(doc.ImageWidth, doc.ImageHeight, metrics, kKeepPensAndBrushes);
  RenderContext drawing{recorder, options, ui, doc.CancelRequested, doc.MeshOutdated};
  const ScatterColorsInUse colors{options.GetColor(OptionColor::BKCOLOR), options.GetColor(OptionColor::BDColor)};
  DrawScatterPicture(doc, drawing, area, values, colors);
  FinishLegend(doc, recorder, colors);
  doc.SetPicture(recorder.Finish(), doc.ImageWidth, doc.ImageHeight, area);
}

void GraphImageMouseDown(Document& doc, UserInterface& port, FontMetrics& metrics, int x, int y) {
  if (!doc.LegendPending) return;
  DistinctMessages ui(port);
  doc.LegendPending = false;
  doc.Scatter.Legend.X = x;
  doc.Scatter.Legend.Y = y;
  doc.Scatter.Legend.Ready = true;
  SanpReDrawExecute(doc, ui, metrics);
}

}  // namespace tarn
