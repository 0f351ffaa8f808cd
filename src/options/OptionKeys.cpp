#include "options/OptionKeys.h"

namespace tarn {

namespace {

// A choice row for a radio group held as an enum whose values are the word indices.
template <typename Group, Group (OptionsModel::*Get)() const, void (OptionsModel::*Set)(Group)>
ChoiceRow RadioRow(std::vector<std::string_view> words) {
  return ChoiceRow{
      std::move(words),
      [](const OptionsModel& model) { return static_cast<int>((model.*Get)()); },
      [](OptionsModel& model, int index) { (model.*Set)(static_cast<Group>(index)); }};
}

ChoiceRow LineColorRow() {
  return ChoiceRow{{"Black", "White", "Reverse", "Standard", "BackColor", "BorderColor"},
                   [](const OptionsModel& model) { return model.LineColorIndex(); },
                   [](OptionsModel& model, int index) { model.SetLineColorIndex(index); }};
}

// Words "1" to "3" for the buttons 1 to 3; read from the program, so no click.
ChoiceRow GraphPatternRow() {
  return ChoiceRow{{"1", "2", "3"},
                   [](const OptionsModel& model) { return model.GraphPattern() - 1; },
                   [](OptionsModel& model, int index) { model.SetGraphPattern(index + 1); }};
}

std::vector<OptionRow> BuildOptionRows() {
  using C = OptionCheck;
  using E = OptionEdit;
  return {
      {"ShowXTitle", CheckRow{C::ShowXTitle}},
      {"ShowYTitle", CheckRow{C::ShowYTitle}},
      {"ShowVTitle", CheckRow{C::ShowValueTitle}},
      {"XTitle", EditRow{E::XTitleBox}},
      {"YTitle", EditRow{E::YTitleBox}},
      {"VTitle", EditRow{E::ValueTitleBox}},
      // Each range and step comes before its switch, so reading restores the switch last.
      {"Xmax", EditRow{E::XMaxBox}},
      {"Xmin", EditRow{E::XMinBox}},
      {"Xstep", EditRow{E::XStepBox}},
      {"XAutoMaxMin", CheckRow{C::XMMAuto}},
      {"XAutoStep", CheckRow{C::XStepAuto}},
      {"Ymax", EditRow{E::YMaxBox}},
      {"Ymin", EditRow{E::YminBox}},
      {"Ystep", EditRow{E::YStepBox}},
      {"YAutoMaxMin", CheckRow{C::YMMAuto}},
      {"YAutoStep", CheckRow{C::YStepAuto}},
      // The fill style comes before ShowContourLine, which it may force on.
      {"ContourPattern", RadioRow<FillStyle, &OptionsModel::GetFillStyle,
                                  &OptionsModel::ChooseFillStyle>({"Bitmap", "Meta", "None"})},
      {"ContourFile", RadioRow<DataFormat, &OptionsModel::GetDataFormat,
                               &OptionsModel::ChooseDataFormat>({"Standard", "Table"})},
      {"ContourColor", RadioRow<ColorScheme, &OptionsModel::GetColorScheme,
                                &OptionsModel::ChooseColorScheme>({"Rainbow", "Gray", "Contrast"})},
      {"Vmax", EditRow{E::ValueMaxBox}},
      {"Vmin", EditRow{E::ValueMinBox}},
      {"Vstep", EditRow{E::ValueStepBox}},
      {"VAutoMaxMin", CheckRow{C::ValueMMAuto}},
      {"VAutoStep", CheckRow{C::ValueStepAuto}},
      {"ShowContourLine", CheckRow{C::ShowLine}},
      {"ContourLineColor", LineColorRow()},
      {"Legend", CheckRow{C::MakeLegendCheck, "true", "False", true}},
      {"LineGraphColor",
       RadioRow<ScatterColors, &OptionsModel::GetScatterColors, &OptionsModel::ChooseScatterColors>(
           {"WhiteAndBlack", "Standard", "Gradation"})},
      {"AutoSeries", CheckRow{C::AutoSetCheck, "true", "false", true}},
      {"Size", SizeRow{}},
      {"BackColor", ColorRow{OptionColor::BKCOLOR}},
      {"BorderColor", ColorRow{OptionColor::BDColor}},
      {"GraphPattern", GraphPatternRow()},
  };
}

}  // namespace

const std::vector<OptionRow>& OptionRows() {
  static const std::vector<OptionRow> rows = BuildOptionRows();
  return rows;
}

}  // namespace tarn
