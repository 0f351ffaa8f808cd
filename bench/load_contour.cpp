// Reading a large standard-form contour file: 10^6 samples, about 30 MB, through the same
// command the menu runs. Reported as bytes per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/ContourDataCommands.h"
#include "app/Document.h"
#include "batch/BatchUserInterface.h"

namespace {

std::string MakeStandardFile(int samples) {
  const auto path = std::filesystem::temp_directory_path() / "tarnplot-bench-contour.txt";
  std::mt19937 random(42);
  std::uniform_real_distribution<double> coordinate(-1000.0, 1000.0);
  std::ofstream out(path, std::ios::binary);
  out << "X\tY\tValue\r\n";
  char line[96];
  for (int i = 0; i < samples; ++i) {
    std::snprintf(line, sizeof line, "%.6f\t%.6f\t%.6e\r\n", coordinate(random), coordinate(random),
                  coordinate(random) / 7.0);
    out << line;
  }
  return path.string();
}

void BM_LoadStandardFile(benchmark::State& state) {
  const std::string path = MakeStandardFile(static_cast<int>(state.range(0)));
  const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
  std::ostringstream messages;
  tarn::BatchUserInterface ui(messages);
  tarn::Document doc;
  for (auto _ : state) {
    tarn::LoadStandardDataExecute(doc, ui, path);
    benchmark::DoNotOptimize(doc.DataPoints.data());
  }
  if (doc.DataPoints.size() != static_cast<std::size_t>(state.range(0))) state.SkipWithError("short read");
  state.SetBytesProcessed(bytes * state.iterations());
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadStandardFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
