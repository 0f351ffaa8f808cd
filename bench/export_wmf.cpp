// Speed of the placeable WMF conversion: a typical 550 x 275 graph, and a 2000 x 2000 picture
// made only of single pixels (the per-pixel fill), which must convert in under a second.
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <string>

#include "BenchPictures.h"
#include "export/PlaceableWmf.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

using bench::PixelPicture;
using bench::TypicalGraph;

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
