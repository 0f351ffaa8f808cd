// The drawing surface every renderer draws on: a GDI-style canvas with a current pen, brush
// and font, and the few drawing calls the graphs need. Recording and playing live elsewhere.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/FontChoice.h"

namespace tarn {

// A pixel position of the picture; rows grow downwards.
struct PixelPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The platform's pen styles, numbered as it numbers them.
enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Clear = 5 };

// Copy paints the pen colour; Not inverts every pixel under the line (the colour plays no part).
enum class PenMode { Copy, Not };

// Solid fills shapes and puts an opaque background behind text and into the gaps of dashed
// lines drawn after it; Clear does neither.
enum class BrushStyle { Solid, Clear };

struct Pen {
  Color PenColor = kBlack;
  int Width = 1;
  PenStyle Style = PenStyle::Solid;
  PenMode Mode = PenMode::Copy;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  Color BrushColor = kWhite;
  BrushStyle Style = BrushStyle::Solid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

// A font is the graph's FontChoice turned by `Escapement` tenths of a degree counter-clockwise
// (900 = text running upwards); the orientation of each character always equals it.
struct CanvasFont {
  FontChoice Choice;
  int Escapement = 0;
  friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// The canvas keeps the current pen, brush and font; a concrete canvas turns the drawing calls
// into records or pixels, reading that state at the moment of each call.
class Canvas {
 public:
  virtual ~Canvas() = default;

  const Pen& CurrentPen() const { return pen_; }
  void SetPen(const Pen& pen) { pen_ = pen; }
  void SetPenColor(Color color) { pen_.PenColor = color; }
  void SetPenWidth(int width) { pen_.Width = width; }
  void SetPenStyle(PenStyle style) { pen_.Style = style; }
  void SetPenMode(PenMode mode) { pen_.Mode = mode; }

  const Brush& CurrentBrush() const { return brush_; }
  void SetBrush(const Brush& brush) { brush_ = brush; }
  void SetBrushColor(Color color) { brush_.BrushColor = color; }
  void SetBrushStyle(BrushStyle style) { brush_.Style = style; }

  const CanvasFont& CurrentFont() const { return font_; }
  void SetFont(const CanvasFont& font) { font_ = font; }
  // A new face, size, style and colour; the escapement goes back to 0.
  void SetFont(const FontChoice& choice) { font_ = CanvasFont{choice, 0}; }
  void SetFontColor(Color color) { font_.Choice.TextColor = color; }
  void SetFontEscapement(int tenthsOfDegree) { font_.Escapement = tenthsOfDegree; }

  // The current position, moved by MoveTo, LineTo and TextOut.
  virtual void MoveTo(int x, int y) = 0;
  // A line from the current position to (x, y), without its last pixel; (x, y) becomes current.
  virtual void LineTo(int x, int y) = 0;
  // Filled with the brush (alternate rule) and outlined with the pen; the outline is closed.
  virtual void Polygon(std::span<const PixelPoint> points) = 0;
  // The box from (left, top) to (right, bottom); the right column and bottom row stay outside.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // UTF-8 text with its top-left (before turning) at (x, y), in the font colour; with a solid
  // brush the text cell is first filled with the brush colour. Afterwards the current position
  // is (x + text width, y), as the platform's canvas leaves it.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // The size of the unturned text in the current font, in pixels.
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  virtual void SetPixel(int x, int y, Color color) = 0;

 private:
  Pen pen_;
  Brush brush_;
  CanvasFont font_;
};

// Text measurement for a font, supplied by the platform so the core stays free of it.
class FontMetrics {
 public:
  virtual ~FontMetrics() = default;
  virtual int TextWidth(const FontChoice& font, std::string_view text) = 0;
  virtual int TextHeight(const FontChoice& font, std::string_view text) = 0;
  // The advance of each UTF-16 code unit of the text (0 for the second unit of a pair), as a
  // metafile stores them; by default the width of each character measured alone.
  virtual std::vector<int> Advances(const FontChoice& font, std::string_view text);
};

}  // namespace tarn
