// The record writers: size first, then each field in file order.
#include <algorithm>
#include <cassert>
#include <limits>

#include "canvas/EmfFormat.h"
#include "canvas/EmfRecords.h"

namespace tarn {
namespace {

std::uint32_t Round4(std::uint64_t bytes) { return static_cast<std::uint32_t>((bytes + 3) / 4 * 4); }

void WriteBox(ByteWriter& out, const PixelBox& box) {
  out.I32(box.Left);
  out.I32(box.Top);
  out.I32(box.Right);
  out.I32(box.Bottom);
}

bool FitsSixteenBits(std::span<const PixelPoint> points) {
  constexpr int lo = std::numeric_limits<std::int16_t>::min();
  constexpr int hi = std::numeric_limits<std::int16_t>::max();
  return std::all_of(points.begin(), points.end(), [](const PixelPoint& p) {
    return p.X >= lo && p.X <= hi && p.Y >= lo && p.Y <= hi;
  });
}

// FaceName: at most 31 units and a NUL, the rest of the 32 units zero.
void WriteFaceName(ByteWriter& out, const std::u16string& face) {
  const std::size_t units = std::min<std::size_t>(face.size(), emf::kFaceNameUnits - 1);
  for (std::size_t i = 0; i < units; ++i) out.U16(face[i]);
  out.Zeros(2 * (emf::kFaceNameUnits - units));
}

}  // namespace

void WriteValueRecord(ByteWriter& out, std::uint32_t type, std::uint32_t value) {
  out.U32(type);
  out.U32(emf::kValueRecordSize);
  out.U32(value);
}

void WritePointRecord(ByteWriter& out, std::uint32_t type, int x, int y) {
  out.U32(type);
  out.U32(emf::kPointRecordSize);
  out.I32(x);
  out.I32(y);
}

void WriteBoxRecord(ByteWriter& out, std::uint32_t type, int left, int top, int right, int bottom) {
  out.U32(type);
  out.U32(emf::kBoxRecordSize);
  WriteBox(out, PixelBox{left, top, right, bottom});
}

// Laid out in one buffer and appended once: a per-pixel picture writes millions of these.
void WriteSetPixel(ByteWriter& out, int x, int y, Color color) {
  const std::uint32_t fields[5] = {emf::kSetPixelV, emf::kSetPixelSize, static_cast<std::uint32_t>(x),
                                   static_cast<std::uint32_t>(y), color & 0x00FFFFFFu};
  char bytes[emf::kSetPixelSize];
  for (std::size_t i = 0; i < 20; ++i) bytes[i] = static_cast<char>((fields[i / 4] >> (8 * (i % 4))) & 0xFFu);
  out.Raw(bytes, sizeof bytes);
}

void WritePolygon(ByteWriter& out, std::span<const PixelPoint> points, const PixelBox& bounds) {
  const bool narrow = FitsSixteenBits(points);
  const std::uint64_t size = emf::kPolyFixedSize + points.size() * (narrow ? 4u : 8u);
  assert(size <= std::numeric_limits<std::uint32_t>::max() && "polygon too large for one record");
  out.U32(narrow ? emf::kPolygon16 : emf::kPolygon);
  out.U32(static_cast<std::uint32_t>(size));
  WriteBox(out, bounds);
  out.U32(static_cast<std::uint32_t>(points.size()));
  for (const PixelPoint& p : points) {
    if (narrow) {
      out.I16(p.X);
      out.I16(p.Y);
    } else {
      out.I32(p.X);
      out.I32(p.Y);
    }
  }
}

void WriteCreatePen(ByteWriter& out, std::uint32_t index, const EmfPen& pen) {
  out.U32(emf::kCreatePen);
  out.U32(emf::kCreatePenSize);
  out.U32(index);
  out.U32(pen.Style);
  out.I32(pen.Width);  // width x
  out.I32(0);          // width y, unused
  out.U32(pen.PenColor & 0x00FFFFFFu);
}

void WriteCreateBrush(ByteWriter& out, std::uint32_t index, const EmfBrush& brush) {
  out.U32(emf::kCreateBrushIndirect);
  out.U32(emf::kCreateBrushSize);
  out.U32(index);
  out.U32(brush.Style);
  out.U32(brush.BrushColor & 0x00FFFFFFu);
  out.U32(0);  // hatch, unused by solid and null brushes
}

// A LogFontPanose: the LogFont, then full name, style, version fields and panose left empty.
void WriteCreateFont(ByteWriter& out, std::uint32_t index, const EmfFont& font) {
  out.U32(emf::kExtCreateFontIndirectW);
  out.U32(emf::kCreateFontSize);
  out.U32(index);
  out.I32(font.Height);
  out.I32(0);  // width: natural
  out.I32(font.Escapement);
  out.I32(font.Orientation);
  out.I32(font.Weight);
  out.U8(font.Italic ? 1 : 0);
  out.U8(0);  // underline
  out.U8(0);  // strike-out
  out.U8(font.CharSet);
  out.U8(font.OutPrecision);
  out.U8(0);  // clip precision
  out.U8(0);  // quality
  out.U8(0);  // pitch and family
  WriteFaceName(out, font.Face);
  out.Zeros(emf::kCreateFontSize - (emf::kOffFontFaceName + 2 * emf::kFaceNameUnits));
}

std::uint64_t TextRecordSize(std::size_t units) {
  return emf::kTextFixedSize + Round4(2 * std::uint64_t{units}) + 4 * std::uint64_t{units};
}

void WriteTextOut(ByteWriter& out, const EmfText& text) {
  assert(text.Advances.size() == text.Text.size() && "one advance per code unit");
  const std::size_t units = text.Text.size();
  assert(TextRecordSize(units) <= std::numeric_limits<std::uint32_t>::max() && "text too long for one record");
  const std::uint32_t stringBytes = Round4(2 * std::uint64_t{units});
  out.U32(emf::kExtTextOutW);
  out.U32(static_cast<std::uint32_t>(TextRecordSize(units)));
  WriteBox(out, text.Bounds);
  out.U32(emf::kGraphicsModeCompatible);
  out.F32(100.0f * emf::kDeviceWidthMm / emf::kDeviceWidthPx);   // exScale
  out.F32(100.0f * emf::kDeviceHeightMm / emf::kDeviceHeightPx); // eyScale
  out.I32(text.Reference.X);
  out.I32(text.Reference.Y);
  out.U32(static_cast<std::uint32_t>(units));
  out.U32(emf::kTextFixedSize);  // offString
  out.U32(text.Options);
  WriteBox(out, PixelBox{});     // no clip or opaque rectangle
  out.U32(emf::kTextFixedSize + stringBytes);  // offDx
  for (char16_t unit : text.Text) out.U16(unit);
  out.Zeros(stringBytes - 2 * units);
  for (std::int32_t advance : text.Advances) out.I32(advance);
}

void WriteEof(ByteWriter& out) {
  out.U32(emf::kEof);
  out.U32(emf::kEofSize);
  out.U32(0);  // nPalEntries
  out.U32(emf::kEofPalOffsetNone);
  out.U32(emf::kEofSize);  // nSizeLast
}

}  // namespace tarn
