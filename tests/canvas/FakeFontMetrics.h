// Font metrics with fixed sizes, so recordings do not depend on installed fonts.
#pragma once

#include <string_view>

#include "canvas/Canvas.h"
#include "canvas/Utf16.h"

namespace tarn::testing {

// Every UTF-16 code unit is PixelHeight / 2 + 1 wide; the height is PixelHeight + 2.
class FakeFontMetrics : public FontMetrics {
 public:
  int TextWidth(const FontChoice& font, std::string_view text) override {
    return static_cast<int>(Utf8ToUtf16(text).size()) * (font.PixelHeight / 2 + 1);
  }
  int TextHeight(const FontChoice& font, std::string_view) override { return font.PixelHeight + 2; }
};

}  // namespace tarn::testing
