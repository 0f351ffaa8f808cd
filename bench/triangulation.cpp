// The triangulation on large inputs: uniform random points (2*10^4 to 10^6), with a stray
// sample or in two far patches, and a 1000 x 1000 grid in table-form order. Each run builds
// the whole mesh once; the counters give triangles, passes and the peak resident memory of
// the process per point (run one benchmark per process, with --benchmark_filter, for a clean
// memory figure). BM_OrderBySpace times the renumbering by place that every build starts
// with, on its own. A large build uses a second thread for part of its k-d tree, so the CPU
// time is that of the whole process; the wall time is the one to compare for two cores, and
// `taskset -c 0` gives the figure for one.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <random>

#include "mesh/SpatialOrder.h"
#include "mesh/Triangulation.h"

namespace {

tarn::PointList UniformPoints(int count) {
  std::mt19937 random(20261208);
  std::uniform_real_distribution<float> coordinate(0.0f, 1000.0f);
  tarn::PointList points(static_cast<std::size_t>(count));
  for (tarn::Points& p : points) {
    p.X = coordinate(random);
    p.Y = coordinate(random);
    p.Value = p.X - p.Y;
  }
  return points;
}

// Rows from the top, as the table-form reader produces them.
tarn::PointList GridPoints(int side) {
  tarn::PointList points;
  points.reserve(static_cast<std::size_t>(side) * side);
  for (int row = side - 1; row >= 0; --row) {
    for (int column = 0; column < side; ++column) {
      points.push_back({static_cast<float>(column) * 0.5f, static_cast<float>(row) * 0.5f, 0});
    }
  }
  return points;
}

class CountingObserver : public tarn::MeshBuildObserver {
 public:
  int passes = 0;
  void Started(int) override {}
  void Pump() override {}
  bool CancelRequested() override { return false; }
  void PassFinished(int) override { ++passes; }
};

// A fingerprint of the whole mesh, to compare builds of the triangulation bit for bit.
double MeshChecksum(const tarn::TriangleList& mesh) {
  std::uint64_t sum = 0;
  for (const tarn::MeshTriangle& t : mesh) {
    for (const std::int32_t field : {t.V1, t.V2, t.V3, t.E1, t.E2, t.E3}) {
      sum = sum * 1000003u + static_cast<std::uint32_t>(field);
    }
  }
  return static_cast<double>(sum >> 12);  // exact in a double
}

double PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// What the process holds now, for telling the build's own memory from what was there before.
double ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

void RunBuild(benchmark::State& state, const tarn::PointList& points) {
  tarn::TriangleList mesh;
  CountingObserver observer;
  const double before = ResidentBytes();
  for (auto _ : state) {
    observer.passes = 0;
    tarn::BuildMesh(points, mesh, observer);
    benchmark::DoNotOptimize(mesh.data());
  }
  const auto count = static_cast<double>(points.size());
  state.counters["triangles"] = static_cast<double>(mesh.size());
  state.counters["passes"] = observer.passes;
  state.counters["mesh_checksum"] = MeshChecksum(mesh);
  state.counters["peak_rss_bytes_per_point"] = PeakResidentBytes() / count;
  // The peak less what the process held when the build began (libraries, the input points).
  state.counters["build_peak_bytes_per_point"] = (PeakResidentBytes() - before) / count;
}

void BM_UniformPoints(benchmark::State& state) {
  RunBuild(state, UniformPoints(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_UniformPoints)
    ->Arg(20000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1);

// Measured data with one stray sample far away, and two patches far apart: the grid
// behind the search must not leave the points crowded into a few cells.
void BM_UniformWithStraySample(benchmark::State& state) {
  tarn::PointList points = UniformPoints(static_cast<int>(state.range(0)));
  points[points.size() / 2] = {1e7f, 1e7f, 0};
  RunBuild(state, points);
}
BENCHMARK(BM_UniformWithStraySample)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1);

void BM_TwoFarPatches(benchmark::State& state) {
  tarn::PointList points = UniformPoints(static_cast<int>(state.range(0)));
  for (std::size_t i = 0; i < points.size() / 2; ++i) points[i].X += 1e6f;
  RunBuild(state, points);
}
BENCHMARK(BM_TwoFarPatches)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1);

void BM_OrderBySpace(benchmark::State& state) {
  const tarn::PointList points = UniformPoints(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const tarn::SpatialOrder order = tarn::OrderBySpace(points);
    benchmark::DoNotOptimize(order.Original.data());
  }
}
BENCHMARK(BM_OrderBySpace)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Grid(benchmark::State& state) {
  RunBuild(state, GridPoints(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Grid)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1);

}  // namespace
