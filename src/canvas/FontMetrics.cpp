#include <cstddef>

#include "canvas/Canvas.h"
#include "canvas/Utf16.h"

namespace tarn {

std::vector<int> FontMetrics::Advances(const FontChoice& font, std::string_view text) {
  const std::u16string units = Utf8ToUtf16(text);
  std::vector<int> advances;
  advances.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size();
    const std::size_t length = pair ? 2 : 1;
    advances.push_back(TextWidth(font, Utf16ToUtf8(std::u16string_view(units).substr(i, length))));
    if (pair) advances.push_back(0);
    i += length - 1;
  }
  return advances;
}

}  // namespace tarn
