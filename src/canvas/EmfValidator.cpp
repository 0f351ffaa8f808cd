// The checks run in a fixed order: the header on its own, then each record as the walker
// meets it (size, then the fields its type defines), then the totals against the header.
#include "canvas/EmfValidator.h"

#include <string>
#include <vector>

#include "canvas/EmfFormat.h"
#include "canvas/EmfRecord.h"
#include "canvas/EmfRecords.h"

namespace tarn {
namespace {

enum class ObjectKind { None, Pen, Brush, Font };

// The object table as playback would build it, to check every index a record names.
class ObjectChecker {
 public:
  explicit ObjectChecker(std::uint32_t handles) : kinds_(handles, ObjectKind::None) {}

  void Create(const EmfRecord& record, ObjectKind kind) {
    const std::uint32_t index = record.U32(emf::kOffObjectIndex);
    if (index == 0 || index >= kinds_.size()) record.Fail("object index " + std::to_string(index) + " outside the table");
    if (kinds_[index] != ObjectKind::None) record.Fail("object index " + std::to_string(index) + " is still in use");
    kinds_[index] = kind;
    ++alive_;
    peak_ = std::max(peak_, alive_);
  }

  void Select(const EmfRecord& record) {
    const std::uint32_t index = record.U32(emf::kOffValue);
    if ((index & emf::kStockFlag) != 0) {
      if (index > emf::kStockLast) record.Fail("unknown stock object");
      ClearSelectionFor(index);
      return;
    }
    if (index >= kinds_.size() || kinds_[index] == ObjectKind::None) record.Fail("selecting an object that does not exist");
    selected_[static_cast<int>(kinds_[index])] = index;
  }

  void Delete(const EmfRecord& record) {
    const std::uint32_t index = record.U32(emf::kOffValue);
    if ((index & emf::kStockFlag) != 0) record.Fail("deleting a stock object");
    if (index >= kinds_.size() || kinds_[index] == ObjectKind::None) record.Fail("deleting an object that does not exist");
    if (selected_[static_cast<int>(kinds_[index])] == index) record.Fail("deleting an object while it is selected");
    kinds_[index] = ObjectKind::None;
    --alive_;
  }

  std::uint32_t Peak() const { return peak_; }

 private:
  // A stock pen, brush or font replaces the selection of its kind.
  void ClearSelectionFor(std::uint32_t stock) {
    const std::uint32_t n = stock & ~emf::kStockFlag;
    const ObjectKind kind = n <= 5 || n == 0x12 ? ObjectKind::Brush
                            : (n >= 6 && n <= 8) || n == 0x13 ? ObjectKind::Pen
                                                              : ObjectKind::Font;
    selected_[static_cast<int>(kind)] = 0;
  }

  std::vector<ObjectKind> kinds_;
  std::uint32_t selected_[4] = {0, 0, 0, 0};
  std::uint32_t alive_ = 0;
  std::uint32_t peak_ = 0;
};

void RequireExactSize(const EmfRecord& record, std::uint32_t size) {
  if (record.Size() != size) record.Fail("record size " + std::to_string(record.Size()) + " where " + std::to_string(size) + " belongs");
}

void CheckFont(const EmfRecord& record) {
  const std::uint32_t size = record.Size();
  if (size != emf::kCreateFontMinSize && size != emf::kCreateFontSize && size < 368) {
    record.Fail("font record of unusual size " + std::to_string(size));
  }
}

void CheckPoly(const EmfRecord& record) {
  const EmfPoly poly = ReadPoly(record);
  const bool narrow = record.Type() == emf::kPolygon16 || record.Type() == emf::kPolyline16;
  if (poly.Points.empty()) record.Fail("polygon without points");
  RequireExactSize(record, static_cast<std::uint32_t>(emf::kPolyFixedSize + poly.Points.size() * (narrow ? 4 : 8)));
}

void CheckText(const EmfRecord& record) {
  const EmfText text = ReadTextOut(record);
  if (record.U32(emf::kOffTextString) < emf::kTextFixedSize) record.Fail("text string overlaps the fixed fields");
  if ((record.U32(emf::kOffTextOptions) & 0x100u) != 0) record.Fail("text record without its rectangle");
  if (text.Advances.size() != text.Text.size()) record.Fail("text record without spacing array");
}

void CheckEof(const EmfRecord& record, std::size_t streamSize) {
  if (record.Size() < emf::kEofSize) record.Fail("EOF record too short");
  if (record.U32(record.Size() - 4) != record.Size()) record.Fail("EOF nSizeLast differs from its size");
  if (record.Offset() + record.Size() != streamSize) record.Fail("records follow the EOF record");
}

// The per-record checks, by record type; types we do not write are only walked over.
void CheckRecord(const EmfRecord& record, ObjectChecker& objects) {
  switch (record.Type()) {
    case emf::kHeader: record.Fail("a second header record");
    case emf::kCreatePen: RequireExactSize(record, emf::kCreatePenSize); objects.Create(record, ObjectKind::Pen); break;
    case emf::kCreateBrushIndirect: RequireExactSize(record, emf::kCreateBrushSize); objects.Create(record, ObjectKind::Brush); break;
    case emf::kExtCreateFontIndirectW: CheckFont(record); objects.Create(record, ObjectKind::Font); break;
    case emf::kSelectObject: RequireExactSize(record, emf::kValueRecordSize); objects.Select(record); break;
    case emf::kDeleteObject: RequireExactSize(record, emf::kValueRecordSize); objects.Delete(record); break;
    case emf::kSetBkMode: case emf::kSetRop2: case emf::kSetTextColor: case emf::kSetBkColor:
    case emf::kSetTextAlign: case emf::kSetPolyFillMode: RequireExactSize(record, emf::kValueRecordSize); break;
    case emf::kMoveToEx: case emf::kLineTo: RequireExactSize(record, emf::kPointRecordSize); break;
    case emf::kRectangle: case emf::kEllipse: RequireExactSize(record, emf::kBoxRecordSize); break;
    case emf::kSetPixelV: RequireExactSize(record, emf::kSetPixelSize); break;
    case emf::kPolygon: case emf::kPolygon16: case emf::kPolyline: case emf::kPolyline16: CheckPoly(record); break;
    case emf::kExtTextOutW: CheckText(record); break;
    default: break;
  }
}

}  // namespace

EmfSummary ValidateEmf(std::string_view stream) {
  EmfSummary summary;
  summary.Header = ReadEmfHeader(stream);
  ObjectChecker objects(summary.Header.Handles);
  EmfRecordWalker walker(stream);
  walker.Next();  // the header, checked above
  bool sawEof = false;
  while (walker.Next()) {
    const EmfRecord& record = walker.Current();
    ++summary.TypeCounts[record.Type()];
    if (record.Type() == emf::kEof) {
      CheckEof(record, stream.size());
      sawEof = true;
    } else {
      CheckRecord(record, objects);
    }
  }
  if (!sawEof) throw MetafileError("metafile without EOF record");
  summary.RecordCount = walker.Count();
  summary.PeakObjects = objects.Peak();
  summary.TypeCounts[emf::kHeader] = 1;
  if (summary.RecordCount != summary.Header.Records) {
    throw MetafileError("nRecords " + std::to_string(summary.Header.Records) + " differs from the " +
                        std::to_string(summary.RecordCount) + " records present");
  }
  return summary;
}

}  // namespace tarn
