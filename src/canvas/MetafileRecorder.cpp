#include "canvas/MetafileRecorder.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "canvas/CanvasObjects.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfHeader.h"
#include "canvas/Utf16.h"

namespace tarn {

MetafileRecorder::MetafileRecorder(int width, int height, FontMetrics& metrics)
    : width_(width), height_(height), metrics_(metrics), out_(bytes_),
      rop2_(emf::kRop2CopyPen), bkMode_(emf::kBkOpaque) {
  WriteEmfHeader(out_, width, height);
}

ByteWriter& MetafileRecorder::Record() {
  assert(!finished_ && "drawing on a finished recording");
  ++records_;
  return out_;
}

void MetafileRecorder::MoveTo(int x, int y) {
  WritePointRecord(Record(), emf::kMoveToEx, x, y);
  position_ = PixelPoint{x, y};
}

void MetafileRecorder::LineTo(int x, int y) {
  RealizePen();
  WritePointRecord(Record(), emf::kLineTo, x, y);
  if (PenDraws()) AddStrokeBounds(position_.X, position_.Y, x, y);
  position_ = PixelPoint{x, y};
}

void MetafileRecorder::Polygon(std::span<const PixelPoint> points) {
  if (points.empty()) return;  // the platform records nothing for an empty polygon
  RealizeBrush();
  RealizePen();
  BoundsAccumulator pointsBox;
  for (const PixelPoint& p : points) pointsBox.AddPoint(p.X, p.Y);
  const PixelBox box = pointsBox.Box();
  WritePolygon(Record(), points, box);
  AddStrokeBounds(box.Left, box.Top, box.Right, box.Bottom);
}

void MetafileRecorder::Rectangle(int left, int top, int right, int bottom) {
  RealizeBrush();
  RealizePen();
  WriteBoxRecord(Record(), emf::kRectangle, left, top, right, bottom);
  AddBoxBounds(left, top, right, bottom);
}

void MetafileRecorder::Ellipse(int left, int top, int right, int bottom) {
  RealizeBrush();
  RealizePen();
  WriteBoxRecord(Record(), emf::kEllipse, left, top, right, bottom);
  AddBoxBounds(left, top, right, bottom);
}

void MetafileRecorder::TextOut(int x, int y, std::string_view text) {
  const int width = TextWidth(text);
  if (!text.empty()) {
    RealizeBrush();
    RealizeFont();
    SetState(emf::kSetTextColor, textColor_, CurrentFont().Choice.TextColor & 0x00FFFFFFu);
    EmfText record;
    record.Reference = PixelPoint{x, y};
    record.Text = Utf8ToUtf16(text);
    std::vector<int> advances = metrics_.Advances(CurrentFont().Choice, text);
    advances.resize(record.Text.size(), 0);  // a port that miscounts must not break the record
    record.Advances.assign(advances.begin(), advances.end());
    record.Bounds = TurnedTextBox(record.Reference, width, TextHeight(text), CurrentFont().Escapement);
    WriteTextOut(Record(), record);
    AddTextBounds(record.Bounds);
  }
  MoveTo(x + width, y);
}

int MetafileRecorder::TextWidth(std::string_view text) { return metrics_.TextWidth(CurrentFont().Choice, text); }

int MetafileRecorder::TextHeight(std::string_view text) { return metrics_.TextHeight(CurrentFont().Choice, text); }

void MetafileRecorder::SetPixel(int x, int y, Color color) {
  WriteSetPixel(Record(), x, y, color);
  bounds_.AddPoint(x, y);
}

std::string MetafileRecorder::Finish() {
  assert(!finished_ && "a recording is finished once");
  if (finished_) return {};
  ReleaseSelection(pen_, emf::kStockBlackPen);
  ReleaseSelection(brush_, emf::kStockWhiteBrush);
  ReleaseSelection(font_, emf::kStockSystemFont);
  WriteEof(Record());
  finished_ = true;
  PatchEmfHeader(out_, bounds_.Box(), static_cast<std::uint32_t>(bytes_.size()), records_, objects_.Handles());
  return std::move(bytes_);
}

void MetafileRecorder::RealizePen() {
  Realize(pen_, ToEmfPen(CurrentPen()), emf::kStockBlackPen,
          [](ByteWriter& out, std::uint32_t index, const EmfPen& pen) { WriteCreatePen(out, index, pen); });
  SetState(emf::kSetRop2, rop2_, CurrentPen().Mode == PenMode::Not ? emf::kRop2Not : emf::kRop2CopyPen);
}

void MetafileRecorder::RealizeBrush() {
  Realize(brush_, ToEmfBrush(CurrentBrush()), emf::kStockWhiteBrush,
          [](ByteWriter& out, std::uint32_t index, const EmfBrush& brush) { WriteCreateBrush(out, index, brush); });
  RealizeBackground();
}

void MetafileRecorder::RealizeFont() {
  Realize(font_, ToEmfFont(CurrentFont()), emf::kStockSystemFont,
          [](ByteWriter& out, std::uint32_t index, const EmfFont& font) { WriteCreateFont(out, index, font); });
}

// As the platform's canvas does with its brush: a solid brush makes the background (behind
// text and in the gaps of dashed lines) opaque in its colour, a clear one transparent.
void MetafileRecorder::RealizeBackground() {
  if (CurrentBrush().Style == BrushStyle::Solid) {
    SetState(emf::kSetBkColor, bkColor_, CurrentBrush().BrushColor & 0x00FFFFFFu);
    SetState(emf::kSetBkMode, bkMode_, emf::kBkOpaque);
  } else {
    SetState(emf::kSetBkMode, bkMode_, emf::kBkTransparent);
  }
}

// A changed object replaces the selected one: the stock object is selected while ours is
// deleted, so the new one takes the freed index.
template <typename Object, typename Create>
void MetafileRecorder::Realize(Selection<Object>& selection, const Object& wanted, std::uint32_t stock,
                               Create create) {
  if (selection.Current && *selection.Current == wanted) return;
  ReleaseSelection(selection, stock);
  selection.Index = objects_.Allocate();
  create(Record(), selection.Index, wanted);
  WriteValueRecord(Record(), emf::kSelectObject, selection.Index);
  selection.Current = wanted;
}

template <typename Object>
void MetafileRecorder::ReleaseSelection(Selection<Object>& selection, std::uint32_t stock) {
  if (!selection.Current) return;
  WriteValueRecord(Record(), emf::kSelectObject, stock);
  WriteValueRecord(Record(), emf::kDeleteObject, selection.Index);
  objects_.Free(selection.Index);
  selection.Current.reset();
  selection.Index = 0;
}

void MetafileRecorder::SetState(std::uint32_t type, std::uint32_t& state, std::uint32_t value) {
  if (state == value) return;
  WriteValueRecord(Record(), type, value);
  state = value;
}

// A line or outline reaches half the pen width beyond its geometry.
void MetafileRecorder::AddStrokeBounds(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  const std::int64_t half = CurrentPen().Width > 1 ? CurrentPen().Width / 2 : 0;
  bounds_.Add(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half);
}

// The right column and bottom row of a box are outside what is painted; an empty box paints
// nothing.
void MetafileRecorder::AddBoxBounds(int left, int top, int right, int bottom) {
  if (left == right || top == bottom) return;
  AddStrokeBounds(std::min(left, right), std::min(top, bottom), std::int64_t{std::max(left, right)} - 1,
                  std::int64_t{std::max(top, bottom)} - 1);
}

void MetafileRecorder::AddTextBounds(PixelBox box) { bounds_.Add(box.Left, box.Top, box.Right, box.Bottom); }

}  // namespace tarn
