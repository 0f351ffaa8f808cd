// A font as the graph text uses it: face, character height in pixels, style and colour.
#pragma once

#include <string>

#include "base/Color.h"

namespace tarn {

struct FontChoice {
  std::string Face = "ＭＳ Ｐゴシック";
  int PixelHeight = 12;
  bool Bold = false;
  bool Italic = false;
  Color TextColor = kBlack;
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

}  // namespace tarn
