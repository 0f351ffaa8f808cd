// Speed of the placeable WMF conversion: a typical 550 x 275 graph, and a 2000 x 2000 picture
// made only of single pixels (the per-pixel fill), which must convert in under a second.
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <string>

#include "canvas/MetafileRecorder.h"
#include "export/PlaceableWmf.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

QtFontMetrics& Metrics() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QtFontMetrics metrics;
  return metrics;
}

Color Band(int i) { return MakeColor(static_cast<unsigned>(i * 37), static_cast<unsigned>(i * 11), static_cast<unsigned>(255 - i)); }

// What a contour graph records: background, bands as pentagons with their two contour
// lines, tick labels and titles, the frame.
std::string TypicalGraph() {
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

std::string PixelPicture(int size) {
  MetafileRecorder r(size, size, Metrics());
  for (int x = 0; x < size; ++x) {
    for (int y = 0; y < size; ++y) r.SetPixel(x, y, Band(x + y));
  }
  return r.Finish();
}

void Convert(benchmark::State& state, const std::string& emf) {
  std::size_t wmfBytes = 0;
  for (auto _ : state) {
    const std::string wmf = ConvertToPlaceableWmf(emf);
    wmfBytes = wmf.size();
    benchmark::DoNotOptimize(wmf.data());
  }
  state.counters["emf_bytes"] = static_cast<double>(emf.size());
  state.counters["wmf_bytes"] = static_cast<double>(wmfBytes);
}

void BM_ConvertTypicalGraph550x275(benchmark::State& state) { Convert(state, TypicalGraph()); }
BENCHMARK(BM_ConvertTypicalGraph550x275)->Unit(benchmark::kMillisecond);

void BM_ConvertPixels2000x2000(benchmark::State& state) { Convert(state, PixelPicture(2000)); }
BENCHMARK(BM_ConvertPixels2000x2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
