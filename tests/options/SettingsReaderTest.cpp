#include <gtest/gtest.h>

#include "base/Errors.h"
#include "support/FakeUserInterface.h"
#include "options/SettingsFile.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::ShownMessage;

const ShownMessage kMalformed{MessageKind::Warning, "設定ファイルが不正です"};

class SettingsReaderTest : public ::testing::Test {
 protected:
  // Reads `bytes` as a settings file; the series block, if any, lands in `seriesBlock`.
  void Load(std::string_view bytes) {
    LoadSettings(model, dir.Write("a.tpf", bytes), ui, [this](std::span<const std::string> lines) {
      seriesBlock.assign(lines.begin(), lines.end());
      ++seriesBlockCalls;
    });
  }
  // The option lines that differ from a fresh model's, to show what a file changed.
  std::vector<std::string> ChangedLines() const {
    const auto before = OptionLines(OptionsModel());
    const auto after = OptionLines(model);
    std::vector<std::string> changed;
    for (const std::string& line : after) {
      if (std::find(before.begin(), before.end(), line) == before.end()) changed.push_back(line);
    }
    return changed;
  }

  testing::TempDir dir;
  OptionsModel model;
  testing::FakeUserInterface ui;
  std::vector<std::string> seriesBlock;
  int seriesBlockCalls = 0;
};

using Lines = std::vector<std::string>;

TEST_F(SettingsReaderTest, OneLineChangesOnlyItsOption) {
  Load("C:comment\r\ncontourcolor:gray\r\nNoSuchKey:1\r\nContourPattern:Fancy\r\n");
  EXPECT_EQ(ChangedLines(), Lines{"ContourColor:Gray"});
  EXPECT_TRUE(ui.Messages.empty());
  EXPECT_EQ(seriesBlockCalls, 0);
}

TEST_F(SettingsReaderTest, MalformedLinesAreReportedEachAndSkipped) {
  Load("ShowXTitle:False\n\nno colon here\rGraphPattern:2");
  EXPECT_EQ(ui.Messages, (std::vector<ShownMessage>{kMalformed, kMalformed}));
  EXPECT_EQ(ChangedLines(), (Lines{"ShowXTitle:False", "GraphPattern:2"}));
}

TEST_F(SettingsReaderTest, ValuesAreUpperCasedAndCutAtColons) {
  Load("XTitle:t:s\nYTitle:Time\nVTitle:温度 c\n");
  EXPECT_EQ(model.Text(OptionEdit::XTitleBox), "T");
  EXPECT_EQ(model.Text(OptionEdit::YTitleBox), "TIME");
  EXPECT_EQ(model.Text(OptionEdit::ValueTitleBox), "温度 C");
}

TEST_F(SettingsReaderTest, BooleansTickOnlyOnExactTrue) {
  model.SetChecked(OptionCheck::MakeLegendCheck, false);
  Load("ShowXTitle:True \nShowYTitle:yes\nLegend:yes\nAutoSeries:FALSE\nShowContourLine:true\n");
  EXPECT_FALSE(model.Checked(OptionCheck::ShowXTitle));
  EXPECT_FALSE(model.Checked(OptionCheck::ShowYTitle));
  EXPECT_FALSE(model.Checked(OptionCheck::MakeLegendCheck));  // as it was
  EXPECT_FALSE(model.Checked(OptionCheck::AutoSetCheck));
  EXPECT_TRUE(model.Checked(OptionCheck::ShowLine));
  Load("Legend:True\nAutoSeries:maybe\n");
  EXPECT_TRUE(model.Checked(OptionCheck::MakeLegendCheck));
  EXPECT_FALSE(model.Checked(OptionCheck::AutoSetCheck));
}

TEST_F(SettingsReaderTest, SizeNumbersWinOverThePresetWord) {
  Load("Size:Half:300:200\n");
  EXPECT_EQ(model.GetPictureSize(), PictureSize::SizeCustom);
  EXPECT_EQ(model.Text(OptionEdit::ImageWidth), "300");
  EXPECT_EQ(model.Text(OptionEdit::ImageHeight), "200");
  Load("Size:Custom:+0300:-5\n");
  EXPECT_EQ(model.Text(OptionEdit::ImageWidth), "300");
  EXPECT_EQ(model.Text(OptionEdit::ImageHeight), "-5");
  Load("Size:wide\n");
  EXPECT_EQ(model.GetPictureSize(), PictureSize::Size550275);
  EXPECT_EQ(model.Text(OptionEdit::ImageWidth), "550");
}

TEST_F(SettingsReaderTest, ColoursNeedThreeComponentsAndKeepTheirLowBits) {
  Load("BackColor:1:2\nBorderColor:300:-1:256:9\n");
  EXPECT_EQ(model.GetColor(OptionColor::BKCOLOR), kWhite);
  EXPECT_EQ(model.GetColor(OptionColor::BDColor), MakeColor(44, 255, 0));
}

TEST_F(SettingsReaderTest, TheLaterOfRangeAndSwitchWins) {
  Load("Xmax:5\nXAutoMaxMin:True\nYAutoMaxMin:True\nYmax:5\n");
  EXPECT_EQ(model.Text(OptionEdit::XMaxBox), "5");
  EXPECT_TRUE(model.Checked(OptionCheck::XMMAuto));
  EXPECT_FALSE(model.Checked(OptionCheck::YMMAuto));
}

