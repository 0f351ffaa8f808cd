#include "options/OptionsModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarn {
namespace {

using Kind = OptionChange::Kind;

OptionChange CheckEvent(OptionCheck check) { return {Kind::Check, static_cast<int>(check)}; }
OptionChange EditEvent(OptionEdit edit) { return {Kind::Edit, static_cast<int>(edit)}; }
const OptionChange kSettingsEvent{Kind::SettingsChanged, 0};

// The defaults that the settings file does not show (the rest: SettingsWriterTest).
TEST(OptionsModelDefaultsTest, ReloadControlsAndFlags) {
  const OptionsModel model;
  EXPECT_FALSE(model.Checked(OptionCheck::AutoReloadCheck));
  EXPECT_EQ(model.Text(OptionEdit::AutoReloadInterval), "10");
  EXPECT_TRUE(model.ShowLineEnabled());
  EXPECT_FALSE(model.SettingsChanged());
  EXPECT_FALSE(model.SavedShowLine());
}

// A model that starts with SettingsChanged cleared and records every change after that.
class OptionsModelTest : public ::testing::Test {
 protected:
  OptionsModelTest() {
    model.Subscribe([this](const OptionChange& change) { events.push_back(change); });
  }
  void Restart() {
    model.ClearSettingsChanged();
    events.clear();
  }

