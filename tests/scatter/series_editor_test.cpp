// The series editor's logic: showing a series, applying one control to the selected series or
// to all of them, the refusals, and add and delete.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "scatter/ScatterData.h"
#include "support/ScriptedUserInterface.h"

namespace tarn {
namespace {

using testing::ScriptedUserInterface;

class SeriesEditor : public ::testing::Test {
 public:
  SeriesEditor() {
    SeriesList series(3);
    for (std::size_t i = 0; i < series.size(); ++i) series[i].Name = "s" + std::to_string(i);
    scatter.ReplaceSeries(series);
  }

  void Enter(SeriesControl edit, const std::string& text) {
    TypeInSeriesEdit(scatter, edit, text);
    EnterInSeriesEdit(scatter, options, ui, edit);
  }
  std::vector<std::int32_t> Widths() const {
    std::vector<std::int32_t> widths;
    for (const GSeries& s : scatter.Series) widths.push_back(s.LineWidth);
    return widths;
  }

  ScatterData scatter;
  OptionsModel options;
  ScriptedUserInterface ui;
};

struct ApplyCase {
  const char* Name;
  std::function<void(SeriesEditor&)> Act;
  std::function<bool(const GSeries&)> Applied;
};

class ApplyingOneControl : public SeriesEditor, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyingOneControl, ChangesTheSelectedSeriesOrAllWithChangeAll) {
  SListBoxClick(scatter, 1);
  GetParam().Act(*this);
  EXPECT_FALSE(GetParam().Applied(scatter.Series[0]));
  EXPECT_TRUE(GetParam().Applied(scatter.Series[1]));
  EXPECT_TRUE(options.SettingsChanged());
  scatter.Fields.ChangeAll = true;
  scatter.Selected = kNoSelection;
  GetParam().Act(*this);
  for (const GSeries& s : scatter.Series) EXPECT_TRUE(GetParam().Applied(s)) << s.Name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryTag, ApplyingOneControl,
    ::testing::Values(
        ApplyCase{"Name", [](SeriesEditor& ed) { ed.Enter(SeriesControl::SeriesNameBox, "温度"); },
                  [](const GSeries& s) { return s.Name == "温度"; }},
        ApplyCase{"Width", [](SeriesEditor& ed) { ed.Enter(SeriesControl::LWidBox, "4"); },
                  [](const GSeries& s) { return s.LineWidth == 4; }},
        ApplyCase{"MarkSize", [](SeriesEditor& ed) { ed.Enter(SeriesControl::MSizeBox, "6"); },
                  [](const GSeries& s) { return s.MarkSize == 6; }},
        ApplyCase{"Columns", [](SeriesEditor& ed) { ed.Enter(SeriesControl::XColBox, "2"); ed.Enter(SeriesControl::YColBox, "3"); },
                  [](const GSeries& s) { return s.XCol == 2 && s.YCol == 3; }},
        ApplyCase{"Rows", [](SeriesEditor& ed) { ed.Enter(SeriesControl::DStartBox, "5"); ed.Enter(SeriesControl::DEndBox, "-1"); },
                  [](const GSeries& s) { return s.DataStartLine == 5 && s.DataEndLine == -1; }},
        ApplyCase{"Show", [](SeriesEditor& ed) { ClickSeriesCheck(ed.scatter, ed.options, ed.ui, SeriesControl::ShowInGraphCheck, false); },
                  [](const GSeries& s) { return !s.ShowInGraph; }},
        ApplyCase{"Brushing", [](SeriesEditor& ed) { ClickSeriesCheck(ed.scatter, ed.options, ed.ui, SeriesControl::BrushingCheck, false); },
                  [](const GSeries& s) { return !s.Brushing; }},
        ApplyCase{"Style", [](SeriesEditor& ed) { ChooseSeriesListItem(ed.scatter, ed.options, ed.ui, SeriesControl::StyleBox, 2); },
                  [](const GSeries& s) { return s.PlotType == PlotType::Marker; }},
        ApplyCase{"Marker", [](SeriesEditor& ed) { ChooseSeriesListItem(ed.scatter, ed.options, ed.ui, SeriesControl::MarkerBox, 3); },
                  [](const GSeries& s) { return s.MarkerType == MarkerType::VTriangle; }},
        // A cancelled colour dialog still applies the colour the shape shows.
        ApplyCase{"ColorCancelled", [](SeriesEditor& ed) { ed.scatter.Fields.ColorBox = MakeColor(1, 2, 3); ColorButtonClick(ed.scatter, ed.options, ed.ui); },
                  [](const GSeries& s) { return s.Color == MakeColor(1, 2, 3); }},
        ApplyCase{"ColorPicked", [](SeriesEditor& ed) { ed.ui.Colors = {MakeColor(9, 8, 7)}; ColorButtonClick(ed.scatter, ed.options, ed.ui); },
                  [](const GSeries& s) { return s.Color == MakeColor(9, 8, 7); }}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST_F(SeriesEditor, ShowingASeriesFillsTheFieldsBlackWithoutApplyingAnything) {
  scatter.Series[2].ShowInGraph = false;
  scatter.Series[2].Brushing = false;
  scatter.Series[2].LineWidth = 7;
  scatter.Fields.ChangeAll = true;
  TypeInSeriesEdit(scatter, SeriesControl::LWidBox, "99");
  SListBoxClick(scatter, 2);
  const SeriesFields& f = scatter.Fields;
  EXPECT_EQ(f.Edit(SeriesControl::LWidBox).Text, "7");  // the typed value is dropped
  EXPECT_EQ(f.Edit(SeriesControl::SeriesNameBox).Text, "s2");
  EXPECT_FALSE(f.ShowInGraphCheck);
  EXPECT_EQ(f.StyleBox, 1);
  EXPECT_EQ(f.MarkerBox, 0);
  for (const SeriesEdit& edit : f.Edits) EXPECT_FALSE(edit.Red);
  // Showing is not a click: the other series keep their flags, and nothing counts as changed.
  EXPECT_TRUE(scatter.Series[0].ShowInGraph);
  EXPECT_TRUE(scatter.Series[0].Brushing);
  EXPECT_FALSE(options.SettingsChanged());
}

TEST_F(SeriesEditor, RefusalsChangeNothing) {
  TypeInSeriesEdit(scatter, SeriesControl::LWidBox, "3");
  EXPECT_TRUE(scatter.Fields.Edit(SeriesControl::LWidBox).Red);
  EnterInSeriesEdit(scatter, options, ui, SeriesControl::LWidBox);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: 系列が選択されていません"}));
  SListBoxClick(scatter, 0);
  for (bool all : {false, true}) {
    scatter.Fields.ChangeAll = all;
    TypeInSeriesEdit(scatter, SeriesControl::LWidBox, "wide");
    EXPECT_THROW(EnterInSeriesEdit(scatter, options, ui, SeriesControl::LWidBox), ConversionError);
    EXPECT_TRUE(scatter.Fields.Edit(SeriesControl::LWidBox).Red);
    EXPECT_EQ(Widths(), (std::vector<std::int32_t>{1, 1, 1}));
    EXPECT_FALSE(options.SettingsChanged());
  }
}

TEST_F(SeriesEditor, AddCopiesTheSelectedSeriesOrAppendsADefaultOne) {
  AddSeriesExecute(scatter);
  EXPECT_EQ(scatter.ListItems.back(), "名称未設定");
  EXPECT_EQ(scatter.Series.back(), GSeries{});
  scatter.Series[1].LineWidth = 5;
  SListBoxClick(scatter, 1);
  AddSeriesExecute(scatter);
  EXPECT_EQ(scatter.Series.back(), scatter.Series[1]);
  EXPECT_EQ(scatter.ListItems, (std::vector<std::string>{"s0", "s1", "s2", "名称未設定", "s1"}));
  EXPECT_EQ(scatter.Selected, 1);
  EXPECT_FALSE(options.SettingsChanged());
}

TEST_F(SeriesEditor, DeleteSelectsTheSameIndexOrTheNewLastAndNothingWhenEmpty) {
  DeleteSeriesExecute(scatter, ui);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: 削除する系列が選択されていません"}));
  SListBoxClick(scatter, 1);
  DeleteSeriesExecute(scatter, ui);
  EXPECT_EQ(scatter.ListItems, (std::vector<std::string>{"s0", "s2"}));
  EXPECT_EQ(scatter.Selected, 1);
  DeleteSeriesExecute(scatter, ui);
  EXPECT_EQ(scatter.Selected, 0);
  // The fields keep the deleted series' values until another is picked.
  EXPECT_EQ(scatter.Fields.Edit(SeriesControl::SeriesNameBox).Text, "s1");
  DeleteSeriesExecute(scatter, ui);
  EXPECT_TRUE(scatter.Series.empty());
  EXPECT_TRUE(scatter.ListItems.empty());
  EXPECT_EQ(scatter.Selected, kNoSelection);
  EXPECT_FALSE(options.SettingsChanged());
}

}  // namespace
}  // namespace tarn
