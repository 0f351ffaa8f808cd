#include "scatter/ScatterData.h"

namespace tarn {

void ScatterData::ReplaceSeries(SeriesList series) {
  Series = std::move(series);
  ListItems.clear();
  ListItems.reserve(Series.size());
  for (const GSeries& s : Series) ListItems.push_back(s.Name);
}

}  // namespace tarn

namespace tarn {

void FillGrid(ScatterData& scatter, const OptionsModel& options, TextLines lines) {
  scatter.Grid.Fill(std::move(lines));
  if (!options.Checked(OptionCheck::AutoSetCheck)) return;
  scatter.ReplaceSeries(AutoMakeSeries(scatter.Grid, options));
  scatter.Selected = scatter.Series.empty() ? kNoSelection : 0;
  ShowSeries(scatter);
}

}  // namespace tarn
