// How the canvas's pen, brush and font become metafile objects, and where a text lands.
#pragma once

#include "canvas/Canvas.h"
#include "canvas/EmfRecords.h"
#include "canvas/PixelBox.h"

namespace tarn {

EmfPen ToEmfPen(const Pen& pen);
EmfBrush ToEmfBrush(const Brush& brush);
EmfFont ToEmfFont(const CanvasFont& font);

// The inclusive box covered by a width x height text cell whose top-left corner is `origin`,
// turned `escapement` tenths of a degree counter-clockwise about that corner.
PixelBox TurnedTextBox(PixelPoint origin, int width, int height, int escapement);

}  // namespace tarn
