// Object records: creation fills a slot of the table, selection copies the object into the
// drawing state, deletion empties the slot. Indexes outside the table are ignored, as the
// platform ignores a record it cannot carry out.
#include "canvas/EmfFormat.h"
#include "platform/FontSystem.h"
#include "platform/Playback.h"

namespace tarn {

PlaybackObject* Playback::Slot(std::uint32_t index) {
  if (index == 0 || index >= objects_.size()) return nullptr;
  return &objects_[index];
}

void Playback::CreateObject(const EmfRecord& record) {
  PlaybackObject* slot = Slot(record.U32(emf::kOffObjectIndex));
  if (slot == nullptr) return;
  PlaybackObject object;
  if (record.Type() == emf::kCreatePen) {
    object.ObjectKind = PlaybackObject::Kind::Pen;
    object.Pen = ReadCreatePen(record);
  } else if (record.Type() == emf::kCreateBrushIndirect) {
    object.ObjectKind = PlaybackObject::Kind::Brush;
    object.Brush = ReadCreateBrush(record);
  } else {
    object.ObjectKind = PlaybackObject::Kind::Font;
    object.Font = ReadCreateFont(record);
    object.QtFont = MakeQFont(object.Font);
  }
  *slot = std::move(object);
}

void Playback::SelectObject(const EmfRecord& record) {
  const std::uint32_t index = record.U32(emf::kOffValue);
  if ((index & emf::kStockFlag) != 0) {
    SelectStock(index);
    return;
  }
  const PlaybackObject* slot = Slot(index);
  if (slot == nullptr) return;
  switch (slot->ObjectKind) {
    case PlaybackObject::Kind::Pen: pen_ = slot->Pen; break;
    case PlaybackObject::Kind::Brush: brush_ = slot->Brush; break;
    case PlaybackObject::Kind::Font: font_ = *slot; break;
    case PlaybackObject::Kind::None: break;
  }
}

void Playback::SelectStock(std::uint32_t stock) {
  constexpr Color kBrushGrays[] = {kWhite, MakeColor(192, 192, 192), MakeColor(128, 128, 128), MakeColor(64, 64, 64), kBlack};
  const std::uint32_t n = stock & ~emf::kStockFlag;
  if (n <= 4) brush_ = EmfBrush{emf::kBrushSolid, kBrushGrays[n]};
  if (n == 5) brush_ = EmfBrush{emf::kBrushNull, kWhite};
  if (n == 6) pen_ = EmfPen{0, 0, kWhite};
  if (n == 7) pen_ = EmfPen{0, 0, kBlack};
  if (n == 8) pen_ = EmfPen{emf::kPenStyleNull, 0, kBlack};
  if (n >= 0x0A && n <= 0x11 && n != 0x0F) font_.reset();
}

void Playback::DeleteObject(const EmfRecord& record) {
  PlaybackObject* slot = Slot(record.U32(emf::kOffValue));
  if (slot != nullptr) slot->ObjectKind = PlaybackObject::Kind::None;  // the rest is overwritten on reuse
}

}  // namespace tarn
