#include "canvas/CanvasObjects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/EmfFormat.h"
#include "canvas/Utf16.h"

namespace tarn {
namespace {

bool HasNonAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

EmfPen ToEmfPen(const Pen& pen) {
  return EmfPen{static_cast<std::uint32_t>(pen.Style), std::max(pen.Width, 0), pen.PenColor};
}

EmfBrush ToEmfBrush(const Brush& brush) {
  const bool solid = brush.Style == BrushStyle::Solid;
  return EmfBrush{solid ? emf::kBrushSolid : emf::kBrushNull, brush.BrushColor};
}

// Japanese faces carry the Shift-JIS character set, so readers pick a font that has the
// characters; turned text asks for an outline font, which is what can be turned.
EmfFont ToEmfFont(const CanvasFont& font) {
  EmfFont out;
  out.Height = -font.Choice.PixelHeight;
  out.Escapement = font.Escapement;
  out.Orientation = font.Escapement;
  out.Weight = font.Choice.Bold ? emf::kWeightBold : emf::kWeightNormal;
  out.Italic = font.Choice.Italic;
  out.CharSet = HasNonAscii(font.Choice.Face) ? emf::kCharSetShiftJis : emf::kCharSetDefault;
  out.OutPrecision = font.Escapement != 0 ? emf::kOutPrecisionTrueType : 0;
  out.Face = Utf8ToUtf16(font.Choice.Face);
  return out;
}

PixelBox TurnedTextBox(PixelPoint origin, int width, int height, int escapement) {
  if (width <= 0 || height <= 0) return PixelBox{};
  const double angle = escapement / 10.0 * std::numbers::pi / 180.0;
  // Rows grow downwards, so a counter-clockwise turn maps the text direction (1, 0) to
  // (cos, -sin) and the downward direction (0, 1) to (sin, cos). The cell is the area
  // [0, width) x [0, height); the box holds the pixels that area covers once turned.
  const double c = std::cos(angle), s = std::sin(angle);
  const double w = width, h = height;
  const double xs[4] = {0, w * c, h * s, w * c + h * s};
  const double ys[4] = {0, -w * s, h * c, -w * s + h * c};
  const auto [xMin, xMax] = std::minmax_element(xs, xs + 4);
  const auto [yMin, yMax] = std::minmax_element(ys, ys + 4);
  // Snap values within rounding noise of a whole pixel (cos 90 degrees is not exactly 0).
  const auto snap = [](double v) { return std::fabs(v - std::round(v)) < 1e-9 ? std::round(v) : v; };
  return PixelBox{origin.X + static_cast<int>(std::floor(snap(*xMin))), origin.Y + static_cast<int>(std::floor(snap(*yMin))),
                  origin.X + static_cast<int>(std::ceil(snap(*xMax))) - 1,
                  origin.Y + static_cast<int>(std::ceil(snap(*yMax))) - 1};
}

}  // namespace tarn
