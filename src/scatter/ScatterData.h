// What the series editor owns: the data table, the series list with the items of its list
// box and the selection, and the state of the scatter legend's placement.
#pragma once

#include <string>
#include <vector>

#include "scatter/CellTable.h"
#include "scatter/SeriesEditor.h"
#include "scatter/Series.h"

namespace tarn {

inline constexpr int kNoSelection = -1;

struct LegendState {
  int Width = 0;   // measured when the picture starts waiting for the click
  int Height = 0;
  int X = 0;       // top-left corner in picture pixels, where the person clicked
  int Y = 0;
  bool Ready = false;  // a position has been clicked; the next scatter redraw draws the legend there
};

struct ScatterData {
  CellTable Grid;
  SeriesList Series;
  // The series list box: one item per series, normally the series' name (the settings
  // reader shows "名称未設定" until a name line follows).
  std::vector<std::string> ListItems;
  int Selected = kNoSelection;
  SeriesFields Fields;  // the editor's fields, showing the selected series once shown
  LegendState Legend;

  // Replaces the series and the list box with `series`, items showing their names.
  void ReplaceSeries(SeriesList series);
};

}  // namespace tarn

namespace tarn {

class OptionsModel;

// Puts the lines into the table and, when automatic series are on (AutoSetCheck), rebuilds
// the series from it with the first one selected and shown in the editor's fields.
void FillGrid(ScatterData& scatter, const OptionsModel& options, TextLines lines);

}  // namespace tarn
