// Value to colour under the chosen scheme (gray, rainbow, contrast), the blue-to-red ramp
// behind the colour schemes and the scatter gradation, and the contour line pen.
#pragma once

#include "base/Color.h"
#include "canvas/Canvas.h"
#include "options/OptionsModel.h"

namespace tarn {

// The colour of `value` on the scale from `lo` to `hi`; values outside are clamped.
Color ValueColor(const OptionsModel& options, double value, double lo, double hi);

// The ramp blue - cyan - green - yellow - red; does not clamp.
Color SpectrumRGB(const OptionsModel& options, double value, double lo, double hi);

// Applies the contour line colour choice to the canvas pen; the caller sets the pen mode
// back to copy after the line.
void SetContourPen(const OptionsModel& options, Canvas& canvas);

}  // namespace tarn
