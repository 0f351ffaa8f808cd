#include "app/ContourDataCommands.h"

#include <gtest/gtest.h>

#include "app/CommandBoundary.h"
#include "base/Errors.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::Cp932;
using testing::ScriptedUserInterface;
using testing::TempDir;

struct Sample {
  float X, Y, Value;
  friend bool operator==(const Sample&, const Sample&) = default;
};

std::vector<Sample> SamplesOf(const Document& doc) {
  std::vector<Sample> samples;
  for (const Points& p : doc.DataPoints) samples.push_back({p.X, p.Y, p.Value});
  return samples;
}

class ContourDataCommands : public ::testing::Test {
 protected:
  // Loads `bytes` as a contour data file through the menu command.
  bool Load(std::string_view bytes, std::string_view name = "data.txt") {
    ui.Files.push_back(dir.Write(name, bytes));
    return RunCommand(ui, [&] { LoadDataExecute(doc, ui); });
  }

  TempDir dir;
  Document doc;
  ScriptedUserInterface ui;
};

TEST_F(ContourDataCommands, StandardFormReadsTitlesAndSamples) {
  ASSERT_TRUE(Load(Cp932("X座標\tY\t温度\r\n0\t0\t1\r\n1\t0\t2\r\n"), "温度.txt"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 0, 1}, {1, 0, 2}}));
  EXPECT_EQ(doc.Options.Text(OptionEdit::XTitleBox), "X座標");
  EXPECT_EQ(doc.Options.Text(OptionEdit::ValueTitleBox), "温度");
  EXPECT_EQ(doc.Caption(), "Tarnplot - 温度.txt");
  EXPECT_TRUE(doc.MeshOutdated);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(ui.LastDialog.Title, "等高線用データの取り込み（標準形式）");
}

TEST_F(ContourDataCommands, StandardFormStopsAtTheFirstShortLineAndIgnoresExtraFields) {
  ASSERT_TRUE(Load("X\tY\tZ\n0\t0\t1\t99\n\n5\t5\t5\n"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 0, 1}}));
  // A first line of three numbers is a title line, not a sample.
  ASSERT_TRUE(Load("1\t2\t3\n4\t5\t6"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{4, 5, 6}}));
  EXPECT_EQ(doc.Options.Text(OptionEdit::XTitleBox), "1");
}

TEST_F(ContourDataCommands, SamplesAreStoredInSinglePrecision) {
  ASSERT_TRUE(Load("X\tY\tZ\r\n0.1\t123456789\t-2.5e-3\r\n"));
  const Points& p = doc.DataPoints.at(0);
  EXPECT_EQ(p.X, 0.1f);
  EXPECT_EQ(p.Y, 123456792.0f);
  EXPECT_EQ(p.Value, -0.0025f);
}

TEST_F(ContourDataCommands, NoDataGivesTheHintAndMarksTheMeshOutdated) {
  doc.MeshOutdated = false;
  ASSERT_TRUE(Load("X\tY\tZ\r\n1 2 3\r\n"));
  EXPECT_TRUE(doc.DataPoints.empty());
  EXPECT_TRUE(doc.MeshOutdated);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "information: データが1つも見当たりません\r\nTab区切りであるかを確認してください"}));
}

TEST_F(ContourDataCommands, ABadNumberKeepsTheSamplesBeforeItAndTheOldFlag) {
  doc.MeshOutdated = false;
  EXPECT_FALSE(Load("X\tY\tZ\n0\t0\t1\n1\tx1\t2\n2\t2\t2\n"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 0, 1}}));
  EXPECT_FALSE(doc.MeshOutdated);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"error: 'x1' は浮動小数点数ではありません"}));
  // The failed command does not switch the display mode.
  EXPECT_TRUE(doc.Mode.SanpButton);
}

TEST_F(ContourDataCommands, AShortTitleLineStopsAfterTheTitlesItHas) {
  EXPECT_FALSE(Load("Only\tTwo\n0\t0\t1\n"));
  EXPECT_EQ(doc.Options.Text(OptionEdit::XTitleBox), "Only");
  EXPECT_EQ(doc.Options.Text(OptionEdit::YTitleBox), "Two");
  EXPECT_EQ(doc.Options.Text(OptionEdit::ValueTitleBox), "Value");
  EXPECT_TRUE(doc.DataPoints.empty());
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_TRUE(ui.Messages()[0].starts_with("error: "));
}

TEST_F(ContourDataCommands, ATableFileOffersTheTableForm) {
  const std::string table = "\t0\t1\t2\r\n5\t10\t20\t30\r\n";
  ui.Answers = {false};
  ASSERT_TRUE(Load(table));
  EXPECT_TRUE(doc.DataPoints.empty());
  EXPECT_EQ(doc.Options.GetDataFormat(), DataFormat::DataFormatStandard);
  EXPECT_EQ(ui.Messages().size(), 2u);  // the question, then the no-data hint
  ui.Events.clear();
  ui.Answers = {true};
  ASSERT_TRUE(Load(table));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 5, 10}, {1, 5, 20}, {2, 5, 30}}));
  EXPECT_EQ(doc.Options.GetDataFormat(), DataFormat::DataFormatTable);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "question: データ形式が表形式だと推測されます\r\nこのままだと読み込めません\r\n"
                               "表形式として読み込みますか？"}));
}

