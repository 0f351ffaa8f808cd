// Object records: pens and brushes created into the lowest free slot, selections and
// deletions by the slot their EMF index maps to, stock objects as created equivalents.
// An index the table does not hold is a damaged stream: a WMF reader would fail on it.
#include <string>

#include "canvas/CanvasObjects.h"
#include "canvas/EmfFormat.h"
#include "export/WmfFormat.h"
#include "export/WmfTranslator.h"

namespace tarn {

WmfTranslator::WmfTranslator(WmfWriter& out, std::uint32_t emfHandles) : out_(out), slotOf_(emfHandles, kNoSlot) {
  stockSlot_.fill(kNoSlot);
}

void WmfTranslator::CreatePen(const EmfRecord& record) {
  std::uint32_t& slot = CreationSlot(record);
  slot = WritePen(ReadCreatePen(record));
}

void WmfTranslator::CreateBrush(const EmfRecord& record) {
  std::uint32_t& slot = CreationSlot(record);
  slot = WriteBrush(ReadCreateBrush(record), record.U32(emf::kOffBrushHatch));
}

void WmfTranslator::Select(const EmfRecord& record) {
  const std::uint32_t index = record.U32(emf::kOffValue);
  if ((index & emf::kStockFlag) != 0) {
    SelectStock(record, index);
    return;
  }
  WriteObjectIndex(wmf::kSelectObject, ExistingSlot(record, index));
}

// The default palette and the unused number 9 have nothing a WMF could select.
void WmfTranslator::SelectStock(const EmfRecord& record, std::uint32_t stock) {
  if (stock > emf::kStockLast) record.Fail("unknown stock object");
  const std::uint32_t number = stock & ~emf::kStockFlag;
  if (number == 0x09 || number == 0x0F) return;
  if (stockSlot_[number] == kNoSlot) stockSlot_[number] = CreateStockEquivalent(number);
  WriteObjectIndex(wmf::kSelectObject, stockSlot_[number]);
}

void WmfTranslator::Delete(const EmfRecord& record) {
  const std::uint32_t index = record.U32(emf::kOffValue);
  if ((index & emf::kStockFlag) != 0) record.Fail("deleting a stock object");
  std::uint32_t& slot = ExistingSlot(record, index);
  WriteObjectIndex(wmf::kDeleteObject, slot);
  slots_.Release(static_cast<std::uint16_t>(slot));
  slot = kNoSlot;
}

std::uint32_t& WmfTranslator::CreationSlot(const EmfRecord& record) {
  const std::uint32_t index = record.U32(emf::kOffObjectIndex);
  if (index == 0 || index >= slotOf_.size()) record.Fail("object index " + std::to_string(index) + " outside the table");
  if (slotOf_[index] != kNoSlot) record.Fail("object index " + std::to_string(index) + " is still in use");
  return slotOf_[index];
}

std::uint32_t& WmfTranslator::ExistingSlot(const EmfRecord& record, std::uint32_t index) {
  if (index >= slotOf_.size() || slotOf_[index] == kNoSlot) {
    record.Fail("object index " + std::to_string(index) + " names no object");
  }
  return slotOf_[index];
}

// The stock objects as the platform defines them (the fonts as our player draws them).
std::uint16_t WmfTranslator::CreateStockEquivalent(std::uint32_t number) {
  constexpr Color kGrays[] = {kWhite, MakeColor(192, 192, 192), MakeColor(128, 128, 128), MakeColor(64, 64, 64), kBlack};
  if (number <= 4) return WriteBrush(EmfBrush{emf::kBrushSolid, kGrays[number]}, 0);
  if (number == 5) return WriteBrush(EmfBrush{emf::kBrushNull, kWhite}, 0);
  if (number == 0x12) return WriteBrush(EmfBrush{emf::kBrushSolid, kWhite}, 0);  // DC_BRUSH at its default
  if (number == 6) return WritePen(EmfPen{0, 0, kWhite});
  if (number == 7 || number == 0x13) return WritePen(EmfPen{0, 0, kBlack});  // DC_PEN at its default
  if (number == 8) return WritePen(EmfPen{emf::kPenStyleNull, 0, kBlack});
  WmfLogFont font;
  font.Font = ToEmfFont(CanvasFont{});
  return WriteFont(font);
}

// The width goes in a PointS whose y is unused.
std::uint16_t WmfTranslator::WritePen(const EmfPen& pen) {
  const std::int16_t width = Fit16(pen.Width);
  out_.Begin(wmf::kCreatePenIndirect, wmf::kCreatePenWords);
  out_.U16(pen.Style & 0xFFFFu);
  out_.I16(width);
  out_.I16(0);
  out_.U32(pen.PenColor & 0x00FFFFFFu);
  return slots_.Take();
}

std::uint16_t WmfTranslator::WriteBrush(const EmfBrush& brush, std::uint32_t hatch) {
  out_.Begin(wmf::kCreateBrushIndirect, wmf::kCreateBrushWords);
  out_.U16(brush.Style & 0xFFFFu);
  out_.U32(brush.BrushColor & 0x00FFFFFFu);
  out_.U16(hatch & 0xFFFFu);
  return slots_.Take();
}

void WmfTranslator::WriteObjectIndex(std::uint16_t function, std::uint32_t slot) {
  out_.Begin(function, wmf::kObjectIndexWords);
  out_.U16(slot);
}

}  // namespace tarn
