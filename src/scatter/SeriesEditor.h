// The series editor without its window: the fields of the selected series with their Tags,
// the red text of edits typed but not applied, and what the list, the fields, the colour
// button and add and delete do to the series. The window mirrors this state and calls these
// functions; the batch runner calls them too.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "base/Color.h"

namespace tarn {

class OptionsModel;
class UserInterface;
struct ScatterData;

// The controls of "選択した系列のオプション" and "データ情報", numbered by their Tag.
enum class SeriesControl {
  SeriesNameBox = 1,
  ShowInGraphCheck = 2,
  StyleBox = 3,
  LWidBox = 4,
  MSizeBox = 5,
  MarkerBox = 6,
  BrushingCheck = 7,
  Button1 = 8,  // "変更" beside the colour shape
  XColBox = 11,
  YColBox = 12,
  DStartBox = 13,
  DEndBox = 14,
};

// An edit's text and whether it shows red (typed, not yet applied with Enter).
struct SeriesEdit {
  std::string Text;
  bool Red = false;
};

inline constexpr int kNoListItem = -1;

// The editor's controls as values, in the state of the form at start.
struct SeriesFields {
  std::array<SeriesEdit, 7> Edits;  // by EditSlot
  bool ShowInGraphCheck = true;
  int StyleBox = kNoListItem;   // "ラインのみ" "ラインとマーカ" "マーカのみ"
  int MarkerBox = kNoListItem;  // "○" "□" "△" "▽" "◇"
  bool BrushingCheck = true;
  Color ColorBox = kBlack;
  bool ChangeAll = false;  // "変更を全系列に適用する"

  SeriesEdit& Edit(SeriesControl edit);
  const SeriesEdit& Edit(SeriesControl edit) const;
};

// The seven edits in Tag order; nothing for a control that is not an edit.
std::optional<std::size_t> EditSlot(SeriesControl control);
inline constexpr SeriesControl kSeriesEdits[] = {SeriesControl::SeriesNameBox, SeriesControl::LWidBox,
                                                 SeriesControl::MSizeBox,      SeriesControl::XColBox,
                                                 SeriesControl::YColBox,       SeriesControl::DStartBox,
                                                 SeriesControl::DEndBox};

inline constexpr const char* kNoSeriesSelectedMessage = "系列が選択されていません";
inline constexpr const char* kNoSeriesToDeleteMessage = "削除する系列が選択されていません";

// Fills the fields from the selected series (nothing without a selection); every edit
// turns black. Filling the check boxes is not a click: no series changes and no flag is set.
void ShowSeries(ScatterData& scatter);
// A click on item `index` of the series list: selects it and shows it.
void SListBoxClick(ScatterData& scatter, int index);

// The person changes an edit's text: it turns red until applied.
void TypeInSeriesEdit(ScatterData& scatter, SeriesControl edit, std::string text);
// Enter in an edit applies it and turns it black; a text that is no integer leaves the field
// unchanged and the edit red (the ConversionError rises to the command boundary).
void EnterInSeriesEdit(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl edit);
// A click on a check box, or a new choice in one of the two lists, applies at once.
void ClickSeriesCheck(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl check,
                      bool ticked);
void ChooseSeriesListItem(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl list,
                          int index);
// "変更": the colour dialog preset to the shape's colour; confirmed or cancelled, the shape's
// colour is then applied.
void ColorButtonClick(ScatterData& scatter, OptionsModel& options, UserInterface& ui);

// Applies one control to the selected series, or to every series with ChangeAll ticked, and
// sets SettingsChanged.
void SetSeriesClick(ScatterData& scatter, OptionsModel& options, UserInterface& ui, SeriesControl control);
// One control's value into series i.
void ApplyToSeries(ScatterData& scatter, std::size_t i, SeriesControl control);

// "追加": a copy of the selected series, or a new default one, at the end of the list.
void AddSeriesExecute(ScatterData& scatter);
// "削除": the selected series goes; the same index (or the new last) is selected.
void DeleteSeriesExecute(ScatterData& scatter, UserInterface& ui);

}  // namespace tarn