  OptionsModel model;
  std::vector<OptionChange> events;
};

TEST_F(OptionsModelTest, RangeAndStepTextsClearTheirOwnSwitchOnly) {
  const std::pair<OptionEdit, OptionCheck> pairs[] = {
      {OptionEdit::XMinBox, OptionCheck::XMMAuto},       {OptionEdit::XMaxBox, OptionCheck::XMMAuto},
      {OptionEdit::YminBox, OptionCheck::YMMAuto},       {OptionEdit::YMaxBox, OptionCheck::YMMAuto},
      {OptionEdit::XStepBox, OptionCheck::XStepAuto},    {OptionEdit::YStepBox, OptionCheck::YStepAuto},
      {OptionEdit::ValueMinBox, OptionCheck::ValueMMAuto},
      {OptionEdit::ValueMaxBox, OptionCheck::ValueMMAuto},
      {OptionEdit::ValueStepBox, OptionCheck::ValueStepAuto}};
  for (const auto& [edit, autoSwitch] : pairs) {
    OptionsModel fresh;
    fresh.SetText(edit, fresh.Text(edit));  // the same text is no change
    EXPECT_TRUE(fresh.Checked(autoSwitch));
    fresh.SetText(edit, "7");
    int cleared = 0;
    for (OptionCheck check : {OptionCheck::XMMAuto, OptionCheck::YMMAuto, OptionCheck::XStepAuto,
                              OptionCheck::YStepAuto, OptionCheck::ValueMMAuto,
                              OptionCheck::ValueStepAuto}) {
      cleared += fresh.Checked(check) ? 0 : 1;
    }
    EXPECT_FALSE(fresh.Checked(autoSwitch));
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(fresh.SettingsChanged());
  }
}

TEST_F(OptionsModelTest, RangeTextMarksSettingsOnlyThroughItsSwitch) {
  model.SetText(OptionEdit::XMaxBox, "5");
  Restart();
  model.SetText(OptionEdit::XMaxBox, "6");
  EXPECT_FALSE(model.SettingsChanged());
  EXPECT_EQ(events, std::vector<OptionChange>{EditEvent(OptionEdit::XMaxBox)});

  model.SetText(OptionEdit::XTitleBox, "Time");
  EXPECT_TRUE(model.SettingsChanged());
}

TEST_F(OptionsModelTest, WriteBackOfANewValueClearsAndTicksTheSwitchAgain) {
  model.WriteBack(OptionEdit::XMaxBox, 0.1 + 0.2, OptionCheck::XMMAuto);
  EXPECT_EQ(model.Text(OptionEdit::XMaxBox), "0.3");
  EXPECT_TRUE(model.Checked(OptionCheck::XMMAuto));
  EXPECT_TRUE(model.SettingsChanged());  // the close prompt follows a mere redraw
  const std::vector<OptionChange> expected = {EditEvent(OptionEdit::XMaxBox),
                                              CheckEvent(OptionCheck::XMMAuto), kSettingsEvent,
                                              CheckEvent(OptionCheck::XMMAuto)};
  EXPECT_EQ(events, expected);

  Restart();
  model.WriteBack(OptionEdit::XMaxBox, 0.3, OptionCheck::XMMAuto);
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(model.SettingsChanged());
}

TEST_F(OptionsModelTest, LinesOnlyForcesTheLinesAndLeavingItGivesThemBack) {
  model.ChooseFillStyle(FillStyle::NotPaint);
  EXPECT_TRUE(model.Checked(OptionCheck::ShowLine));
  EXPECT_FALSE(model.ShowLineEnabled());
  EXPECT_FALSE(model.SavedShowLine());
  EXPECT_TRUE(model.SettingsChanged());

  model.ChooseFillStyle(FillStyle::PaintMetaContour);
  EXPECT_FALSE(model.Checked(OptionCheck::ShowLine));
  EXPECT_TRUE(model.ShowLineEnabled());

  // With the lines already on, lines-only remembers "on" and changes no check.
  model.SetChecked(OptionCheck::ShowLine, true);
  Restart();
  model.ChooseFillStyle(FillStyle::NotPaint);
  EXPECT_TRUE(model.SavedShowLine());
  const std::vector<OptionChange> expected = {
      {Kind::FillStyle, 0}, {Kind::CheckEnabled, static_cast<int>(OptionCheck::ShowLine)},
      kSettingsEvent};
  EXPECT_EQ(events, expected);
  model.ChooseFillStyle(FillStyle::PaintBitMapContour);
  EXPECT_TRUE(model.Checked(OptionCheck::ShowLine));
}

TEST_F(OptionsModelTest, SwitchingBetweenTheFillsKeepsTheLineSwitch) {
  model.SetChecked(OptionCheck::ShowLine, true);  // SavedShowLine is still false
  model.ChooseFillStyle(FillStyle::PaintBitMapContour);
  EXPECT_TRUE(model.Checked(OptionCheck::ShowLine));
  model.ChooseFillStyle(FillStyle::PaintMetaContour);
  EXPECT_TRUE(model.Checked(OptionCheck::ShowLine));
}

TEST_F(OptionsModelTest, SizePresetsRewriteTheEditsAndStayChosen) {
  model.ChoosePictureSize(PictureSize::Size550275);
  EXPECT_EQ(model.GetPictureSize(), PictureSize::Size550275);
  EXPECT_EQ(model.Text(OptionEdit::ImageWidth), "550");
  EXPECT_EQ(model.Text(OptionEdit::ImageHeight), "275");

  model.ChoosePictureSize(PictureSize::Size275275);
  Restart();
  model.SetText(OptionEdit::ImageWidth, "275");  // no change at all
  EXPECT_EQ(model.GetPictureSize(), PictureSize::Size275275);
  model.SetText(OptionEdit::ImageHeight, "276");
  model.SetText(OptionEdit::ImageHeight, "275");  // equal to the preset, still custom
  EXPECT_EQ(model.GetPictureSize(), PictureSize::SizeCustom);
  EXPECT_TRUE(model.SettingsChanged());
}

TEST_F(OptionsModelTest, ProgramSetListAndPatternsLeaveTheFlagButPicksAndClicksSetIt) {
  model.SetLineColorIndex(3);
  model.SetGraphPattern(2);
  model.SetColor(OptionColor::BDColor, MakeColor(1, 2, 3));
  EXPECT_FALSE(model.SettingsChanged());
  EXPECT_EQ(events.size(), 3u);

  model.PickLineColor(3);
  EXPECT_FALSE(model.SettingsChanged());
  model.PickLineColor(4);
  EXPECT_TRUE(model.SettingsChanged());

  Restart();
  model.ClickGraphPattern(2);  // the button already down
  EXPECT_EQ(events, std::vector<OptionChange>{kSettingsEvent});
}

TEST_F(OptionsModelTest, ColorDialogMarksSettingsEvenWhenCancelled) {
  model.FinishColorDialog(OptionColor::BKCOLOR, std::nullopt);
  EXPECT_EQ(model.GetColor(OptionColor::BKCOLOR), kWhite);
  EXPECT_TRUE(model.SettingsChanged());
  model.FinishColorDialog(OptionColor::BKCOLOR, MakeColor(10, 20, 30));
  EXPECT_EQ(model.GetColor(OptionColor::BKCOLOR), MakeColor(10, 20, 30));
  EXPECT_EQ(model.GetColor(OptionColor::BDColor), kBlack);
}

TEST_F(OptionsModelTest, ReloadControlsAreNoSettings) {
  model.SetChecked(OptionCheck::AutoReloadCheck, true);
  model.SetText(OptionEdit::AutoReloadInterval, "3");
  EXPECT_FALSE(model.SettingsChanged());
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(OptionsModelTest, ResetRestoresTheDefaultsInOrderAndKeepsTitlesAndRanges) {
  model.ChooseFillStyle(FillStyle::NotPaint);
  model.ChooseColorScheme(ColorScheme::GrayColor);
  model.ChoosePictureSize(PictureSize::Size550275);
  model.ChooseDataFormat(DataFormat::DataFormatTable);
  model.SetChecked(OptionCheck::MakeLegendCheck, false);
  model.SetChecked(OptionCheck::AutoSetCheck, false);
  model.ChooseScatterColors(ScatterColors::GradColor);
  model.SetColor(OptionColor::BKCOLOR, MakeColor(1, 1, 1));
  model.SetColor(OptionColor::BDColor, MakeColor(2, 2, 2));
  model.SetGraphPattern(3);
  model.SetText(OptionEdit::XTitleBox, "Time");
  model.SetText(OptionEdit::XMinBox, "-4");
  model.SetLineColorIndex(2);
  Restart();

  model.Reset();
  const int showLine = static_cast<int>(OptionCheck::ShowLine);
  const std::vector<OptionChange> expected = {
      {Kind::FillStyle, 0}, CheckEvent(OptionCheck::ShowLine), kSettingsEvent,
      {Kind::CheckEnabled, showLine}, {Kind::ColorScheme, 0}, {Kind::PictureSize, 0},
      EditEvent(OptionEdit::ImageWidth), {Kind::DataFormat, 0},
      CheckEvent(OptionCheck::MakeLegendCheck), CheckEvent(OptionCheck::AutoSetCheck),
      {Kind::ScatterColors, 0}, {Kind::ColorShape, static_cast<int>(OptionColor::BKCOLOR)},
      {Kind::ColorShape, static_cast<int>(OptionColor::BDColor)}, {Kind::GraphPattern, 0}};
  EXPECT_EQ(events, expected);
  EXPECT_FALSE(model.Checked(OptionCheck::ShowLine));
  EXPECT_EQ(model.Text(OptionEdit::ImageWidth), "275");
  EXPECT_EQ(model.Text(OptionEdit::XTitleBox), "Time");
  EXPECT_EQ(model.Text(OptionEdit::XMinBox), "-4");
  EXPECT_FALSE(model.Checked(OptionCheck::XMMAuto));
  EXPECT_EQ(model.LineColorIndex(), 2);

  Restart();
  model.Reset();  // already at the defaults: nothing happens
  EXPECT_TRUE(events.empty());
}

TEST_F(OptionsModelTest, ColoursAndPatternAloneDoNotMakeAResetAChange) {
  model.SetColor(OptionColor::BKCOLOR, MakeColor(1, 1, 1));
  model.SetGraphPattern(3);
  model.Reset();
  EXPECT_FALSE(model.SettingsChanged());
  EXPECT_EQ(model.GraphPattern(), 1);
}

TEST_F(OptionsModelTest, ListenersCanLeaveWhileBeingNotified) {
  OptionsModel fresh;
  int first = 0;
  int second = 0;
  OptionsModel::ListenerId secondId = 0;
  const auto firstId = fresh.Subscribe([&](const OptionChange&) {
    ++first;
    fresh.Unsubscribe(secondId);
  });
  secondId = fresh.Subscribe([&](const OptionChange&) { ++second; });
  fresh.SetChecked(OptionCheck::ShowXTitle, false);  // Check and SettingsChanged
  EXPECT_EQ(first, 2);
  EXPECT_EQ(second, 0);
  OptionsModel copy = fresh;  // a copy is nobody's view
  copy.SetChecked(OptionCheck::ShowYTitle, false);
  EXPECT_EQ(first, 2);
  fresh.Unsubscribe(firstId);
  fresh.SetChecked(OptionCheck::ShowXTitle, true);
  EXPECT_EQ(first, 2);
}

}  // namespace
}  // namespace tarn
