// The left margin of a picture, shared by the contour and scatter pictures: it grows from 30
// pixels until the free strip left of the y labels and y title is wider than the strip right
// of the plot. Below 80 the plot keeps its size (W - 90 by H - 90) and moves right; from 80 on
// the right margin stays 10 and the plot shrinks by a pixel each way per step.
#pragma once

#include <functional>

#include "base/FontChoice.h"
#include "render/PlotArea.h"
#include "render/RenderContext.h"

namespace tarn {

// A data range of one axis.
struct Extent {
  double Min = 0;
  double Max = 0;
};

inline constexpr const char* kNoMarginMessage = "作成に失敗";

// A range typed into its two edits, the maximum read first (a text that is no number throws
// ConversionError from the first bad edit, as the redraws have always reported it).
Extent TypedRange(const OptionsModel& options, OptionEdit minBox, OptionEdit maxBox);

// The plot rectangle and scales of margin m in a width x height picture.
PlotArea AreaForMargin(int m, int width, int height, Extent x, Extent y);

// Tries m = 30 ... 130 on the context's canvas, which only measures. `eachTrial` runs in every
// trial after the font is set and before the measurement (the contour picture resolves its
// value range and step there). When no margin fits, "作成に失敗" is shown and m = 130 is kept.
PlotArea SearchLeftMargin(RenderContext& context, const FontChoice& graphFont, int width, int height, Extent x,
                          Extent y, const std::function<void(const PlotArea&)>& eachTrial = nullptr);

}  // namespace tarn
