// The scatter road through the commands: loading a table, the picture with its ranges and
// legend, saving while the legend waits, and the series in the settings file.
#include "app/ScatterCommands.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/CommandBoundary.h"
#include "app/Redraw.h"
#include "app/SaveImage.h"
#include "app/SettingsCommands.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecord.h"
#include "canvas/EmfValidator.h"
#include "canvas/FakeFontMetrics.h"
#include "options/SettingsFile.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::Cp932;
using testing::FakeFontMetrics;
using testing::ScriptedUserInterface;
using testing::TempDir;

// The boxes of the rectangle records of a picture, as "left top right bottom".
std::vector<std::string> Rectangles(const std::string& picture) {
  std::vector<std::string> boxes;
  EmfRecordWalker walker(picture);
  while (walker.Next()) {
    const EmfRecord& r = walker.Current();
    if (r.Type() != emf::kRectangle) continue;
    boxes.push_back(std::to_string(r.I32(8)) + " " + std::to_string(r.I32(12)) + " " + std::to_string(r.I32(16)) +
                    " " + std::to_string(r.I32(20)));
  }
  return boxes;
}

class ScatterCommands : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    ui.Files.push_back(dir.Write("s.txt", Cp932(text)));
    ASSERT_TRUE(RunCommand(ui, [&] { ScatterDataMenuExecute(doc, ui); }));
  }
  void Redraw() { ASSERT_TRUE(RunCommand(ui, [&] { PreRedrawExecute(doc, ui, metrics); })); }
  std::string Text(OptionEdit edit) { return doc.Options.Text(edit); }

  Document doc;
  ScriptedUserInterface ui;
  FakeFontMetrics metrics;
  TempDir dir;
};

TEST_F(ScatterCommands, LoadingAFileReplacesTableAndSeriesAndSwitchesToScatterMode) {
  ContourButtonClick(doc.Mode);
  Load("時間\t温度\t湿度\r\n0\t20\t50\r\n1\t21\t55\r\n");
  EXPECT_EQ(ui.LastDialog.Title, "散布図用のデータの取り込み");
  EXPECT_EQ(doc.Caption(), "Tarnplot - s.txt");
  EXPECT_EQ(doc.ScatterFileName, dir.Path("s.txt"));
  EXPECT_EQ(DescribeMode(doc.Mode), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1");
  EXPECT_EQ(doc.Scatter.ListItems, (std::vector<std::string>{"温度", "湿度"}));
  EXPECT_EQ(doc.Scatter.Selected, 0);

  // A file that cannot be read changes nothing.
  ui.Files.push_back(dir.Path("missing.txt"));
  EXPECT_FALSE(RunCommand(ui, [&] { LoadSanpudataExecute(doc, ui); }));
  EXPECT_EQ(doc.Scatter.Series.size(), 2u);
  EXPECT_EQ(doc.Caption(), "Tarnplot - s.txt");
}

TEST_F(ScatterCommands, ClipboardTextIsATableAndAnEmptyClipboardOneEmptyRow) {
  ui.Clipboard = "x\ta\tb\tc\n1\t2\t3\t4\n";
  LoadFromCPExecute(doc, ui);
  EXPECT_EQ(doc.Caption(), kClipboardCaption);
  EXPECT_EQ(doc.Scatter.Series.size(), 3u);
  ui.Clipboard.clear();
  LoadFromCPExecute(doc, ui);
  EXPECT_EQ(doc.Scatter.Grid.RowCount(), 1);
  ASSERT_EQ(doc.Scatter.Series.size(), 3u);
  EXPECT_EQ(doc.Scatter.Series[2].Name, "名称未設定");
  EXPECT_EQ(doc.Scatter.Series[2].DataStartLine, 0);
  EXPECT_EQ(doc.Scatter.Series[2].DataEndLine, 0);
}

TEST_F(ScatterCommands, RefusalsKeepThePictureAndStillCountAsDrawn) {
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: データがありません"}));
  EXPECT_TRUE(doc.GraphDrawn);
  Load("0\t1\n1\t2\n");
  Redraw();
  const std::string drawn = doc.Picture;
  doc.Scatter.Series[0].DataEndLine = 2;
  ui.Events.clear();
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kBadSeriesRangeMessage}));
  EXPECT_EQ(doc.Picture, drawn);
}

TEST_F(ScatterCommands, AutomaticRangesCoverTheShownRowsAndAreWrittenBack) {
  Load("x\ta\tb\n0\t5\t-100\n2\t7\t100\n4\ttext\t0\n");
  doc.Scatter.Series[1].ShowInGraph = false;
  Redraw();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(Text(OptionEdit::XMinBox), "0");
  EXPECT_EQ(Text(OptionEdit::XMaxBox), "4");
  EXPECT_EQ(Text(OptionEdit::YminBox), "0");  // the text cell counts as 0
  EXPECT_EQ(Text(OptionEdit::YMaxBox), "7");
  EXPECT_TRUE(doc.Options.Checked(OptionCheck::XMMAuto));
  EXPECT_TRUE(doc.Options.Checked(OptionCheck::YMMAuto));

  // Typed ranges are read, not written.
  doc.Options.SetText(OptionEdit::YMaxBox, "50");
  ASSERT_FALSE(doc.Options.Checked(OptionCheck::YMMAuto));
  Redraw();
  EXPECT_EQ(Text(OptionEdit::YMaxBox), "50");
  doc.Options.SetText(OptionEdit::YMaxBox, "abc");
  EXPECT_FALSE(RunCommand(ui, [&] { PreRedrawExecute(doc, ui, metrics); }));
}

