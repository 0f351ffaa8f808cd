// Playback and recording speed of metafiles: a typical 550 x 275 graph, and a 2000 x 2000
// picture made only of single pixels (the per-pixel fill).
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <cmath>
#include <string>

#include "BenchPictures.h"
#include "canvas/MetafileRecorder.h"
#include "platform/EmfPlayer.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

using bench::PixelPicture;
using bench::TypicalGraph;

void BM_PlayTypicalGraph550x275(benchmark::State& state) {
  const std::string graph = TypicalGraph();
  for (auto _ : state) benchmark::DoNotOptimize(RenderEmf(graph));
  state.counters["bytes"] = static_cast<double>(graph.size());
}
BENCHMARK(BM_PlayTypicalGraph550x275)->Unit(benchmark::kMillisecond);

void BM_PlayPixels2000x2000(benchmark::State& state) {
  const std::string picture = PixelPicture(2000);
  for (auto _ : state) benchmark::DoNotOptimize(RenderEmf(picture));
}
BENCHMARK(BM_PlayPixels2000x2000)->Unit(benchmark::kMillisecond);

void BM_RecordPixels2000x2000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(PixelPicture(2000));
}
BENCHMARK(BM_RecordPixels2000x2000)->Unit(benchmark::kMillisecond);

void BM_RecordTypicalGraph550x275(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TypicalGraph());
}
BENCHMARK(BM_RecordTypicalGraph550x275)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
