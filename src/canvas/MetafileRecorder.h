// A canvas that records every drawing call as Enhanced Metafile records, the way the
// platform's metafile canvas does, with each call's coordinates stored as given.
//
// Objects are created when first needed for drawing and replaced when they change.
//
// Readers of these records take note: EMR_RECTANGLE and EMR_ELLIPSE hold the call's box, so
// their right and bottom are one past the last painted pixel (the platform's own recorder
// would store the inclusive box instead). The player, and every converter, reads them so.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "canvas/ByteWriter.h"
#include "canvas/Canvas.h"
#include "canvas/EmfRecords.h"
#include "canvas/ObjectTable.h"
#include "canvas/PixelBox.h"

namespace tarn {

class MetafileRecorder final : public Canvas {
 public:
  // A picture of width x height pixels; text is measured with `metrics`, which must outlive
  // the recorder.
  MetafileRecorder(int width, int height, FontMetrics& metrics);

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

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  // One kind of object (pen, brush or font) as it is selected in the recording.
  template <typename Object>
  struct Selection {
    std::optional<Object> Current;  // nothing while the stock object is selected
    std::uint32_t Index = 0;
  };

  ByteWriter& Record();
  void RealizePen();
  void RealizeBrush();
  void RealizeFont();
  void RealizeBackground();
  template <typename Object, typename Create>
  void Realize(Selection<Object>& selection, const Object& wanted, std::uint32_t stock, Create create);
  template <typename Object>
  void ReleaseSelection(Selection<Object>& selection, std::uint32_t stock);
  void SetState(std::uint32_t type, std::uint32_t& state, std::uint32_t value);
  void AddStrokeBounds(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  void AddBoxBounds(int left, int top, int right, int bottom);
  void AddTextBounds(PixelBox box);
  bool PenDraws() const { return CurrentPen().Style != PenStyle::Clear; }

  int width_;
  int height_;
  FontMetrics& metrics_;
  std::string bytes_;
  ByteWriter out_;
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
  std::uint32_t textColor_ = kBlack;
  PixelPoint position_;
  BoundsAccumulator bounds_;
};

}  // namespace tarn
