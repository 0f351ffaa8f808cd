#include <gtest/gtest.h>

#include <algorithm>

#include "base/Errors.h"
#include "options/SettingsFile.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

std::string Joined(const std::vector<std::string>& lines, const char* ending = "\n") {
  std::string text;
  for (const std::string& line : lines) text += line + ending;
  return text;
}

const char* const kDefaultFile =
    "C:------------Tarnplot用初期ファイル-----------\n"
    "C:  \"C:\"で始まる行はコメント行として扱われます\n"
    "C:  このファイルは、存在しなくても動作します\n"
    "C:  プログラム終了時に設定がこのファイルに上書きされます\n"
    "C:  全ての行が必要なわけではありません\n"
    "C:\u3000設定したいことだけを記述すれば動作します\n"
    "C:  大文字と小文字は区別されません\n"
    "C:  行頭と行末の空白は無視されます\n"
    "C:-------------------------------------------------\n"
    "ShowXTitle:True\nShowYTitle:True\nShowVTitle:True\n"
    "XTitle:X\nYTitle:Y\nVTitle:Value\n"
    "Xmax:1\nXmin:0\nXstep:0.5\nXAutoMaxMin:True\nXAutoStep:True\n"
    "Ymax:1\nYmin:0\nYstep:0.5\nYAutoMaxMin:True\nYAutoStep:True\n"
    "ContourPattern:Meta\nContourFile:Standard\nContourColor:Rainbow\n"
    "Vmax:1\nVmin:0\nVstep:0.5\nVAutoMaxMin:True\nVAutoStep:True\n"
    "ShowContourLine:False\nContourLineColor:Black\n"
    "Legend:true\nLineGraphColor:Standard\nAutoSeries:true\n"
    "Size:Half\nBackColor:255:255:255\nBorderColor:0:0:0\nGraphPattern:1\n"
    "C: ここから散布図の各系列の設定\n"
    "Begin:Series\n"
    "SeriesCount:0\n";

TEST(SettingsWriterTest, WritesTheDefaultsInTheWritersOrder) {
  EXPECT_EQ(Joined(SettingsFileLines(OptionsModel())), kDefaultFile);
}

TEST(SettingsWriterTest, WritesEveryOtherWordOfTheChoices) {
  OptionsModel model;
  model.ChooseFillStyle(FillStyle::NotPaint);
  model.ChooseDataFormat(DataFormat::DataFormatTable);
  model.ChooseColorScheme(ColorScheme::ContrastColor);
  model.SetLineColorIndex(5);
  model.SetChecked(OptionCheck::MakeLegendCheck, false);
  model.ChooseScatterColors(ScatterColors::WBColor);
  model.SetChecked(OptionCheck::AutoSetCheck, false);
  model.ChoosePictureSize(PictureSize::Size550275);
  model.SetColor(OptionColor::BKCOLOR, MakeColor(1, 2, 3));
  model.SetGraphPattern(3);
  const std::string text = Joined(OptionLines(model));
  for (const char* line : {"ContourPattern:None\nContourFile:Table\nContourColor:Contrast\n",
                           "ShowContourLine:True\nContourLineColor:BorderColor\n",
                           "Legend:False\nLineGraphColor:WhiteAndBlack\nAutoSeries:false\n",
                           "Size:Wide\nBackColor:1:2:3\nBorderColor:0:0:0\nGraphPattern:3\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST(SettingsWriterTest, ListWithNoItemWritesNoLine) {
  OptionsModel model;
  model.SetLineColorIndex(kNoLineColor);
  EXPECT_EQ(Joined(OptionLines(model)).find("ContourLineColor"), std::string::npos);
}

// A custom size must read back as integers, or the reading would stop at this line.
TEST(SettingsWriterTest, CustomSizeIsWrittenAsWholePixels) {
  const std::pair<const char*, const char*> cases[] = {
      {"300", "Size:Custom:300:200"},
      {"300.6", "Size:Custom:301:200"},
      {"abc", "Size:Custom"},
      {"9e12", "Size:Custom"},
  };
  for (const auto& [width, line] : cases) {
    OptionsModel model;
    model.SetText(OptionEdit::ImageWidth, width);
    model.SetText(OptionEdit::ImageHeight, "200");
    const auto lines = OptionLines(model);
    const auto size = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& l) { return l.starts_with("Size:"); });
    ASSERT_NE(size, lines.end());
    EXPECT_EQ(*size, line) << width;
  }
}

TEST(SettingsWriterTest, SavesCp932WithCrLfAndTheGivenSeriesBlock) {
  testing::TempDir dir;
  OptionsModel model;
  model.SetText(OptionEdit::XTitleBox, "時間");
  const std::vector<std::string> seriesBlock = {"SeriesCount:1", "Series:0", "Name:a"};
  SaveSettings(model, dir.Path("a.tpf"), seriesBlock);
  const std::string expected = Joined(SettingsFileLines(model, seriesBlock), "\r\n");
  EXPECT_EQ(dir.Read("a.tpf"), testing::Cp932(expected));
  EXPECT_NE(dir.Read("a.tpf").find("C:\x81\x40"), std::string::npos);  // the ideographic space
  EXPECT_NE(expected.find("Begin:Series\r\nSeriesCount:1\r\nSeries:0\r\nName:a\r\n"),
            std::string::npos);
}

TEST(SettingsWriterTest, UncreatableFileRaisesTheFileError) {
  testing::TempDir dir;
  const std::string path = dir.Path("missing/a.tpf");
  try {
    SaveSettings(OptionsModel(), path);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "ファイル " + path + " を作成できません");
  }
}

}  // namespace
}  // namespace tarn
