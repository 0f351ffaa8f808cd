// The redraw: sizes the picture area from the options, then records the contour picture
// (or, in scatter mode, the scatter picture) into a fresh metafile.
//
// The contour picture, in drawing order: background, colour bar, per-pixel fill (if chosen)
// and bands with contour lines (contour mode), mesh edges (mesh mode), frame and axes last.
// Before drawing, the x, y and value ranges and the value step come from the data (written
// back into the options) or from the options, and the left margin grows from 30 pixels until
// the free strip left of the y labels is wider than the strip right of the plot.
#pragma once

#include "app/Document.h"
#include "base/UserInterface.h"
#include "canvas/Canvas.h"

namespace tarn {

inline constexpr const char* kNoDataMessage = "データがありません";
inline constexpr const char* kRebuildQuestion = "新しいデータです\r\nメッシュを作り直しますか？";
inline constexpr const char* kFlatRangeMessage =
    "X軸またはY軸の範囲の幅が0です\r\n最小値と最大値を確かめてください";
inline constexpr const char* kMeshMismatchMessage =
    "メッシュが現在のデータに合いません\r\nメッシュを作り直してください";
inline constexpr const char* kBadImageSizeMessage = "画像の大きさが不正です（1～8000ピクセル）";
inline constexpr int kMaxImageSide = 8000;

// Tool-bar "再描画".
void PreRedrawExecute(Document& doc, UserInterface& ui, FontMetrics& metrics);
// Sizes the picture area (and the window) from the size edits; false, after telling the
// person, for a size that cannot be drawn.
bool SizingImageExecute(Document& doc, UserInterface& ui);
// The contour picture.
void RedrawExecute(Document& doc, UserInterface& ui, FontMetrics& metrics);

}  // namespace tarn