TEST_F(ScatterCommands, AFlatOrSinglePointRangeIsWidenedAroundItsValue) {
  Load("x\ta\n3\t0\n");
  doc.Options.SetChecked(OptionCheck::MakeLegendCheck, false);
  Redraw();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(Text(OptionEdit::XMinBox), "2.7");
  EXPECT_EQ(Text(OptionEdit::XMaxBox), "3.3");
  EXPECT_EQ(Text(OptionEdit::YminBox), "-1");
  EXPECT_EQ(Text(OptionEdit::YMaxBox), "1");
  EXPECT_NO_THROW(ValidateEmf(doc.Picture));
  // Typed equal bounds are widened the same way but stay as typed.
  doc.Options.SetText(OptionEdit::XMinBox, "5");
  doc.Options.SetText(OptionEdit::XMaxBox, "5");
  Redraw();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(Text(OptionEdit::XMaxBox), "5");
}

TEST_F(ScatterCommands, TheLegendWaitsForItsClickAndASaveMeanwhileWritesThePictureWithoutIt) {
  Load("x\ta\tb\n0\t1\t2\n1\t2\t3\n");
  doc.Options.SetText(OptionEdit::ImageWidth, "400");
  Redraw();
  ASSERT_TRUE(doc.LegendPending);
  EXPECT_GT(doc.Scatter.Legend.Width, 26);
  const std::string waiting = doc.Picture;
  const std::vector<std::string> before = Rectangles(waiting);

  ui.Files.push_back(dir.Path("waiting.emf"));
  PlatformServices emfOnly{metrics, [](std::string_view) -> Bitmap24 { throw std::logic_error("no raster"); }};
  SaveImageExecute(doc, ui, emfOnly);
  EXPECT_EQ(dir.Read("waiting.emf"), waiting);

  GraphImageMouseDown(doc, ui, metrics, 300, 60);
  EXPECT_FALSE(doc.LegendPending);
  EXPECT_FALSE(doc.Scatter.Legend.Ready);
  std::vector<std::string> after = Rectangles(doc.Picture);
  const std::string box = "300 60 " + std::to_string(300 + doc.Scatter.Legend.Width) + " " +
                          std::to_string(60 + doc.Scatter.Legend.Height);
  // The picture as it waited, then the legend box (and the legend's own markers).
  ASSERT_GT(after.size(), before.size());
  EXPECT_EQ(after[before.size()], box);
  after.resize(before.size());
  EXPECT_EQ(after, before);
  EXPECT_NO_THROW(ValidateEmf(doc.Picture));

  // A click now does nothing; the next redraw asks for the position again.
  const std::string placed = doc.Picture;
  GraphImageMouseDown(doc, ui, metrics, 10, 10);
  EXPECT_EQ(doc.Picture, placed);
  Redraw();
  EXPECT_TRUE(doc.LegendPending);
  // A contour picture replaces the waiting one: the mouse no longer places a legend on it.
  doc.DataPoints = {{0, 0, 0}, {10, 0, 0.5f}, {10, 10, 1}};
  doc.Mesh = {{0, 1, 2, 0, 0, 0}};
  doc.MeshOutdated = false;
  ContourButtonClick(doc.Mode);
  Redraw();
  EXPECT_FALSE(doc.LegendPending);
}

TEST_F(ScatterCommands, SeriesRoundTripThroughTheSettingsFile) {
  Load("x\t温度\tPRESSURE\n0\t1\t2\n1\t2\t3\n");
  doc.Scatter.Series[1].PlotType = PlotType::Marker;
  doc.Scatter.Series[1].LineWidth = 3;
  ui.Files = {dir.Path("a.tpf"), dir.Path("a.tpf"), dir.Path("b.tpf")};
  SaveSettingsExecute(doc, ui);
  const SeriesList saved = doc.Scatter.Series;
  doc.Scatter = ScatterData{};
  ReadSettingsExecute(doc, ui);
  EXPECT_EQ(doc.Scatter.Series, saved);
  EXPECT_EQ(doc.Scatter.ListItems, (std::vector<std::string>{"温度", "PRESSURE"}));
  EXPECT_EQ(doc.Scatter.Selected, kNoSelection);
  SaveSettingsExecute(doc, ui);
  // Titles come back upper-cased; the series block is the same byte for byte.
  const auto seriesBlock = [&](const char* name) {
    const std::string file = dir.Read(name);
    return file.substr(file.find("Begin:Series"));
  };
  EXPECT_EQ(seriesBlock("a.tpf"), seriesBlock("b.tpf"));
  EXPECT_NE(dir.Read("a.tpf").find(Cp932("Name:温度\r\n")), std::string::npos);
}

}  // namespace
}  // namespace tarn
