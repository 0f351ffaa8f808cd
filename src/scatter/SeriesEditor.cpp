#include "scatter/SeriesEditor.h"

#include <algorithm>
#include <iterator>

#include "base/NumberText.h"
#include "base/UserInterface.h"
#include "options/OptionsModel.h"
#include "scatter/ScatterData.h"

namespace tarn {

namespace {

// The field of an integer edit.
std::int32_t GSeries::*IntegerField(SeriesControl control) {
  switch (control) {
    case SeriesControl::LWidBox: return &GSeries::LineWidth;
    case SeriesControl::MSizeBox: return &GSeries::MarkSize;
    case SeriesControl::XColBox: return &GSeries::XCol;
    case SeriesControl::YColBox: return &GSeries::YCol;
    case SeriesControl::DStartBox: return &GSeries::DataStartLine;
    case SeriesControl::DEndBox: return &GSeries::DataEndLine;
    default: return nullptr;
  }
}

bool HasSelection(const ScatterData& scatter) {
  return scatter.Selected >= 0 && static_cast<std::size_t>(scatter.Selected) < scatter.Series.size();
}

}  // namespace

std::optional<std::size_t> EditSlot(SeriesControl control) {
  const auto found = std::find(std::begin(kSeriesEdits), std::end(kSeriesEdits), control);
  if (found == std::end(kSeriesEdits)) return std::nullopt;
  return static_cast<std::size_t>(found - std::begin(kSeriesEdits));
}

SeriesEdit& SeriesFields::Edit(SeriesControl edit) { return Edits.at(EditSlot(edit).value()); }
const SeriesEdit& SeriesFields::Edit(SeriesControl edit) const { return Edits.at(EditSlot(edit).value()); }

void ShowSeries(ScatterData& scatter) {
  if (!HasSelection(scatter)) return;
  const GSeries& s = scatter.Series[static_cast<std::size_t>(scatter.Selected)];
  SeriesFields& f = scatter.Fields;
  f.Edit(SeriesControl::SeriesNameBox).Text = s.Name;
  f.ShowInGraphCheck = s.ShowInGraph;
  f.Edit(SeriesControl::XColBox).Text = std::to_string(s.XCol);
  f.Edit(SeriesControl::YColBox).Text = std::to_string(s.YCol);
  f.Edit(SeriesControl::DStartBox).Text = std::to_string(s.DataStartLine);
  f.Edit(SeriesControl::DEndBox).Text = std::to_string(s.DataEndLine);
  // A value the list has no item for leaves the list as it was.
  if (static_cast<int>(s.PlotType) < kPlotTypeCount) f.StyleBox = static_cast<int>(s.PlotType);
  if (static_cast<int>(s.MarkerType) < kMarkerTypeCount) f.MarkerBox = static_cast<int>(s.MarkerType);
  f.Edit(SeriesControl::LWidBox).Text = std::to_string(s.LineWidth);
  f.Edit(SeriesControl::MSizeBox).Text = std::to_string(s.MarkSize);
  f.BrushingCheck = s.Brushing;
  f.ColorBox = s.Color;
  for (SeriesEdit& edit : f.Edits) edit.Red = false;
}

void SListBoxClick(ScatterData& scatter, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= scatter.Series.size()) return;
  scatter.Selected = index;
  ShowSeries(scatter);
}

void TypeInSeriesEdit(ScatterData& scatter, SeriesControl edit, std::string text) {
  SeriesEdit& field = scatter.Fields.Edit(edit);
  field.Text = std::move(text);
  field.Red = true;
}

void EnterInSeriesEdit(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl edit) {
  SetSeriesClick(scatter, options, ui, edit);
  scatter.Fields.Edit(edit).Red = false;
}

void ClickSeriesCheck(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl check,
                      bool ticked) {
  (check == SeriesControl::ShowInGraphCheck ? scatter.Fields.ShowInGraphCheck : scatter.Fields.BrushingCheck) = ticked;
  SetSeriesClick(scatter, options, ui, check);
}

void ChooseSeriesListItem(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl list,
                          int index) {
  (list == SeriesControl::StyleBox ? scatter.Fields.StyleBox : scatter.Fields.MarkerBox) = index;
  SetSeriesClick(scatter, options, ui, list);
}

void ColorButtonClick(ScatterData& scatter, OptionsModel& options, UserInterface& ui) {
  if (const auto picked = ui.ChooseColorFrom(scatter.Fields.ColorBox)) scatter.Fields.ColorBox = *picked;
  SetSeriesClick(scatter, options, ui, SeriesControl::Button1);
}

void SetSeriesClick(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl control) {
  if (scatter.Fields.ChangeAll) {
    for (std::size_t i = 0; i < scatter.Series.size(); ++i) ApplyToSeries(scatter, i, control);
  } else if (!HasSelection(scatter)) {
    ui.ShowMessage(MessageKind::Warning, kNoSeriesSelectedMessage);
    return;
  } else {
    ApplyToSeries(scatter, static_cast<std::size_t>(scatter.Selected), control);
  }
  options.MarkSettingsChanged();
}

void ApplyToSeries(ScatterData& scatter, std::size_t i, SeriesControl control) {
  GSeries& s = scatter.Series.at(i);
  const SeriesFields& f = scatter.Fields;
  if (const auto field = IntegerField(control)) {
    s.*field = TextToInt(f.Edit(control).Text);
    return;
  }
  switch (control) {
    case SeriesControl::SeriesNameBox:
      s.Name = f.Edit(control).Text;
      scatter.ListItems.at(i) = s.Name;
      break;
    case SeriesControl::ShowInGraphCheck: s.ShowInGraph = f.ShowInGraphCheck; break;
    case SeriesControl::BrushingCheck: s.Brushing = f.BrushingCheck; break;
    case SeriesControl::StyleBox:
      if (f.StyleBox >= 0 && f.StyleBox < kPlotTypeCount) s.PlotType = static_cast<PlotType>(f.StyleBox);
      break;
    case SeriesControl::MarkerBox:
      if (f.MarkerBox >= 0 && f.MarkerBox < kMarkerTypeCount) s.MarkerType = static_cast<MarkerType>(f.MarkerBox);
      break;
    case SeriesControl::Button1: s.Color = f.ColorBox; break;
    default: break;
  }
}

void AddSeriesExecute(ScatterData& scatter) {
  GSeries added;
  if (HasSelection(scatter)) added = scatter.Series[static_cast<std::size_t>(scatter.Selected)];
  scatter.Series.push_back(added);
  scatter.ListItems.push_back(added.Name);
}

void DeleteSeriesExecute(ScatterData& scatter, UserInterface& ui) {
  if (!HasSelection(scatter)) {
    ui.ShowMessage(MessageKind::Warning, kNoSeriesToDeleteMessage);
    return;
  }
  const auto index = static_cast<std::size_t>(scatter.Selected);
  scatter.Series.erase(scatter.Series.begin() + static_cast<std::ptrdiff_t>(index));
  scatter.ListItems.erase(scatter.ListItems.begin() + static_cast<std::ptrdiff_t>(index));
  if (scatter.Series.empty()) {
    scatter.Selected = kNoSelection;
  } else {
    scatter.Selected = std::min(scatter.Selected, static_cast<int>(scatter.Series.size()) - 1);
  }
}

}  // namespace tarn
