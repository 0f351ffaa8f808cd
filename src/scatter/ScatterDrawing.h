// The parts of a scatter picture: a series as markers and connecting lines in table order,
// the five marker shapes, and the legend box with a line sample, a marker and the name of
// each shown series.
#pragma once

#include <cstdint>

#include "base/Color.h"
#include "canvas/Canvas.h"
#include "render/PlotArea.h"
#include "scatter/CellValues.h"
#include "scatter/Series.h"

namespace tarn {

// The colours a scatter drawing takes from the options.
struct ScatterColorsInUse {
  Color Background;  // BKCOLOR: hollow markers, the legend box
  Color Border;      // BDColor: the legend's outline
};

// Pen and brush of the series, then its rows from DataStartLine to DataEndLine: the marker at
// each point (unless line only), then the segment that ends there (unless markers only). With
// `clip`, segments are cut at the plot rectangle and markers centred outside it left out.
void DrawSeries(Canvas& canvas, const GSeries& series, const PlotArea& area, CellValues& values,
                const ScatterColorsInUse& colors, bool clip = true);

// A marker of half-size r centred on (cx, cy) with the current pen and brush. Coordinates far
// outside the picture are held to what a metafile can store.
void DrawMarker(Canvas& canvas, std::int64_t cx, std::int64_t cy, MarkerType type, std::int64_t r);

struct LegendSize {
  int Width = 0;
  int Height = 0;
};

// Height: a row of (name height + 2) per shown series, plus 2; width: the widest name of all
// series, hidden ones too, plus 26. Names are measured in the canvas font.
LegendSize MeasureLegend(Canvas& canvas, const SeriesList& series);

// The box at (x, y) and one row per shown series, names on an opaque background in the
// canvas font's own colour.
void DrawLegend(Canvas& canvas, const SeriesList& series, LegendSize size, int x, int y,
                const ScatterColorsInUse& colors);

}  // namespace tarn
