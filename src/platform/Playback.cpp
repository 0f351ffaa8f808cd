#include "platform/Playback.h"

#include "canvas/EmfFormat.h"

namespace tarn {

// The platform's default drawing state: black pen, white brush, system font, opaque white
// background, black text, copy mode, position (0, 0).
Playback::Playback(Bitmap24& target, std::uint32_t handles)
    : target_(target), objects_(handles), pen_{0, 0, kBlack}, brush_{emf::kBrushSolid, kWhite},
      rop2_(emf::kRop2CopyPen), bkMode_(emf::kBkOpaque) {}

// Single pixels come first: a per-pixel picture is millions of them.
void Playback::Play(const EmfRecord& record) {
  switch (record.Type()) {
    case emf::kSetPixelV: SetPixel(record); break;
    case emf::kMoveToEx: position_ = ReadPoint(record, emf::kOffPoint); break;
    case emf::kLineTo: LineTo(record); break;
    case emf::kPolygon16: case emf::kPolygon: Polygon(record); break;
    case emf::kPolyline16: case emf::kPolyline: Polyline(record); break;
    case emf::kRectangle: case emf::kEllipse: Box(record); break;
    case emf::kExtTextOutW: Text(record); break;
    case emf::kCreatePen: case emf::kCreateBrushIndirect: case emf::kExtCreateFontIndirectW: CreateObject(record); break;
    case emf::kSelectObject: SelectObject(record); break;
    case emf::kDeleteObject: DeleteObject(record); break;
    case emf::kSetRop2: case emf::kSetBkMode: case emf::kSetBkColor: case emf::kSetTextColor: SetState(record); break;
    default: break;  // records we never write have no effect here
  }
}

}  // namespace tarn
