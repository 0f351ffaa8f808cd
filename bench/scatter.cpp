// The scatter road at logger-file sizes: loading a 10^6-row, 4-column table through the menu's
// command (automatic series included), recording the picture of 3 series with markers and
// lines, and playing that picture onto a 550 x 275 bitmap.
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/Document.h"
#include "app/Redraw.h"
#include "app/ScatterCommands.h"
#include "batch/BatchUserInterface.h"
#include "platform/EmfPlayer.h"
#include "platform/HeadlessFonts.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

QtFontMetrics& Metrics() {
  PrepareHeadlessFontSystem();
  static QtFontMetrics metrics;
  return metrics;
}

// A logger file: a header, then time and three noisy channels.
std::string MakeLoggerFile(int rows) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("tarnplot-bench-scatter-" + std::to_string(rows) + ".txt");
  if (std::filesystem::exists(path)) return path.string();
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0.0, 0.5);
  std::ofstream out(path, std::ios::binary);
  out << "time\ttemperature\tpressure\tflow\r\n";
  char line[128];
  for (int i = 0; i < rows; ++i) {
    const double t = i * 0.01;
    std::snprintf(line, sizeof line, "%.2f\t%.4f\t%.3f\t%.5f\r\n", t, 20 + 5 * std::sin(t / 50) + noise(random),
                  1013 + 10 * std::cos(t / 70) + noise(random), 2.5 + noise(random) / 10);
    out << line;
  }
  return path.string();
}

struct LoadedTable {
  Document Doc;
  std::ostringstream Messages;
  BatchUserInterface Ui{Messages};
};

void Load(LoadedTable& table, const std::string& path) {
  table.Ui.SetNextFile(path);
  LoadSanpudataExecute(table.Doc, table.Ui);
}

void BM_LoadScatterFile(benchmark::State& state) {
  const std::string path = MakeLoggerFile(static_cast<int>(state.range(0)));
  const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    LoadedTable table;
    Load(table, path);
    benchmark::DoNotOptimize(table.Doc.Scatter.Series.data());
    if (table.Doc.Scatter.Series.size() != 3) state.SkipWithError("expected three series");
  }
  state.SetBytesProcessed(bytes * state.iterations());
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_LoadScatterFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The redraw command of the scatter mode at 550 x 275, legend off so the picture is finished.
void BM_ScatterRedraw(benchmark::State& state) {
  LoadedTable table;
  Load(table, MakeLoggerFile(static_cast<int>(state.range(0))));
  table.Doc.Options.SetChecked(OptionCheck::MakeLegendCheck, false);
  table.Doc.Options.ChoosePictureSize(PictureSize::Size550275);
  for (auto _ : state) {
    PreRedrawExecute(table.Doc, table.Ui, Metrics());
    benchmark::DoNotOptimize(table.Doc.Picture.data());
  }
  if (!table.Messages.str().empty()) state.SkipWithError(table.Messages.str().c_str());
  state.counters["EMF_MB"] = static_cast<double>(table.Doc.Picture.size()) / 1e6;
}
BENCHMARK(BM_ScatterRedraw)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PlayScatterPicture550x275(benchmark::State& state) {
  LoadedTable table;
  Load(table, MakeLoggerFile(static_cast<int>(state.range(0))));
  table.Doc.Options.SetChecked(OptionCheck::MakeLegendCheck, false);
  table.Doc.Options.ChoosePictureSize(PictureSize::Size550275);
  PreRedrawExecute(table.Doc, table.Ui, Metrics());
  for (auto _ : state) benchmark::DoNotOptimize(RenderEmf(table.Doc.Picture));
}
BENCHMARK(BM_PlayScatterPicture550x275)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
