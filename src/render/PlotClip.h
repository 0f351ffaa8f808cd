// Keeping drawings inside the plot rectangle: polygons clipped against it, and lines cut at
// its edges, so that data drawn under a typed range narrower than the data never covers the
// labels or runs off the picture. What lies inside is recorded exactly as given.
#pragma once

#include <span>
#include <vector>

#include "canvas/Canvas.h"
#include "render/PlotArea.h"

namespace tarn {

// Inclusive pixel bounds: columns Left..Right, rows Top..Bottom.
struct PixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(PixelPoint p) const { return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom; }
};

// The plot rectangle of `area`, frame included.
PixelRect PlotRectangle(const PlotArea& area);

// The part of `polygon` inside `rect` (Sutherland-Hodgman, new corners rounded to pixels) into
// `clipped`; false when every corner lies inside, and the polygon is to be drawn as it is.
bool ClipPolygon(std::span<const PixelPoint> polygon, const PixelRect& rect, std::vector<PixelPoint>& clipped);

// Draws polylines on a canvas through MoveTo and LineTo, cut at the rectangle's edges: the parts
// outside are left out and a line that comes back in starts again where it enters.
class ClippedLines {
 public:
  // Without `clip` every call passes through unchanged.
  ClippedLines(Canvas& canvas, const PixelRect& rect, bool clip = true) : canvas_(canvas), rect_(rect), clip_(clip) {}

  void MoveTo(PixelPoint p);
  void LineTo(PixelPoint p);

 private:
  Canvas& canvas_;
  PixelRect rect_;
  bool clip_;
  PixelPoint at_;               // where the polyline stands
  bool canvasAtLine_ = false;   // the canvas's current position is at_
};

}  // namespace tarn
