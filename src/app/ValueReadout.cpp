#include "app/ValueReadout.h"

#include <cmath>

#include "base/NumberText.h"
#include "render/ContourPixels.h"
#include "render/TriangleGrid.h"

namespace tarn {

namespace {

// A coordinate rounded to the power of ten that one pixel of its axis spans (or finer), so the
// text neither hides a pixel's step nor shows digits no pixel can tell apart.
// A typed range may run backwards: only the scale's size counts.
std::string CoordinateText(double value, double pixelsPerUnit) {
  const double perUnit = std::fabs(pixelsPerUnit);
  if (!(perUnit > 0) || !std::isfinite(perUnit)) return FloatToText(value, 6);
  const double quantum = std::pow(10.0, std::floor(std::log10(1 / perUnit)));
  return FloatToText(RoundHalfEven(value / quantum) * quantum, 15);
}

}  // namespace

std::optional<Readout> PixelToData(const PlotArea& plot, int px, int py) {
  if (px < RoundToPixel(plot.Left) || px > RoundToPixel(plot.Right)) return std::nullopt;
  if (py < plot.Row(plot.Top) || py > plot.Row(plot.Bottom)) return std::nullopt;
  if (plot.XScale == 0 || plot.YScale == 0) return std::nullopt;
  // The per-pixel fill's own inverse, operand for operand, so the value read is the one drawn.
  Readout at;
  at.X = (px - plot.Left) / plot.XScale + plot.XMin;
  at.Y = ((plot.PictureHeight - py) - plot.Bottom) / plot.YScale + plot.YMin;
  return at;
}

std::string ReadoutText(const Readout& readout, const PlotArea& plot) {
  std::string text = "X = " + CoordinateText(readout.X, plot.XScale) + "   Y = " + CoordinateText(readout.Y, plot.YScale);
  if (readout.Value) text += "   値 = " + FloatToText(*readout.Value, 6);
  return text;
}

ValueReadout::ValueReadout() = default;
ValueReadout::~ValueReadout() = default;

void ValueReadout::DataChanged() {
  grid_.reset();
  built_ = false;
}

// A mesh that no longer fits the points was not drawn from them and gives no values; that is
// checked once per grid, not per question.
const TriangleGrid* ValueReadout::GridFor(const Document& doc) {
  const bool same = built_ && gridPoints_ == doc.DataPoints.data() && gridPointCount_ == doc.DataPoints.size() &&
                    gridMesh_ == doc.Mesh.data() && gridTriangleCount_ == doc.Mesh.size();
  if (!same) {
    grid_.reset();
    if (MeshFitsPoints(doc.Mesh, doc.DataPoints)) grid_ = std::make_unique<TriangleGrid>(doc.DataPoints, doc.Mesh);
    built_ = true;
    gridPoints_ = doc.DataPoints.data();
    gridPointCount_ = doc.DataPoints.size();
    gridMesh_ = doc.Mesh.data();
    gridTriangleCount_ = doc.Mesh.size();
  }
  return grid_.get();
}

std::optional<Readout> ValueReadout::At(const Document& doc, int px, int py, bool withValue) {
  if (!doc.PlotOfPicture) return std::nullopt;
  std::optional<Readout> at = PixelToData(*doc.PlotOfPicture, px, py);
  if (!at || !withValue) return at;
  const TriangleGrid* grid = GridFor(doc);
  const TriangleIndex found = grid ? grid->Find(at->X, at->Y) : kNoTriangle;
  if (found == kNoTriangle) return std::nullopt;
  at->Value = PlaneValue(doc.DataPoints, doc.Mesh[static_cast<std::size_t>(found)], at->X, at->Y);
  return at;
}

}  // namespace tarn
