// Reading the picture under the mouse: the data point of a pixel of the last picture and, for a
// contour or mesh picture, the value the mesh gives there.
//
// A pixel (px, py) maps back through the plot's linear scales (rows count down from the top of
// a picture H pixels high, while Bottom and Top are distances above its bottom edge):
//
//   x = (px - Left) / XScale + XMin        y = ((H - py) - Bottom) / YScale + YMin
//
// Only pixels on or inside the plot frame give a point. The value is the plane through the three
// samples of the triangle that holds the point, exactly as the per-pixel fill computes it: the
// same inverse, the same triangle (the last in list order that holds the point, found through the
// fill's bucket grid) and the same PlaneValue. The grid is built on the first question after the
// mesh or the points changed, so a question costs a few triangle tests even on 10^6 triangles.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/Document.h"
#include "render/PlotArea.h"

namespace tarn {

class TriangleGrid;

// A point in data coordinates, with the mesh's value there when one was asked for and found.
struct Readout {
  double X = 0;
  double Y = 0;
  std::optional<double> Value;
};

// The data point under pixel (px, py), or nothing outside the plot frame.
std::optional<Readout> PixelToData(const PlotArea& plot, int px, int py);

// The status bar's text: "X = 1.25   Y = 3.5   値 = 0.734", or without the value. The
// coordinates show as many digits as a pixel resolves, the value six significant digits.
std::string ReadoutText(const Readout& readout, const PlotArea& plot);

class ValueReadout {
 public:
  ValueReadout();
  ~ValueReadout();
  ValueReadout(const ValueReadout&) = delete;
  ValueReadout& operator=(const ValueReadout&) = delete;

  // The mesh or the points changed: the grid is built again at the next question.
  void DataChanged();

  // What pixel (px, py) of the document's picture shows: nothing without a kept plot or outside
  // it; with `withValue` (a contour or mesh picture) also nothing outside every triangle.
  std::optional<Readout> At(const Document& doc, int px, int py, bool withValue);

 private:
  const TriangleGrid* GridFor(const Document& doc);

  std::unique_ptr<TriangleGrid> grid_;  // none for a mesh that does not fit the points
  bool built_ = false;
  // What the grid was built from, so that a change nobody announced still rebuilds it.
  const Points* gridPoints_ = nullptr;  // not owned; only compared
  std::size_t gridPointCount_ = 0;
  const MeshTriangle* gridMesh_ = nullptr;  // not owned; only compared
  std::size_t gridTriangleCount_ = 0;
};

}  // namespace tarn
