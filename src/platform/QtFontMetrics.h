// The font measurement port backed by Qt: text sizes of the installed font a face maps to.
#pragma once

#include <QFontMetrics>
#include <optional>

#include "canvas/Canvas.h"

namespace tarn {

class QtFontMetrics final : public FontMetrics {
 public:
  // Starts the font system if the program has not (see EnsureFontSystem).
  QtFontMetrics();

  // Sum of the characters' advances, as the platform measures a text.
  int TextWidth(const FontChoice& font, std::string_view text) override;
  // Ascent plus descent of the font, whatever the text.
  int TextHeight(const FontChoice& font, std::string_view text) override;
  std::vector<int> Advances(const FontChoice& font, std::string_view text) override;

 private:
  const QFontMetrics& MetricsFor(const FontChoice& font);

  // The last font measured: the renderers measure many texts in one font.
  std::optional<FontChoice> cachedSpec_;
  std::optional<QFontMetrics> cached_;
};

}  // namespace tarn
