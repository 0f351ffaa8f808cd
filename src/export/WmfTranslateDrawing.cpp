// State and drawing records. The WMF takes the same values as the EMF, with points as (y, x)
// and boxes as bottom, right, top, left. Boxes keep the call's right and bottom, one past the
// last painted pixel, exactly as our recorder stores them and as META_RECTANGLE expects.
#include <vector>

#include "canvas/EmfFormat.h"
#include "export/WmfFormat.h"
#include "export/WmfTranslator.h"

namespace tarn {

// Single pixels come first: a per-pixel picture is millions of them.
void WmfTranslator::Translate(const EmfRecord& record) {
  switch (record.Type()) {
    case emf::kSetPixelV: SetPixel(record); break;
    case emf::kMoveToEx: Point(record, wmf::kMoveTo); break;
    case emf::kLineTo: Point(record, wmf::kLineTo); break;
    case emf::kPolygon16: case emf::kPolygon: Poly(record, wmf::kPolygon); break;
    case emf::kPolyline16: case emf::kPolyline: Poly(record, wmf::kPolyline); break;
    case emf::kRectangle: Box(record, wmf::kRectangle); break;
    case emf::kEllipse: Box(record, wmf::kEllipse); break;
    case emf::kExtTextOutW: Text(record); break;
    case emf::kCreatePen: CreatePen(record); break;
    case emf::kCreateBrushIndirect: CreateBrush(record); break;
    case emf::kExtCreateFontIndirectW: CreateFont(record); break;
    case emf::kSelectObject: Select(record); break;
    case emf::kDeleteObject: Delete(record); break;
    case emf::kSetRop2: SetMode(record, wmf::kSetRop2); break;
    case emf::kSetBkMode: SetMode(record, wmf::kSetBkMode); break;
    case emf::kSetTextAlign: SetMode(record, wmf::kSetTextAlign); break;
    case emf::kSetPolyFillMode: SetMode(record, wmf::kSetPolyFillMode); break;
    case emf::kSetBkColor: SetColor(record, wmf::kSetBkColor); break;
    case emf::kSetTextColor: SetColor(record, wmf::kSetTextColor); break;
    default: break;
  }
}

// The mode and the reserved word GDI writes after it.
void WmfTranslator::SetMode(const EmfRecord& record, std::uint16_t function) {
  const std::uint32_t mode = record.U32(emf::kOffValue);
  out_.Begin(function, wmf::kModeWords);
  out_.U16(mode & 0xFFFFu);
  out_.U16(0);
}

void WmfTranslator::SetColor(const EmfRecord& record, std::uint16_t function) {
  const std::uint32_t color = record.U32(emf::kOffValue);
  out_.Begin(function, wmf::kColorWords);
  out_.U32(color & 0x00FFFFFFu);
}

void WmfTranslator::Point(const EmfRecord& record, std::uint16_t function) {
  const PixelPoint point = ReadPoint(record, emf::kOffPoint);
  const std::int16_t x = Fit16(point.X), y = Fit16(point.Y);
  out_.Begin(function, wmf::kPointWords);
  out_.I16(y);
  out_.I16(x);
}

void WmfTranslator::Box(const EmfRecord& record, std::uint16_t function) {
  const PixelBox box = ReadBox(record, emf::kOffBox);
  const std::int16_t left = Fit16(box.Left), top = Fit16(box.Top), right = Fit16(box.Right), bottom = Fit16(box.Bottom);
  out_.Begin(function, wmf::kBoxWords);
  out_.I16(bottom);
  out_.I16(right);
  out_.I16(top);
  out_.I16(left);
}

// Fewer than two points draw nothing on the platform, and a WMF reader refuses them.
void WmfTranslator::Poly(const EmfRecord& record, std::uint16_t function) {
  const EmfPoly poly = ReadPoly(record);
  if (poly.Points.size() < 2) return;
  const std::int16_t count = Fit16(static_cast<std::int64_t>(poly.Points.size()));
  std::vector<std::int16_t> coordinates;
  coordinates.reserve(2 * poly.Points.size());
  for (const PixelPoint& p : poly.Points) {
    coordinates.push_back(Fit16(p.X));
    coordinates.push_back(Fit16(p.Y));
  }
  out_.Begin(function, wmf::kRecordPrefixWords + 1 + static_cast<std::uint32_t>(coordinates.size()));
  out_.I16(count);
  for (std::int16_t value : coordinates) out_.I16(value);
}

void WmfTranslator::SetPixel(const EmfRecord& record) {
  record.Require(emf::kOffPixelColor, 4);
  const std::int16_t x = Fit16(record.I32(emf::kOffPixelPoint)), y = Fit16(record.I32(emf::kOffPixelPoint + 4));
  out_.SetPixel(x, y, record.U32(emf::kOffPixelColor) & 0x00FFFFFFu);
}

}  // namespace tarn
