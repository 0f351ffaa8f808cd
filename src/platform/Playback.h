// The state of one playback and its record handlers, grouped by kind in their own files:
// PlayObjects.cpp, PlayState.cpp, PlayDrawing.cpp and PlayText.cpp.
#pragma once

#include <QFont>
#include <optional>
#include <vector>

#include "canvas/EmfRecord.h"
#include "canvas/EmfRecords.h"
#include "platform/RasterLines.h"
#include "platform/RasterTarget.h"

namespace tarn {

// One slot of the object table.
struct PlaybackObject {
  enum class Kind { None, Pen, Brush, Font };
  Kind ObjectKind = Kind::None;
  EmfPen Pen;
  EmfBrush Brush;
  EmfFont Font;
  QFont QtFont;  // made once when the font is created
};

class Playback {
 public:
  Playback(Bitmap24& target, std::uint32_t handles);

  void Play(const EmfRecord& record);

 private:
  // PlayObjects.cpp
  void CreateObject(const EmfRecord& record);
  void SelectObject(const EmfRecord& record);
  void SelectStock(std::uint32_t stock);
  void DeleteObject(const EmfRecord& record);
  PlaybackObject* Slot(std::uint32_t index);
  // PlayState.cpp
  void SetState(const EmfRecord& record);
  RasterOp PenOp() const;
  LinePaint PenPaint() const;
  bool BrushFills() const;
  // PlayDrawing.cpp
  void LineTo(const EmfRecord& record);
  void Box(const EmfRecord& record);
  void Polygon(const EmfRecord& record);
  void Polyline(const EmfRecord& record);
  void SetPixel(const EmfRecord& record);
  // PlayText.cpp
  void Text(const EmfRecord& record);

  RasterTarget target_;
  std::vector<PlaybackObject> objects_;
  EmfPen pen_;
  EmfBrush brush_;
  std::optional<PlaybackObject> font_;  // nothing: the stock system font
  std::uint32_t rop2_;
  std::uint32_t bkMode_;
  Color bkColor_ = kWhite;
  Color textColor_ = kBlack;
  PixelPoint position_;
};

}  // namespace tarn
