// The 256-colour halftone palette of the EPS raster image: a 6 x 6 x 6 colour cube (levels 0,
// 51, ..., 255) and 40 further gray levels, eight between each pair of the cube's grays.
#pragma once

#include "base/Color.h"

namespace tarn {

// The palette colour nearest to `color` (squared distance in RGB; a tie keeps the cube colour).
Color NearestHalftoneColor(Color color);

}  // namespace tarn
