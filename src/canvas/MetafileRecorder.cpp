#include "canvas/MetafileRecorder.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "canvas/CanvasObjects.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfHeader.h"
#include "canvas/Utf16.h"

namespace tarn {

namespace {

// A contour picture switches among the few dozen colours of its bands; keeping more would
// only grow the object table that every reader allocates.
constexpr std::size_t kKeptPens = 64;
constexpr std::size_t kKeptBrushes = 64;

// Dashes and dots leave gaps that the background fills.
bool HasGaps(PenStyle style) { return style != PenStyle::Solid && style != PenStyle::Clear; }

}  // namespace

MetafileRecorder::MetafileRecorder(int width, int height, FontMetrics& metrics, bool keepObjects)
    : width_(width), height_(height), metrics_(metrics), out_(bytes_),
      rop2_(emf::kRop2CopyPen), bkMode_(emf::kBkOpaque), wantedBkMode_(emf::kBkOpaque) {
  if (keepObjects) {
    pen_.Limit = kKeptPens;
    brush_.Limit = kKeptBrushes;
  }
  WriteEmfHeader(out_, width, height);
}

// The size estimate before drawing stops most pictures that are too large; this stops the rest
// before a size field of the format could wrap.
ByteWriter& MetafileRecorder::Record() {
  assert(!finished_ && "drawing on a finished recording");
  if (bytes_.size() > byteLimit_) throw PictureTooLarge();
  ++records_;
  return out_;
}

void MetafileRecorder::MoveTo(int x, int y) {
  WritePointRecord(Record(), emf::kMoveToEx, x, y);
  position_ = PixelPoint{x, y};
}

void MetafileRecorder::LineTo(int x, int y) {
  RealizePen();
  RealizeLineBackground();
  WritePointRecord(Record(), emf::kLineTo, x, y);
  if (PenDraws()) AddStrokeBounds(position_.X, position_.Y, x, y);
  position_ = PixelPoint{x, y};
}

void MetafileRecorder::Polygon(std::span<const PixelPoint> points) {
  if (points.empty()) return;  // the platform records nothing for an empty polygon
  if (PaintsNothing(points)) return;
  RealizeBrush();
  RealizePen();
  RealizeLineBackground();
  BoundsAccumulator pointsBox;
  for (const PixelPoint& p : points) pointsBox.AddPoint(p.X, p.Y);
  const PixelBox box = pointsBox.Box();
  WritePolygon(Record(), points, box);
  AddStrokeBounds(box.Left, box.Top, box.Right, box.Bottom);
}

// A polygon shrunk to one pixel has no area to fill, and a pen no wider than a pixel leaves out
// the last pixel of each of its zero-length sides. Band pictures of dense data hold millions of
// such polygons; leaving them out keeps the picture's pixels and saves most of its bytes.
bool MetafileRecorder::PaintsNothing(std::span<const PixelPoint> points) const {
  const Pen& pen = CurrentPen();
  if (pen.Style != PenStyle::Clear && pen.Width > 1) return false;
  return std::all_of(points.begin(), points.end(), [&](const PixelPoint& p) { return p == points.front(); });
}

void MetafileRecorder::Rectangle(int left, int top, int right, int bottom) {
  RealizeBrush();
  RealizePen();
  RealizeLineBackground();
  WriteBoxRecord(Record(), emf::kRectangle, left, top, right, bottom);
  AddBoxBounds(left, top, right, bottom);
}

void MetafileRecorder::Ellipse(int left, int top, int right, int bottom) {
  RealizeBrush();
  RealizePen();
  RealizeLineBackground();
  WriteBoxRecord(Record(), emf::kEllipse, left, top, right, bottom);
  AddBoxBounds(left, top, right, bottom);
}

void MetafileRecorder::TextOut(int x, int y, std::string_view text) {
  const int width = TextWidth(text);
  if (!text.empty()) {
    RealizeBrush();
    RealizeFont();
    RealizeBackground();
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
  NoteBackground();
}

void MetafileRecorder::RealizeFont() {
  Realize(font_, ToEmfFont(CurrentFont()), emf::kStockSystemFont,
          [](ByteWriter& out, std::uint32_t index, const EmfFont& font) { WriteCreateFont(out, index, font); });
}

// As the platform's canvas does with its brush: a solid brush makes the background (behind
// text and in the gaps of dashed lines) opaque in its colour, a clear one transparent.
void MetafileRecorder::NoteBackground() {
  if (CurrentBrush().Style == BrushStyle::Solid) {
    wantedBkColor_ = CurrentBrush().BrushColor & 0x00FFFFFFu;
    wantedBkMode_ = emf::kBkOpaque;
  } else {
    wantedBkMode_ = emf::kBkTransparent;
  }
}

// Playback reads the background only for text and for the gaps of a styled pen, so it is
// recorded just before those, as the last brush realized left it.
void MetafileRecorder::RealizeBackground() {
  SetState(emf::kSetBkColor, bkColor_, wantedBkColor_);
  SetState(emf::kSetBkMode, bkMode_, wantedBkMode_);
}

void MetafileRecorder::RealizeLineBackground() {
  if (HasGaps(CurrentPen().Style)) RealizeBackground();
}

// The selected object is kept when unchanged; an object kept from before is selected again;
// otherwise a new one is made, after the one selected longest ago is deleted if the kind is
// at its limit (with a limit of one, the selected object is replaced in its freed slot).
template <typename Object, typename Create>
void MetafileRecorder::Realize(Selection<Object>& selection, const Object& wanted, std::uint32_t stock,
                               Create create) {
  if (selection.Current && selection.Kept[*selection.Current].Value == wanted) return;
  auto& kept = selection.Kept;
  const auto same = std::find_if(kept.begin(), kept.end(), [&wanted](const Made<Object>& made) { return made.Value == wanted; });
  if (same != kept.end()) {
    WriteValueRecord(Record(), emf::kSelectObject, same->Index);
    same->LastUse = ++uses_;
    selection.Current = static_cast<std::size_t>(same - kept.begin());
    return;
  }
  if (kept.size() >= selection.Limit) {
    std::optional<std::size_t> oldest;
    for (std::size_t i = 0; i < kept.size(); ++i) {
      if (kept.size() > 1 && selection.Current == i) continue;
      if (!oldest || kept[i].LastUse < kept[*oldest].LastUse) oldest = i;
    }
    Forget(selection, *oldest, stock);
  }
  const Made<Object> made{wanted, objects_.Allocate(), ++uses_};
  create(Record(), made.Index, wanted);
  WriteValueRecord(Record(), emf::kSelectObject, made.Index);
  kept.push_back(made);
  selection.Current = kept.size() - 1;
}

// Deletes one kept object; a selected one is first replaced by the stock object.
template <typename Object>
void MetafileRecorder::Forget(Selection<Object>& selection, std::size_t which, std::uint32_t stock) {
  if (selection.Current == which) {
    WriteValueRecord(Record(), emf::kSelectObject, stock);
    selection.Current.reset();
  }
  WriteValueRecord(Record(), emf::kDeleteObject, selection.Kept[which].Index);
  objects_.Free(selection.Kept[which].Index);
  selection.Kept.erase(selection.Kept.begin() + static_cast<std::ptrdiff_t>(which));
  if (selection.Current && *selection.Current > which) --*selection.Current;
}

// At the end: the stock object is selected and every kept object deleted.
template <typename Object>
void MetafileRecorder::ReleaseSelection(Selection<Object>& selection, std::uint32_t stock) {
  if (selection.Current) {
    WriteValueRecord(Record(), emf::kSelectObject, stock);
    selection.Current.reset();
  }
  while (!selection.Kept.empty()) Forget(selection, 0, stock);
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
