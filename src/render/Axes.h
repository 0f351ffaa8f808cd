// The non-data part of a graph: frame or detached axes in one of three graph patterns, grid
// lines or tick marks, tick labels and axis titles; and, drawn nowhere, the leftmost column
// that the Y labels and the Y title will take, which the margin search needs beforehand.
#pragma once

#include "base/FontChoice.h"
#include "render/PlotArea.h"
#include "render/RenderContext.h"

namespace tarn {

// The leftmost pixel column of the Y labels and the Y title as DrawAxes will place them with
// the same area and options (room for the title is kept even when it is hidden). Writes an
// automatic Y step back into YStepBox just as DrawAxes does.
int MeasureLeftExtent(RenderContext& context, const PlotArea& area);

// Draws frame or axes, grid or ticks, labels and titles in the colours BDColor on BKCOLOR,
// then makes `graphFont` (with its own colour) the canvas font again. Automatic steps are
// written back into XStepBox and YStepBox; a typed step that is no number throws
// ConversionError before anything is drawn.
void DrawAxes(RenderContext& context, const PlotArea& area, const FontChoice& graphFont);

}  // namespace tarn
