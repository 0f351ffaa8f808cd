// State records, and how the state turns into the paint of lines, outlines and fills.
#include "canvas/EmfFormat.h"
#include "platform/Playback.h"

namespace tarn {

void Playback::SetState(const EmfRecord& record) {
  const std::uint32_t value = record.U32(emf::kOffValue);
  switch (record.Type()) {
    case emf::kSetRop2: rop2_ = value; break;
    case emf::kSetBkMode: bkMode_ = value; break;
    case emf::kSetBkColor: bkColor_ = value & 0x00FFFFFFu; break;
    case emf::kSetTextColor: textColor_ = value & 0x00FFFFFFu; break;
    default: break;
  }
}

// Of the sixteen mixes only R2_NOT is ever recorded besides the plain copy.
RasterOp Playback::PenOp() const { return rop2_ == emf::kRop2Not ? RasterOp::Invert : RasterOp::Copy; }

LinePaint Playback::PenPaint() const {
  LinePaint paint;
  paint.LineColor = pen_.PenColor;
  paint.Op = PenOp();
  const std::uint32_t style = pen_.Style & emf::kPenStyleMask;
  paint.Style = style <= emf::kPenStyleNull ? static_cast<PenStyle>(style) : PenStyle::Solid;
  paint.Width = pen_.Width;
  paint.OpaqueGaps = bkMode_ == emf::kBkOpaque;
  paint.GapColor = bkColor_;
  return paint;
}

bool Playback::BrushFills() const { return brush_.Style != emf::kBrushNull; }

}  // namespace tarn
