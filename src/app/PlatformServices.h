// What the commands need of the platform beyond the user-interface port: text measurement
// for recording pictures, and playing a recorded picture onto a bitmap.
#pragma once

#include <functional>
#include <string_view>

#include "canvas/Bitmap24.h"
#include "canvas/Canvas.h"

namespace tarn {

struct PlatformServices {
  FontMetrics& Metrics;
  std::function<Bitmap24(std::string_view metafile)> RenderPicture;
};

}  // namespace tarn
