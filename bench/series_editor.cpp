// Opening the series editor on a 10^6-row table and scrolling its grid to the last row, drawn
// each time: the grid asks only for the cells it shows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <cstdio>
#include <sstream>
#include <string>

#include "app/Document.h"
#include "app/ScatterCommands.h"
#include "batch/BatchUserInterface.h"
#include "ui/SeriesEditorWindow.h"

namespace tarn {
namespace {

std::string LoggerText(int rows) {
  std::string text = "time\ttemperature\tpressure\tflow\n";
  text.reserve(static_cast<std::size_t>(rows) * 32);
  char line[96];
  for (int i = 0; i < rows; ++i) {
    std::snprintf(line, sizeof line, "%.2f\t%.3f\t%.2f\t%.4f\n", i * 0.01, 20 + (i % 997) * 0.01, 1013.0 + (i % 89),
                  2.5 + (i % 13) * 0.001);
    text += line;
  }
  return text;
}

void BM_OpenEditorAndScrollToEnd(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "bench_series_editor";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  Document doc;
  std::ostringstream messages;
  BatchUserInterface ui(messages);
  ui.SetClipboardText(LoggerText(static_cast<int>(state.range(0))));
  LoadFromCPExecute(doc, ui);
  for (auto _ : state) {
    SeriesEditorWindow editor(doc, ui);
    editor.show();
    auto* grid = editor.findChild<QTableView*>("Grid");
    grid->scrollToBottom();
    benchmark::DoNotOptimize(editor.grab());
    if (grid->rowAt(grid->viewport()->height() - 1) < state.range(0) - 30) state.SkipWithError("not at the end");
  }
  state.counters["rows"] = static_cast<double>(doc.Scatter.Grid.RowCount());
}
BENCHMARK(BM_OpenEditorAndScrollToEnd)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
