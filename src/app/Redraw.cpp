#include "app/Redraw.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/BusyScope.h"
#include "app/CommandBoundary.h"
#include "app/DistinctMessages.h"
#include "app/MeshCommands.h"
#include "app/ScatterCommands.h"
#include "base/NumberText.h"
#include "canvas/MetafileRecorder.h"
#include "render/Axes.h"
#include "render/ColorBar.h"
#include "render/ContourBands.h"
#include "render/ContourPixels.h"
#include "render/MarginSearch.h"
#include "render/MeshDrawing.h"
#include "render/NiceStep.h"
#include "render/PictureBudget.h"

namespace tarn {

namespace {

constexpr int kPanelTop = 32;

// The smallest and largest of one field over all points, starting from point 0.
template <typename Field>
Extent ExtentOf(const PointList& points, Field field) {
  Extent e{field(points[0]), field(points[0])};
  for (const Points& p : points) {
    e.Min = std::min<double>(e.Min, field(p));
    e.Max = std::max<double>(e.Max, field(p));
  }
  return e;
}

// A range from the data (written back into its edits, the switch ticked again) or from the
// edits when the automatic switch is off.
Extent ResolveRange(OptionsModel& options, OptionEdit minBox, OptionEdit maxBox, OptionCheck autoSwitch,
                    Extent data) {
  if (options.Checked(autoSwitch)) {
    options.WriteBack(maxBox, data.Max, autoSwitch);
    options.WriteBack(minBox, data.Min, autoSwitch);
    return data;
  }
  return TypedRange(options, minBox, maxBox);
}

bool IsDrawableRange(Extent e) { return std::isfinite(e.Min) && std::isfinite(e.Max) && e.Max != e.Min; }

struct Layout {
  PlotArea Area;
  Extent Values;
  double Step = 0;
};

// The value range and step of one margin trial.
void ResolveValues(Document& doc, UserInterface& ui, Layout& layout) {
  OptionsModel& options = doc.Options;
  layout.Values = ResolveRange(options, OptionEdit::ValueMinBox, OptionEdit::ValueMaxBox, OptionCheck::ValueMMAuto,
                               ExtentOf(doc.DataPoints, [](const Points& p) { return p.Value; }));
  if (options.Checked(OptionCheck::ValueStepAuto)) {
    layout.Step = NiceStep(layout.Values.Min, layout.Values.Max, ui) / 10;
    options.WriteBack(OptionEdit::ValueStepBox, layout.Step, OptionCheck::ValueStepAuto);
  } else {
    layout.Step = TextToFloat(options.Text(OptionEdit::ValueStepBox));
  }
}

// The margin search, resolving the value range and step in every trial as the picture needs.
Layout SearchMargin(Document& doc, UserInterface& ui, Canvas& measure, Extent x, Extent y) {
  Layout layout;
  RenderContext context{measure, doc.Options, ui, doc.CancelRequested, doc.MeshOutdated};
  layout.Area = SearchLeftMargin(context, doc.GraphFont, doc.ImageWidth, doc.ImageHeight, x, y,
                                 [&](const PlotArea&) { ResolveValues(doc, ui, layout); });
  return layout;
}

void DrawContourPicture(Document& doc, UserInterface& ui, Canvas& canvas, const Layout& layout) {
  RenderContext context{canvas, doc.Options, ui, doc.CancelRequested, doc.MeshOutdated};
  const Color back = doc.Options.GetColor(OptionColor::BKCOLOR);
  const Color border = doc.Options.GetColor(OptionColor::BDColor);
  canvas.SetFont(doc.GraphFont);
  canvas.SetBrushColor(back);
  canvas.SetPenColor(back);
  canvas.Rectangle(0, 0, doc.ImageWidth, doc.ImageHeight);
  canvas.SetPenColor(border);
  canvas.SetFontColor(border);
  const Extent v = layout.Values;
  DrawColorBar(context, layout.Step, layout.Area, v.Min, v.Max);
  if (doc.Mode.ContourButton) {
    if (doc.Options.GetFillStyle() == FillStyle::PaintBitMapContour) {
      DrawContourPixels(context, doc.DataPoints, doc.Mesh, v.Min, v.Max, layout.Area);
    }
    DrawContourBands(context, doc.DataPoints, doc.Mesh, v.Min, v.Max, layout.Area, layout.Step);
  }
  if (doc.Mode.MeshButton) DrawMesh(context, doc.DataPoints, doc.Mesh, layout.Area);
  DrawAxes(context, layout.Area, doc.GraphFont);
}

// What the picture will draw, for the size check before drawing.
ContourPictureWork WorkOf(const Document& doc, const Layout& layout) {
  const FillStyle fill = doc.Options.GetFillStyle();
  const double width = std::max(0.0, layout.Area.Right - layout.Area.Left + 1);
  const double height = std::max(0.0, layout.Area.Top - layout.Area.Bottom + 1);
  return {doc.Mode.ContourButton && (fill == FillStyle::PaintMetaContour || doc.Options.Checked(OptionCheck::ShowLine)),
          doc.Mode.ContourButton && fill == FillStyle::PaintBitMapContour, doc.Mode.MeshButton,
          static_cast<std::uint64_t>(width * height)};
}

// Offers the rebuild after a data load; No keeps the old mesh and stops asking.
void RebuildIfWanted(Document& doc, UserInterface& ui) {
  if (!doc.MeshOutdated) return;
  if (ui.Ask(kRebuildQuestion)) {
    MakeMeshExecute(doc, ui);
  } else {
    doc.MeshOutdated = false;
  }
}

}  // namespace

bool SizingImageExecute(Document& doc, UserInterface& ui) {
  // A drawing in progress records at the size it started with.
  if (RefuseWhileBusy(doc, ui)) return false;
  const std::int64_t width = RoundToInt(TextToFloat(doc.Options.Text(OptionEdit::ImageWidth)));
  const std::int64_t height = RoundToInt(TextToFloat(doc.Options.Text(OptionEdit::ImageHeight)));
  if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
    ui.ShowMessage(MessageKind::Warning, kBadImageSizeMessage);
    return false;
  }
  doc.ImageWidth = static_cast<int>(width);
  doc.ImageHeight = static_cast<int>(height);
  doc.WindowWidth = doc.ImageWidth > 382 ? doc.ImageWidth + 20 : 390;
  doc.WindowHeight = kPanelTop + doc.ImageHeight + 55;
  doc.Notify(DocumentChange::Picture);
  return true;
}

