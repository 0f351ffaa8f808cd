// Speed of the contour fills over a mesh of about 10^5 triangles: the per-pixel fill of a
// 2000 x 2000 picture and the vector bands with the automatic step, each into a canvas that
// only keeps what it is given and into the metafile recorder (recording finished included).
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "canvas/MetafileRecorder.h"
#include "options/OptionsModel.h"
#include "render/ContourBands.h"
#include "render/ContourPixels.h"
#include "render/NiceStep.h"
#include "ContourBenchMesh.h"

namespace tarn {
using namespace bench;
namespace {

template <typename Draw>
void RunPixelFill(benchmark::State& state, Draw draw) {
  const TestMesh& m = SharedMesh();
  OptionsModel options;
  QuietUserInterface ui;
  for (auto _ : state) {
    bool cancel = false, outdated = false;
    draw([&](Canvas& canvas) {
      RenderContext ctx{canvas, options, ui, cancel, outdated};
      DrawContourPixels(ctx, m.Points, m.Mesh, m.VMin, m.VMax, WholePicture());
    });
  }
  state.counters["triangles"] = static_cast<double>(m.Mesh.size());
}

void BM_PixelFillIntoVector(benchmark::State& state) {
  RunPixelFill(state, [&](auto fill) {
    StoringCanvas canvas;
    fill(canvas);
    state.counters["pixels"] = static_cast<double>(canvas.Pixels.size());
    benchmark::DoNotOptimize(canvas.Pixels.data());
  });
}

void BM_PixelFillRecorded(benchmark::State& state) {
  RunPixelFill(state, [&](auto fill) {
    FixedMetrics metrics;
    MetafileRecorder recorder(kPicture, kPicture, metrics);
    fill(recorder);
    const std::string bytes = recorder.Finish();
    state.counters["bytes"] = static_cast<double>(bytes.size());
  });
}

template <typename Draw>
void RunBands(benchmark::State& state, bool withLines, Draw draw) {
  const TestMesh& m = SharedMesh();
  OptionsModel options;
  options.SetChecked(OptionCheck::ShowLine, withLines);
  QuietUserInterface ui;
  const double step = NiceStep(m.VMin, m.VMax, ui) / 10;  // the automatic step
  for (auto _ : state) {
    bool cancel = false, outdated = false;
    draw([&](Canvas& canvas) {
      RenderContext ctx{canvas, options, ui, cancel, outdated};
      DrawContourBands(ctx, m.Points, m.Mesh, m.VMin, m.VMax, WholePicture(), step);
    });
  }
  state.counters["bands"] = std::ceil(m.VMax / step) - std::floor(m.VMin / step);
}

void BM_BandsIntoVector(benchmark::State& state) {
  RunBands(state, state.range(0) != 0, [&](auto draw) {
    StoringCanvas canvas;
    draw(canvas);
    state.counters["polygons"] = static_cast<double>(canvas.Polygons);
    benchmark::DoNotOptimize(canvas.Corners.data());
  });
}

void BM_BandsRecorded(benchmark::State& state) {
  RunBands(state, state.range(0) != 0, [&](auto draw) {
    FixedMetrics metrics;
    MetafileRecorder recorder(kPicture, kPicture, metrics);
    draw(recorder);
    const std::string bytes = recorder.Finish();
    state.counters["bytes"] = static_cast<double>(bytes.size());
  });
}

BENCHMARK(BM_PixelFillIntoVector)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PixelFillRecorded)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BandsIntoVector)->Arg(0)->Arg(1)->ArgName("lines")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BandsRecorded)->Arg(0)->Arg(1)->ArgName("lines")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarn
