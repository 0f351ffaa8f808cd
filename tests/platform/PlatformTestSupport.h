// Helpers of the platform tests: a picture recorded through the real font metrics and
// played back, and small bitmaps written as text so expected pixels can be drawn by hand.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "canvas/Bitmap24.h"
#include "canvas/Canvas.h"

namespace tarn::testing {

// Records `draw` on a width x height metafile and plays it onto a white bitmap.
Bitmap24 DrawAndPlay(int width, int height, const std::function<void(Canvas&)>& draw);

// One character per pixel, rows separated by '\n'; colours missing from `legend` become '?'.
std::string PixelText(const Bitmap24& bitmap, const std::map<Color, char>& legend);

// The inclusive box of the pixels that differ from `background`; Right < Left when none do.
struct InkBox {
  int Left = 0, Top = 0, Right = -1, Bottom = -1;
  int Width() const { return Right - Left + 1; }
  int Height() const { return Bottom - Top + 1; }
};
InkBox FindInk(const Bitmap24& bitmap, Color background);

}  // namespace tarn::testing