void PreRedrawExecute(Document& doc, UserInterface& port, FontMetrics& metrics) {
  if (RefuseWhileBusy(doc, port)) return;
  DistinctMessages ui(port);
  if (!SizingImageExecute(doc, ui)) return;
  if (doc.Mode.SanpButton) {
    SanpReDrawExecute(doc, ui, metrics);
  } else {
    RedrawExecute(doc, ui, metrics);
  }
  // A refused first redraw leaves the picture area empty; saving then writes that empty
  // picture instead of claiming that nothing was drawn.
  if (doc.Picture.empty()) {
    doc.SetPicture(MetafileRecorder(doc.ImageWidth, doc.ImageHeight, metrics).Finish(), doc.ImageWidth,
                   doc.ImageHeight, std::nullopt);
  }
  doc.GraphDrawn = true;
}

void RedrawExecute(Document& doc, UserInterface& ui, FontMetrics& metrics) {
  if (!SizingImageExecute(doc, ui)) return;
  doc.CancelRequested = false;
  if (doc.DataPoints.size() < 2) {
    ui.ShowMessage(MessageKind::Warning, kNoDataMessage);
    return;
  }
  RebuildIfWanted(doc, ui);
  const bool usesMesh = doc.Mode.ContourButton || doc.Mode.MeshButton;
  if (usesMesh && !MeshFitsPoints(doc.Mesh, doc.DataPoints)) {
    ui.ShowMessage(MessageKind::Warning, kMeshMismatchMessage);
    return;
  }
  const Extent x = ResolveRange(doc.Options, OptionEdit::XMinBox, OptionEdit::XMaxBox, OptionCheck::XMMAuto,
                                ExtentOf(doc.DataPoints, [](const Points& p) { return p.X; }));
  const Extent y = ResolveRange(doc.Options, OptionEdit::YminBox, OptionEdit::YMaxBox, OptionCheck::YMMAuto,
                                ExtentOf(doc.DataPoints, [](const Points& p) { return p.Y; }));
  if (!IsDrawableRange(x) || !IsDrawableRange(y)) {
    ui.ShowMessage(MessageKind::Warning, kFlatRangeMessage);
    return;
  }
  BusyScope busy(doc);
  doc.LegendPending = false;  // a scatter picture that waited for its legend is replaced
  MetafileRecorder measure(doc.ImageWidth, doc.ImageHeight, metrics);
  const Layout layout = SearchMargin(doc, ui, measure, x, y);
  const std::uint64_t least = LeastContourPictureBytes(doc.DataPoints, doc.Mesh, layout.Step, WorkOf(doc, layout));
  RequireWithinPictureBudget(least);
  MetafileRecorder recorder(doc.ImageWidth, doc.ImageHeight, metrics, kKeepPensAndBrushes);
  // Half as much again for the contour lines, which the estimate leaves out.
  recorder.ReserveBytes(least + least / 2);
  DrawContourPicture(doc, ui, recorder, layout);
  doc.SetPicture(recorder.Finish(), doc.ImageWidth, doc.ImageHeight, layout.Area);
}

}  // namespace tarn
