// EPS export speed: the raster image of a 2000 x 2000 band picture over 10^5 triangles and of a
// 550 x 275 graph (playback included), and the vector translation of the large band picture.
#include <benchmark/benchmark.h>

#include "ContourBenchMesh.h"
#include "canvas/MetafileRecorder.h"
#include "export/EpsConverter.h"
#include "options/OptionsModel.h"
#include "platform/EmfPlayer.h"
#include "render/ContourBands.h"
#include "render/NiceStep.h"

namespace tarn {
namespace {

using bench::FixedMetrics;
using bench::QuietUserInterface;
using bench::SharedMesh;
using bench::TestMesh;

// The bands and lines of a lattice mesh filling a width x height picture.
std::string BandPicture(int width, int height, const TestMesh& m) {
  OptionsModel options;
  options.SetChecked(OptionCheck::ShowLine, true);
  QuietUserInterface ui;
  FixedMetrics metrics;
  MetafileRecorder recorder(width, height, metrics);
  PlotArea area;
  area.Right = width - 1;
  area.Bottom = 1;
  area.Top = height;
  area.XMax = area.YMax = bench::kSide;
  area.XScale = area.Right / bench::kSide;
  area.YScale = (area.Top - area.Bottom) / bench::kSide;
  area.PictureHeight = height;
  bool cancel = false, outdated = false;
  RenderContext context{recorder, options, ui, cancel, outdated};
  DrawContourBands(context, m.Points, m.Mesh, m.VMin, m.VMax, area, NiceStep(m.VMin, m.VMax, ui) / 10);
  return recorder.Finish();
}

void BM_EpsRaster(benchmark::State& state) {
  // The large picture over 10^5 triangles; the graph-sized one over a mesh of a few hundred
  // samples, as a measured data file gives.
  const int width = static_cast<int>(state.range(0));
  const std::string picture = BandPicture(width, static_cast<int>(state.range(1)), width > 1000 ? SharedMesh() : TestMesh(20));
  std::size_t hexBytes = 0;
  for (auto _ : state) {
    Tepsf eps(RenderEmf);
    eps.ConvertMetafile(picture, false, false);
    hexBytes = 0;
    for (const std::string& line : eps.OutLines) hexBytes += line.size();
  }
  state.counters["MB"] = static_cast<double>(hexBytes) / 1e6;
}
BENCHMARK(BM_EpsRaster)->Args({2000, 2000})->Args({550, 275})->Unit(benchmark::kMillisecond);

void BM_EpsVector(benchmark::State& state) {
  const std::string picture = BandPicture(2000, 2000, SharedMesh());
  std::size_t lines = 0;
  for (auto _ : state) {
    Tepsf eps(RenderEmf);
    eps.ConvertMetafile(picture, false, true);
    lines = eps.OutLines.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["triangles"] = static_cast<double>(SharedMesh().Mesh.size());
}
BENCHMARK(BM_EpsVector)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
