// Writing and reading the individual records our recordings use. Each writer emits one whole
// record field by field; each reader checks the record's size before it reads a field.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Color.h"
#include "canvas/ByteWriter.h"
#include "canvas/Canvas.h"
#include "canvas/EmfRecord.h"
#include "canvas/PixelBox.h"

namespace tarn {

// The LogPen of EMR_CREATEPEN.
struct EmfPen {
  std::uint32_t Style = 0;
  std::int32_t Width = 0;
  Color PenColor = kBlack;
  friend bool operator==(const EmfPen&, const EmfPen&) = default;
};

// The LogBrush of EMR_CREATEBRUSHINDIRECT.
struct EmfBrush {
  std::uint32_t Style = 0;
  Color BrushColor = kWhite;
  friend bool operator==(const EmfBrush&, const EmfBrush&) = default;
};

// The LogFont fields of EMR_EXTCREATEFONTINDIRECTW that we write and read.
struct EmfFont {
  std::int32_t Height = 0;  // negative: character height in pixels
  std::int32_t Escapement = 0;
  std::int32_t Orientation = 0;
  std::int32_t Weight = 0;
  bool Italic = false;
  std::uint32_t CharSet = 0;
  std::uint32_t OutPrecision = 0;
  std::u16string Face;
  friend bool operator==(const EmfFont&, const EmfFont&) = default;
};

// EMR_EXTTEXTOUTW as TextOut records it: reference point, text and per-unit advances.
struct EmfText {
  PixelBox Bounds;
  PixelPoint Reference;
  std::uint32_t Options = 0;
  std::u16string Text;
  std::vector<std::int32_t> Advances;
};

// The points of EMR_POLYGON16 / EMR_POLYGON (and the polyline forms).
struct EmfPoly {
  PixelBox Bounds;
  std::vector<PixelPoint> Points;
};

void WriteValueRecord(ByteWriter& out, std::uint32_t type, std::uint32_t value);
void WritePointRecord(ByteWriter& out, std::uint32_t type, int x, int y);
void WriteBoxRecord(ByteWriter& out, std::uint32_t type, int left, int top, int right, int bottom);
void WriteSetPixel(ByteWriter& out, int x, int y, Color color);
// EMR_POLYGON16 when every coordinate fits 16 bits, else EMR_POLYGON.
void WritePolygon(ByteWriter& out, std::span<const PixelPoint> points, const PixelBox& bounds);
void WriteCreatePen(ByteWriter& out, std::uint32_t index, const EmfPen& pen);
void WriteCreateBrush(ByteWriter& out, std::uint32_t index, const EmfBrush& brush);
void WriteCreateFont(ByteWriter& out, std::uint32_t index, const EmfFont& font);
void WriteTextOut(ByteWriter& out, const EmfText& text);
void WriteEof(ByteWriter& out);

// The size EMR_EXTTEXTOUTW takes for a text of `units` UTF-16 code units.
std::uint64_t TextRecordSize(std::size_t units);

PixelPoint ReadPoint(const EmfRecord& record, std::size_t at);
PixelBox ReadBox(const EmfRecord& record, std::size_t at);
EmfPen ReadCreatePen(const EmfRecord& record);
EmfBrush ReadCreateBrush(const EmfRecord& record);
EmfFont ReadCreateFont(const EmfRecord& record);
EmfText ReadTextOut(const EmfRecord& record);
EmfPoly ReadPoly(const EmfRecord& record);

}  // namespace tarn
