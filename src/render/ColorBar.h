// The colour legend of a contour graph: a horizontal bar in the strip above the plot, coloured
// as the contour fill, with the value title on its left and the range ends written above it.
#pragma once

#include "render/PlotArea.h"
#include "render/RenderContext.h"

namespace tarn {

// `s` is the contour step, vmin and vmax the range of the colour scale; of the area only
// Left, Top and Right (and the picture height) are used. Expects the pen colour BDColor.
// An empty range or a bar without width gets frame, title and labels but no colours.
void DrawColorBar(RenderContext& context, double s, const PlotArea& area, double vmin, double vmax);

}  // namespace tarn
