// A canvas that records every drawing call as Enhanced Metafile records, the way the
// platform's metafile canvas does, with each call's coordinates stored as given.
//
// Objects are created when first needed for drawing and replaced when they change. With
// kept objects, pens and brushes stay in the object table once made, up to a few dozen of
// each, so that a picture which keeps switching between the colours of its bands selects
// them again instead of creating them anew (half the size of a large contour picture); only
// readers that follow SelectObject may be given such a recording. The background mode and
// colour are recorded only before what uses them: text, and lines in a dashed or dotted pen.
//
// Readers of these records take note: EMR_RECTANGLE and EMR_ELLIPSE hold the call's box, so
// their right and bottom are one past the last painted pixel (the platform's own recorder
// would store the inclusive box instead). The player, and every converter, reads them so.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "canvas/ByteWriter.h"
#include "canvas/Canvas.h"
#include "canvas/EmfRecords.h"
#include "canvas/MetafileError.h"
#include "canvas/ObjectTable.h"
#include "canvas/PixelBox.h"

namespace tarn {

// The pictures of the program keep their pens and brushes: every reader of ours (the player, the
// WMF and EPS converters) follows SelectObject.
inline constexpr bool kKeepPensAndBrushes = true;

class MetafileRecorder final : public Canvas {
 public:
  // A picture of width x height pixels; text is measured with `metrics`, which must outlive
  // the recorder.
  MetafileRecorder(int width, int height, FontMetrics& metrics, bool keepObjects = false);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void SetPixel(int x, int y, Color color) override;

  // Ends the recording and returns the metafile bytes: our objects are deselected and deleted,
  // EMR_EOF is appended and the header's bounds and counts are filled in. Call once.
  std::string Finish();

  // Recording past `bytes` throws PictureTooLarge (kMaxPictureBytes unless set lower).
  void SetByteLimit(std::uint64_t bytes) { byteLimit_ = bytes; }
  // Room for a recording expected to grow this large, so that a picture of many megabytes is
  // not copied each time it outgrows its buffer. Pages of the room not yet written take no
  // memory; an expectation beyond the byte limit reserves up to the limit.
  void ReserveBytes(std::uint64_t bytes) { bytes_.reserve(static_cast<std::size_t>(std::min(bytes, byteLimit_))); }

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  // One object of ours in the table.
  template <typename Object>
  struct Made {
    Object Value;
    std::uint32_t Index = 0;
    std::uint64_t LastUse = 0;  // for choosing which to delete when the kind is at its limit
  };
  // One kind of object (pen, brush or font): those in the table and the one selected.
  template <typename Object>
  struct Selection {
    std::vector<Made<Object>> Kept;
    std::size_t Limit = 1;
    std::optional<std::size_t> Current;  // into Kept; nothing while the stock object is selected
  };

  ByteWriter& Record();
  void RealizePen();
  void RealizeBrush();
  void RealizeFont();
  void NoteBackground();
  void RealizeBackground();
  template <typename Object, typename Create>
  void Realize(Selection<Object>& selection, const Object& wanted, std::uint32_t stock, Create create);
  template <typename Object>
  void Forget(Selection<Object>& selection, std::size_t which, std::uint32_t stock);
  template <typename Object>
  void ReleaseSelection(Selection<Object>& selection, std::uint32_t stock);
  void RealizeLineBackground();
  void SetState(std::uint32_t type, std::uint32_t& state, std::uint32_t value);
  void AddStrokeBounds(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  void AddBoxBounds(int left, int top, int right, int bottom);
  void AddTextBounds(PixelBox box);
  bool PenDraws() const { return CurrentPen().Style != PenStyle::Clear; }
  bool PaintsNothing(std::span<const PixelPoint> points) const;

  int width_;
  int height_;
  FontMetrics& metrics_;
  std::string bytes_;
  std::uint64_t byteLimit_ = kMaxPictureBytes;
  ByteWriter out_;
  std::uint64_t uses_ = 0;
  std::uint32_t records_ = 1;  // the header
  bool finished_ = false;
  ObjectTable objects_;
  Selection<EmfPen> pen_;
  Selection<EmfBrush> brush_;
  Selection<EmfFont> font_;
  // The playback state our records have set, starting from the platform's defaults.
  std::uint32_t rop2_;
  std::uint32_t bkMode_;
  std::uint32_t bkColor_ = kWhite;
  // What the brush last realized asks of the background, recorded when something uses it.
  std::uint32_t wantedBkMode_;
  std::uint32_t wantedBkColor_ = kWhite;
  std::uint32_t textColor_ = kBlack;
  PixelPoint position_;
  BoundsAccumulator bounds_;
};

}  // namespace tarn
