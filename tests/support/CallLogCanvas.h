// A canvas for renderer tests: it records every drawing call as one line of text, with the
// pen, brush and font state that the call used, and measures text with a fixed-width rule.
#pragma once

#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace tarn::testing {

class CallLogCanvas : public Canvas {
 public:
  // Each character is `charWidth` pixels wide; every text is `textHeight` pixels high.
  explicit CallLogCanvas(int charWidth = 6, int textHeight = 12)
      : charWidth_(charWidth), textHeight_(textHeight) {}

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void SetPixel(int x, int y, Color color) override;

  // Lines such as "LineTo 10 20 pen=0000ff w=1 mode=copy", "Polygon 1,2 3,4 5,6 brush=..." or
  // "SetPixel 3 4 00ff00", in call order.
  const std::vector<std::string>& Calls() const { return calls_; }
  // Only the calls whose text starts with `prefix`.
  std::vector<std::string> CallsStartingWith(std::string_view prefix) const;
  void Clear() { calls_.clear(); }

 private:
  std::string PenText() const;
  std::string BrushText() const;

  int charWidth_;
  int textHeight_;
  std::vector<std::string> calls_;
};

// "rrggbb" of a colour (red first, as people write colours).
std::string HexColor(Color color);

}  // namespace tarn::testing
