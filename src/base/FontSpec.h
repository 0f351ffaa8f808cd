// A font as the graph text uses it: face, character height in pixels, style and colour.
#pragma once

#include <string>

#include "base/Color.h"

namespace tarn {

struct FontSpec {
  std::string Face = "ＭＳ Ｐゴシック";
  int PixelHeight = 12;
  bool Bold = false;
  bool Italic = false;
  Color TextColor = kBlack;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace tarn
