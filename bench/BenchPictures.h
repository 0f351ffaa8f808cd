// The pictures the playback and export benchmarks share: a typical 550 x 275 contour graph and
// a picture made only of single pixels, recorded with the platform's fonts.
#pragma once

#include <QtGlobal>
#include <string>

#include "canvas/MetafileRecorder.h"
#include "platform/QtFontMetrics.h"

namespace tarn::bench {

inline QtFontMetrics& Metrics() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QtFontMetrics metrics;
  return metrics;
}

inline Color Band(int i) { return MakeColor(static_cast<unsigned>(i * 37), static_cast<unsigned>(i * 11), static_cast<unsigned>(255 - i)); }

// What a contour graph records: background, bands as pentagons with their two contour
// lines, tick labels and titles, the frame.
inline std::string TypicalGraph() {
  MetafileRecorder r(550, 275, Metrics());
  r.SetPenColor(kWhite);
  r.SetBrushColor(kWhite);
  r.Rectangle(0, 0, 550, 275);
  for (int i = 0; i < 3000; ++i) {
    const int x = 60 + (i * 7) % 460, y = 40 + (i * 13) % 180;
    r.SetPenColor(Band(i % 60));
    r.SetBrushColor(Band(i % 60));
    const PixelPoint band[] = {{x, y}, {x + 9, y + 2}, {x + 12, y + 10}, {x + 4, y + 14}, {x - 2, y + 7}};
    r.Polygon(band);
    r.SetPenMode(i % 2 == 0 ? PenMode::Not : PenMode::Copy);
    r.MoveTo(x, y);
    r.LineTo(x + 9, y + 2);
    r.MoveTo(x + 4, y + 14);
    r.LineTo(x - 2, y + 7);
    r.SetPenMode(PenMode::Copy);
  }
  r.SetPenColor(kBlack);
  r.SetBrushColor(kWhite);
  for (int i = 0; i < 40; ++i) r.TextOut(30 + 12 * i, 240, "1.5E-0003");
  r.SetFontEscapement(900);
  r.TextOut(5, 200, "縦軸タイトル");
  r.Rectangle(60, 40, 520, 225);
  return r.Finish();
}

inline std::string PixelPicture(int size) {
  MetafileRecorder r(size, size, Metrics());
  for (int x = 0; x < size; ++x) {
    for (int y = 0; y < size; ++y) r.SetPixel(x, y, Band(x + y));
  }
  return r.Finish();
}

}  // namespace tarn::bench
