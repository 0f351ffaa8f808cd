#include "platform/QtFontMetrics.h"

#include <numeric>

#include "canvas/Utf16.h"
#include "platform/FontSystem.h"

namespace tarn {

QtFontMetrics::QtFontMetrics() { EnsureFontSystem(); }

int QtFontMetrics::TextWidth(const FontChoice& font, std::string_view text) {
  const std::vector<int> advances = Advances(font, text);
  return std::accumulate(advances.begin(), advances.end(), 0);
}

int QtFontMetrics::TextHeight(const FontChoice& font, std::string_view) { return MetricsFor(font).height(); }

// One advance per UTF-16 unit; a surrogate pair's advance sits on its first unit.
std::vector<int> QtFontMetrics::Advances(const FontChoice& font, std::string_view text) {
  const QFontMetrics& metrics = MetricsFor(font);
  const std::u16string units = Utf8ToUtf16(text);
  std::vector<int> advances(units.size(), 0);
  for (std::size_t i = 0; i < units.size(); ++i) {
    const bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size();
    const QString character = QString::fromUtf16(units.data() + i, pair ? 2 : 1);
    advances[i] = metrics.horizontalAdvance(character);
    if (pair) ++i;
  }
  return advances;
}

const QFontMetrics& QtFontMetrics::MetricsFor(const FontChoice& font) {
  if (!cachedSpec_ || !(*cachedSpec_ == font)) {
    cached_.emplace(MakeQFont(font));
    cachedSpec_ = font;
  }
  return *cached_;
}

}  // namespace tarn