TEST_F(ContourDataCommands, TableFormReadsCellsRowByRowAndIgnoresCellsWithoutX) {
  doc.Options.ChooseDataFormat(DataFormat::DataFormatTable);
  ASSERT_TRUE(Load("\t0\t1\n5\t10\t20\t99\n6\t30\n", "grid.dat"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 5, 10}, {1, 5, 20}, {0, 6, 30}}));
  EXPECT_EQ(doc.Caption(), "Tarnplot - grid.dat");
  EXPECT_EQ(ui.LastDialog.Title, "等高線用データの取り込み（表形式）");
  EXPECT_EQ(doc.Options.Text(OptionEdit::XTitleBox), "X");  // the table form sets no titles
}

TEST_F(ContourDataCommands, TableFormFailuresKeepTheCellsBefore) {
  doc.Options.ChooseDataFormat(DataFormat::DataFormatTable);
  EXPECT_FALSE(Load("\t0\t1\n5\t10\t20\n\n7\t1\t2\n"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 5, 10}, {1, 5, 20}}));
  EXPECT_EQ(doc.Caption(), "Tarnplot - ver 2.2");  // the caption comes after a table read
  ui.Events.clear();
  EXPECT_FALSE(Load("\t0\t1\n5\t10\tabc\n"));
  EXPECT_EQ(SamplesOf(doc), (std::vector<Sample>{{0, 5, 10}}));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"error: 'abc' は浮動小数点数ではありません"}));
  ui.Events.clear();
  ASSERT_TRUE(Load("only\n5\t1\n"));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: データが１つも見当たりません"}));
}

TEST_F(ContourDataCommands, CancellingTheDialogStillSwitchesToContourMode) {
  ASSERT_TRUE(RunCommand(ui, [&] { LoadDataExecute(doc, ui); }));
  EXPECT_TRUE(doc.Mode.ContourButton);
  EXPECT_FALSE(doc.Mode.SanpButton);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ContourDataCommands, AMissingFileIsAFileErrorThatLeavesTheModeAlone) {
  ui.Files.push_back(dir.Path("absent.txt"));
  EXPECT_FALSE(RunCommand(ui, [&] { LoadDataExecute(doc, ui); }));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"error: ファイル " + dir.Path("absent.txt") + " は開けません"}));
  EXPECT_TRUE(doc.Mode.SanpButton);
}

TEST_F(ContourDataCommands, InvalidBytesAndUtf8FilesAreReadSafely) {
  ASSERT_TRUE(Load("\xEF\xBB\xBF" "温度\tY\tZ\n1\t2\t3\n"));
  EXPECT_EQ(doc.Options.Text(OptionEdit::XTitleBox), "温度");
  EXPECT_EQ(doc.DataPoints.size(), 1u);
  EXPECT_FALSE(Load(std::string("X\tY\tZ\n1\t2\t\x82\xFF")));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "error: '\xEF\xBF\xBD\xEF\xBF\xBD' は浮動小数点数ではありません");
}

TEST_F(ContourDataCommands, TheOpenButtonFollowsTheMode) {
  ui.Files.push_back(dir.Write("d.txt", "X\tY\tZ\n1\t2\t3\n"));
  ASSERT_TRUE(RunCommand(ui, [&] { PreLoadExecute(doc, ui); }));  // scatter mode at start: the table
  EXPECT_TRUE(doc.DataPoints.empty());
  EXPECT_EQ(doc.Scatter.ListItems, (std::vector<std::string>{"Y", "Z"}));
  EXPECT_EQ(ui.LastDialog.Title, "散布図用のデータの取り込み");
  EXPECT_TRUE(doc.Mode.SanpButton);
  MeshButtonClick(doc.Mode);
  ui.Files.push_back(dir.Path("d.txt"));
  ASSERT_TRUE(RunCommand(ui, [&] { PreLoadExecute(doc, ui); }));
  EXPECT_EQ(doc.DataPoints.size(), 1u);
  doc.Mode = DisplayMode{false, false, false, false, false};  // a broken invariant
  ui.Events.clear();
  ASSERT_TRUE(RunCommand(ui, [&] { PreLoadExecute(doc, ui); }));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kNoModeMessage}));
}

TEST_F(ContourDataCommands, RefusedWhileALongOperationRuns) {
  doc.SetBusy(true);
  ui.Files.push_back(dir.Write("d.txt", "X\tY\tZ\n1\t2\t3\n"));
  ASSERT_TRUE(RunCommand(ui, [&] { LoadDataExecute(doc, ui); }));
  EXPECT_TRUE(doc.DataPoints.empty());
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kBusyMessage}));
}

TEST_F(ContourDataCommands, AReaderErrorSaysWhichFileAndLine) {
  const std::string path = dir.Write("bad.txt", "X\tY\tZ\n1\t2\t3\n4\tfive\t6\n");
  ui.Files.push_back(path);
  try {
    LoadDataExecute(doc, ui);
    FAIL() << "the bad line was taken";
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()), "'five' は浮動小数点数ではありません");
    EXPECT_EQ(error.Where(), path + ", 3行目");
  }
}

}  // namespace
}  // namespace tarn
