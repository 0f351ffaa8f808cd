// One scatter series (an x column, a y column, a range of rows and a drawing style), the
// series made automatically from a table, their colours by the scatter colour scheme, and
// the check of every series against the table before drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Color.h"
#include "options/OptionsModel.h"
#include "scatter/CellTable.h"

namespace tarn {

enum class PlotType : std::uint8_t { Line = 0, LineAndMarker = 1, Marker = 2 };
constexpr int kPlotTypeCount = 3;

enum class MarkerType : std::uint8_t { Circle = 0, Rectangle = 1, Triangle = 2, VTriangle = 3, Diamond = 4 };
constexpr int kMarkerTypeCount = 5;

inline constexpr const char* kUnnamedSeries = "名称未設定";

// Columns and rows are the table's 0-based numbers; the end row is included.
struct GSeries {
  std::string Name = kUnnamedSeries;
  std::int32_t XCol = 0;
  std::int32_t YCol = 0;
  std::int32_t DataStartLine = 0;
  std::int32_t DataEndLine = 1;
  bool ShowInGraph = true;
  std::int32_t LineWidth = 1;
  std::int32_t MarkSize = 3;  // half the marker's size, pixels
  tarn::PlotType PlotType = tarn::PlotType::LineAndMarker;
  tarn::MarkerType MarkerType = tarn::MarkerType::Circle;
  tarn::Color Color = kBlack;
  bool Brushing = true;  // markers filled with the series colour, else with the background
  friend bool operator==(const GSeries&, const GSeries&) = default;
};

using SeriesList = std::vector<GSeries>;

// Every field back to its default.
void InitSeries(GSeries& series);

// One series per column after the first, x from column 0, each named after the first cell of
// its column that is not a number and starting on the row after it; coloured by `options`.
SeriesList AutoMakeSeries(const CellTable& table, const OptionsModel& options);

// The colour of every series under the scatter colour option (shown or not).
void AssignSeriesColors(SeriesList& series, const OptionsModel& options);
// Red, blue, green, magenta, yellow, cyan, and again.
Color StandardSeriesColor(std::size_t index);

inline constexpr const char* kBadSeriesRangeMessage =
    "データ範囲が不正です\r\n各系列のデータ範囲を修正するか、\r\n系列の自動作成をONにして再度データを読み込んでください";

// Every series (hidden ones too) names columns and rows of the table.
bool SeriesFitTable(const SeriesList& series, const CellTable& table);

}  // namespace tarn
