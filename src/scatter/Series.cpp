#include "scatter/Series.h"

#include <algorithm>

#include "render/ColorScale.h"

namespace tarn {

namespace {

// The first cell of the column that is not a number names the series, which starts on the
// row after it; a column of numbers keeps the default name and start.
void NameFromColumn(const CellTable& table, GSeries& series) {
  double ignored = 0;
  for (int row = 0; row < table.RowCount(); ++row) {
    if (table.CellNumber(series.YCol, row, ignored)) continue;
    const std::string text = table.Cell(series.YCol, row);
    series.Name = text.empty() ? kUnnamedSeries : text;
    series.DataStartLine = row + 1;
    return;
  }
}

bool IsIndexBelow(std::int32_t index, int count) { return index >= 0 && index < count; }

}  // namespace

void InitSeries(GSeries& series) { series = GSeries{}; }

SeriesList AutoMakeSeries(const CellTable& table, const OptionsModel& options) {
  const int count = table.ColCount() - 1;
  SeriesList series(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    GSeries& s = series[static_cast<std::size_t>(i)];
    InitSeries(s);
    s.YCol = i + 1;
    s.DataEndLine = table.RowCount() - 1;
    s.MarkerType = static_cast<MarkerType>((i + 1) % kMarkerTypeCount);
    s.Brushing = i % 10 >= 5;
    NameFromColumn(table, s);
    s.DataStartLine = std::min(s.DataStartLine, s.DataEndLine);
  }
  AssignSeriesColors(series, options);
  return series;
}

Color StandardSeriesColor(std::size_t index) {
  static constexpr Color kCycle[] = {MakeColor(255, 0, 0),   MakeColor(0, 0, 255),   MakeColor(0, 255, 0),
                                     MakeColor(255, 0, 255), MakeColor(255, 255, 0), MakeColor(0, 255, 255)};
  return kCycle[index % std::size(kCycle)];
}

void AssignSeriesColors(SeriesList& series, const OptionsModel& options) {
  const std::size_t n = series.size();
  for (std::size_t i = 0; i < n; ++i) {
    tarn::Color& color = series[i].Color;
    switch (options.GetScatterColors()) {
      case ScatterColors::StdColor: color = StandardSeriesColor(i); break;
      case ScatterColors::WBColor: color = kBlack; break;
      case ScatterColors::GradColor:
        color = n == 1 ? MakeColor(255, 0, 0)
                       : SpectrumRGB(options, static_cast<double>(n - 1 - i), 0, static_cast<double>(n - 1));
        break;
    }
  }
}

bool SeriesFitTable(const SeriesList& series, const CellTable& table) {
  return std::all_of(series.begin(), series.end(), [&](const GSeries& s) {
    return IsIndexBelow(s.XCol, table.ColCount()) && IsIndexBelow(s.YCol, table.ColCount()) &&
           IsIndexBelow(s.DataStartLine, table.RowCount()) && IsIndexBelow(s.DataEndLine, table.RowCount());
  });
}

}  // namespace tarn
