// Plays an Enhanced Metafile of ours onto a 24-bit bitmap with the platform's pixel rules.
//
// Lines leave out their last pixel, boxes their right column and bottom row, polygons fill
// by the alternate rule, R2_NOT inverts, nothing is antialiased; text is drawn with the
// recorded font by Qt's raster engine.
#pragma once

#include <string_view>

#include "canvas/Bitmap24.h"

namespace tarn {

// Plays the records onto `target` from the platform's default drawing state; the picture's
// pixel (0, 0) lands on the bitmap's (0, 0) and whatever lies outside is clipped. Throws
// MetafileError when the stream's header or a record's size is broken.
void PlayEmf(std::string_view stream, Bitmap24& target);

// A white bitmap the size of the picture (from the header's frame) with the stream played.
Bitmap24 RenderEmf(std::string_view stream);

}  // namespace tarn
