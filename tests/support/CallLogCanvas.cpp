#include "support/CallLogCanvas.h"

#include <cstdio>

namespace tarn::testing {

std::string HexColor(Color color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
  return text;
}

std::string CallLogCanvas::PenText() const {
  const Pen& pen = CurrentPen();
  return "pen=" + HexColor(pen.PenColor) + " w=" + std::to_string(pen.Width) +
         " mode=" + (pen.Mode == PenMode::Copy ? "copy" : "not");
}

std::string CallLogCanvas::BrushText() const { return "brush=" + HexColor(CurrentBrush().BrushColor); }

void CallLogCanvas::MoveTo(int x, int y) {
  calls_.push_back("MoveTo " + std::to_string(x) + " " + std::to_string(y));
}

void CallLogCanvas::LineTo(int x, int y) {
  calls_.push_back("LineTo " + std::to_string(x) + " " + std::to_string(y) + " " + PenText());
}

void CallLogCanvas::Polygon(std::span<const PixelPoint> points) {
  std::string line = "Polygon";
  for (const PixelPoint& p : points) line += " " + std::to_string(p.X) + "," + std::to_string(p.Y);
  calls_.push_back(line + " " + BrushText() + " " + PenText());
}

void CallLogCanvas::Rectangle(int left, int top, int right, int bottom) {
  calls_.push_back("Rectangle " + std::to_string(left) + " " + std::to_string(top) + " " +
                   std::to_string(right) + " " + std::to_string(bottom) + " " + BrushText() + " " + PenText());
}

void CallLogCanvas::Ellipse(int left, int top, int right, int bottom) {
  calls_.push_back("Ellipse " + std::to_string(left) + " " + std::to_string(top) + " " +
                   std::to_string(right) + " " + std::to_string(bottom) + " " + BrushText() + " " + PenText());
}

void CallLogCanvas::TextOut(int x, int y, std::string_view text) {
  const CanvasFont& font = CurrentFont();
  calls_.push_back("TextOut " + std::to_string(x) + " " + std::to_string(y) + " \"" + std::string(text) +
                   "\" color=" + HexColor(font.Choice.TextColor) + " esc=" + std::to_string(font.Escapement) +
                   " " + BrushText());
}

int CallLogCanvas::TextWidth(std::string_view text) { return charWidth_ * static_cast<int>(text.size()); }

int CallLogCanvas::TextHeight(std::string_view) { return textHeight_; }

void CallLogCanvas::SetPixel(int x, int y, Color color) {
  calls_.push_back("SetPixel " + std::to_string(x) + " " + std::to_string(y) + " " + HexColor(color));
}

std::vector<std::string> CallLogCanvas::CallsStartingWith(std::string_view prefix) const {
  std::vector<std::string> matching;
  for (const std::string& call : calls_) {
    if (std::string_view(call).starts_with(prefix)) matching.push_back(call);
  }
  return matching;
}

}  // namespace tarn::testing
