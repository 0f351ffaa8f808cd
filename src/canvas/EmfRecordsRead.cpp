// The record readers: each checks the record's own size and counts before reading.
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecords.h"

namespace tarn {
namespace {

void RequireSize(const EmfRecord& record, std::uint64_t minimum) {
  if (record.Size() < minimum) record.Fail("record shorter than its fixed fields");
}

Color ReadColor(const EmfRecord& record, std::size_t at) { return record.U32(at) & 0x00FFFFFFu; }

std::u16string ReadUnits(const EmfRecord& record, std::size_t at, std::size_t count) {
  record.Require(at, 2 * count);
  std::u16string units(count, u'\0');
  for (std::size_t i = 0; i < count; ++i) units[i] = static_cast<char16_t>(record.U16(at + 2 * i));
  return units;
}

}  // namespace

PixelPoint ReadPoint(const EmfRecord& record, std::size_t at) {
  return PixelPoint{record.I32(at), record.I32(at + 4)};
}

PixelBox ReadBox(const EmfRecord& record, std::size_t at) {
  return PixelBox{record.I32(at), record.I32(at + 4), record.I32(at + 8), record.I32(at + 12)};
}

EmfPen ReadCreatePen(const EmfRecord& record) {
  RequireSize(record, emf::kCreatePenSize);
  return EmfPen{record.U32(emf::kOffPenStyle), record.I32(emf::kOffPenWidth),
                ReadColor(record, emf::kOffPenColor)};
}

EmfBrush ReadCreateBrush(const EmfRecord& record) {
  RequireSize(record, emf::kCreateBrushSize);
  return EmfBrush{record.U32(emf::kOffBrushStyle), ReadColor(record, emf::kOffBrushColor)};
}

EmfFont ReadCreateFont(const EmfRecord& record) {
  RequireSize(record, emf::kCreateFontMinSize);
  EmfFont font;
  font.Height = record.I32(emf::kOffFontHeight);
  font.Escapement = record.I32(emf::kOffFontEscapement);
  font.Orientation = record.I32(emf::kOffFontOrientation);
  font.Weight = record.I32(emf::kOffFontWeight);
  font.Italic = record.U8(emf::kOffFontItalic) != 0;
  font.CharSet = record.U8(emf::kOffFontCharSet);
  font.OutPrecision = record.U8(emf::kOffFontOutPrecision);
  font.Face = ReadUnits(record, emf::kOffFontFaceName, emf::kFaceNameUnits);
  font.Face.resize(font.Face.find(u'\0') == std::u16string::npos ? font.Face.size() : font.Face.find(u'\0'));
  return font;
}

EmfText ReadTextOut(const EmfRecord& record) {
  RequireSize(record, emf::kTextFixedSize);
  EmfText text;
  text.Bounds = ReadBox(record, emf::kOffTextBounds);
  text.Reference = ReadPoint(record, emf::kOffTextReference);
  text.Options = record.U32(emf::kOffTextOptions);
  const std::uint32_t units = record.U32(emf::kOffTextChars);
  if (units > record.Size() / 2) record.Fail("text longer than its record");
  text.Text = ReadUnits(record, record.U32(emf::kOffTextString), units);
  const std::uint32_t offDx = record.U32(emf::kOffTextDx);
  if (offDx == 0) return text;  // no spacing array: the reader lays the text out itself
  record.Require(offDx, 4 * std::size_t{units});
  text.Advances.resize(units);
  for (std::size_t i = 0; i < units; ++i) text.Advances[i] = record.I32(offDx + 4 * i);
  return text;
}

EmfPoly ReadPoly(const EmfRecord& record) {
  RequireSize(record, emf::kPolyFixedSize);
  const bool narrow = record.Type() == emf::kPolygon16 || record.Type() == emf::kPolyline16;
  const std::size_t pointSize = narrow ? 4 : 8;
  const std::uint32_t count = record.U32(emf::kOffPolyCount);
  if (count > (record.Size() - emf::kPolyFixedSize) / pointSize) record.Fail("more points than the record holds");
  EmfPoly poly;
  poly.Bounds = ReadBox(record, emf::kOffPolyBounds);
  poly.Points.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = emf::kOffPolyPoints + i * pointSize;
    poly.Points[i] = narrow ? PixelPoint{record.I16(at), record.I16(at + 2)} : ReadPoint(record, at);
  }
  return poly;
}

}  // namespace tarn