TEST_F(SettingsReaderTest, ProgramSetListAndPatternLeaveSettingsUnchanged) {
  Load("ContourLineColor:backcolor\nGraphPattern:3\nGraphPattern:4\nBackColor:0:0:0\n");
  EXPECT_EQ(model.LineColorIndex(), 4);
  EXPECT_EQ(model.GraphPattern(), 3);
  EXPECT_FALSE(model.SettingsChanged());
  Load("ContourColor:Gray\n");
  EXPECT_TRUE(model.SettingsChanged());
}

TEST_F(SettingsReaderTest, IntegerErrorStopsAtItsLineAndKeepsTheEarlierOnes) {
  try {
    Load("ContourColor:Gray\nSize:Custom:12x:5\nGraphPattern:3\n");
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()), "'12X' は整数ではありません");
  }
  EXPECT_EQ(model.GetColorScheme(), ColorScheme::GrayColor);
  EXPECT_EQ(model.GraphPattern(), 1);
}

TEST_F(SettingsReaderTest, SeriesBlockGoesToTheHookAsWritten) {
  Load("Begin:Series:x\nSeriesCount:1\nGraphPattern:3\nName:abc\n");
  EXPECT_EQ(seriesBlockCalls, 1);
  EXPECT_EQ(seriesBlock, (Lines{"SeriesCount:1", "GraphPattern:3", "Name:abc"}));
  EXPECT_EQ(model.GraphPattern(), 1);

  Load("begin:series");
  EXPECT_EQ(seriesBlockCalls, 2);
  EXPECT_TRUE(seriesBlock.empty());

  LoadSettings(model, dir.Write("b.tpf", "Begin:Series\nGraphPattern:3\n"), ui);  // no hook
  EXPECT_EQ(model.GraphPattern(), 1);
}

TEST_F(SettingsReaderTest, OneLineCanBeAppliedOnItsOwn) {
  EXPECT_EQ(ApplyOptionLine(model, "Begin:Series", ui), OptionLineResult::SeriesBlockStarts);
  EXPECT_EQ(ApplyOptionLine(model, "Begin:Other", ui), OptionLineResult::OptionLine);
  EXPECT_EQ(ApplyOptionLine(model, "Vstep:2", ui), OptionLineResult::OptionLine);
  EXPECT_EQ(model.Text(OptionEdit::ValueStepBox), "2");
  EXPECT_FALSE(model.Checked(OptionCheck::ValueStepAuto));
}

TEST_F(SettingsReaderTest, MissingFileChangesNothing) {
  LoadSettings(model, dir.Path("none.tpf"), ui);
  EXPECT_EQ(ui.Messages, (std::vector<ShownMessage>{{MessageKind::Information, "存在しません"}}));
  EXPECT_TRUE(ChangedLines().empty());
}

TEST_F(SettingsReaderTest, ReadsCp932AndUtf8) {
  Load(testing::Cp932("XTitle:時間\r\n"));
  EXPECT_EQ(model.Text(OptionEdit::XTitleBox), "時間");
  Load("\xEF\xBB\xBFYTitle:温度\r\n");
  EXPECT_EQ(model.Text(OptionEdit::YTitleBox), "温度");
}

TEST_F(SettingsReaderTest, RefusesBinaryAndHugeFiles) {
  const std::string refused = "ファイル " + dir.Path("a.tpf") + " は設定ファイルとして読めません";
  Load(std::string("ContourColor:Gray\n\0\x01", 20));
  std::string huge = "ContourColor:Gray\nC:";
  huge.resize(kMaxSettingsFileBytes + 1, 'C');
  Load(huge);
  EXPECT_EQ(ui.Messages, (std::vector<ShownMessage>{{MessageKind::Warning, refused},
                                                       {MessageKind::Warning, refused}}));
  EXPECT_EQ(model.GetColorScheme(), ColorScheme::RainbowColor);

  huge.pop_back();  // exactly the limit is still a settings file
  Load(huge);
  EXPECT_EQ(model.GetColorScheme(), ColorScheme::GrayColor);
}

TEST_F(SettingsReaderTest, SavedFileRestoresEverythingButTheCaseOfTitles) {
  OptionsModel saved;
  saved.SetText(OptionEdit::XTitleBox, "time [s]");
  saved.SetText(OptionEdit::YMaxBox, "2.5e3");
  saved.SetChecked(OptionCheck::XStepAuto, false);
  saved.ChooseFillStyle(FillStyle::NotPaint);
  saved.ChooseDataFormat(DataFormat::DataFormatTable);
  saved.ChooseColorScheme(ColorScheme::GrayColor);
  saved.PickLineColor(2);
  saved.SetChecked(OptionCheck::MakeLegendCheck, false);
  saved.ChooseScatterColors(ScatterColors::GradColor);
  saved.SetText(OptionEdit::ImageWidth, "640");
  saved.SetColor(OptionColor::BKCOLOR, MakeColor(12, 34, 56));
  saved.SetColor(OptionColor::BDColor, MakeColor(255, 0, 128));
  saved.SetGraphPattern(2);
  SaveSettings(saved, dir.Path("a.tpf"));

  LoadSettings(model, dir.Path("a.tpf"), ui);
  saved.SetText(OptionEdit::XTitleBox, "TIME [S]");
  saved.SetText(OptionEdit::ValueTitleBox, "VALUE");
  saved.SetText(OptionEdit::YMaxBox, "2.5E3");
  EXPECT_EQ(OptionLines(model), OptionLines(saved));
  EXPECT_TRUE(ui.Messages.empty());
}

}  // namespace
}  // namespace tarn
