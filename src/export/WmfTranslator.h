// Translates the records of one Enhanced Metafile into 16-bit WMF records. One handler per
// record kind, grouped as the formats group them: objects in WmfTranslateObjects.cpp, state
// and drawing in WmfTranslateDrawing.cpp, text and fonts in WmfTranslateText.cpp.
//
// Object indexes: an EMF creation names the index it fills (1 .. nHandles - 1), a WMF creation
// takes the lowest free slot; slotOf_ maps the one to the other. WMF has no stock objects, so
// the first selection of a stock object creates an equivalent, which stays for the rest of the
// picture and is selected again whenever the EMF selects that stock object.
//
// Coordinates, sizes and widths go through Fit16, which refuses what 16 bits cannot hold.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "canvas/EmfRecord.h"
#include "canvas/EmfRecords.h"
#include "export/WmfObjectTable.h"
#include "export/WmfWriter.h"

namespace tarn {

// Every LogFont field a WMF Font object has; EmfFont holds those our recordings set.
struct WmfLogFont {
  EmfFont Font;
  std::int32_t Width = 0;
  std::uint32_t Underline = 0;
  std::uint32_t StrikeOut = 0;
  std::uint32_t ClipPrecision = 0;
  std::uint32_t Quality = 0;
  std::uint32_t PitchAndFamily = 0;
};

class WmfTranslator {
 public:
  WmfTranslator(WmfWriter& out, std::uint32_t emfHandles);

  // Records our recordings never write are left out.
  void Translate(const EmfRecord& record);
  std::uint16_t NumberOfObjects() const { return slots_.Size(); }

 private:
  static constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;
  static constexpr std::size_t kStockCount = 0x14;

  // WmfTranslateObjects.cpp
  void CreatePen(const EmfRecord& record);
  void CreateBrush(const EmfRecord& record);
  void Select(const EmfRecord& record);
  void SelectStock(const EmfRecord& record, std::uint32_t stock);
  void Delete(const EmfRecord& record);
  std::uint32_t& CreationSlot(const EmfRecord& record);
  std::uint32_t& ExistingSlot(const EmfRecord& record, std::uint32_t index);
  std::uint16_t CreateStockEquivalent(std::uint32_t number);
  std::uint16_t WritePen(const EmfPen& pen);
  std::uint16_t WriteBrush(const EmfBrush& brush, std::uint32_t hatch);
  void WriteObjectIndex(std::uint16_t function, std::uint32_t slot);
  // WmfTranslateDrawing.cpp
  void SetMode(const EmfRecord& record, std::uint16_t function);
  void SetColor(const EmfRecord& record, std::uint16_t function);
  void Point(const EmfRecord& record, std::uint16_t function);
  void Box(const EmfRecord& record, std::uint16_t function);
  void Poly(const EmfRecord& record, std::uint16_t function);
  void SetPixel(const EmfRecord& record);
  // WmfTranslateText.cpp
  void CreateFont(const EmfRecord& record);
  std::uint16_t WriteFont(const WmfLogFont& font);
  void Text(const EmfRecord& record);

  WmfWriter& out_;
  WmfObjectTable slots_;
  std::vector<std::uint32_t> slotOf_;                 // by EMF object index
  std::array<std::uint32_t, kStockCount> stockSlot_;  // by stock object number
};

}  // namespace tarn
