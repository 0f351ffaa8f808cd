#include "batch/BatchRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::Cp932;
using testing::TempDir;

struct BatchResult {
  int Status;
  std::string Out;
  std::string Err;
};

BatchResult RunTarnplot(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunBatch(args, out, err);
  return {status, out.str(), err.str()};
}

class BatchRunner : public ::testing::Test {
 protected:
  TempDir dir;
  std::string data = dir.Write("d.txt", Cp932("横\t縦\t値\r\n0\t0\t1\r\n0.1\t2\t3\r\n"));
};

TEST_F(BatchRunner, PrintsPointsCaptionAndChangedFlag) {
  const BatchResult r = RunTarnplot({"open-contour", data, "print", "points", "print", "caption", "print", "changed"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "0\t0\t1\n0.100000001490116\t2\t3\nTarnplot - d.txt\ntrue\n");
  EXPECT_EQ(r.Err, "");
}

TEST_F(BatchRunner, PrintsTheOptionLinesAsTheSettingsWriterWritesThem) {
  const BatchResult r = RunTarnplot({"set", "ContourColor:Gray", "set", "XTitle:time", "print", "options"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_NE(r.Out.find("XTitle:TIME\n"), std::string::npos);
  EXPECT_NE(r.Out.find("\nContourColor:Gray\n"), std::string::npos);
  EXPECT_TRUE(r.Out.starts_with("ShowXTitle:True\n"));
}

TEST_F(BatchRunner, MessagesAndQuestionsGoToStandardErrorOnOneLine) {
  const std::string table = dir.Write("t.txt", "\t0\t1\t2\n5\t1\t2\t3\n");
  const BatchResult r = RunTarnplot({"answer", "no", "open-contour", table, "set", "nonsense"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err,
            "question: データ形式が表形式だと推測されます\\nこのままだと読み込めません\\n"
            "表形式として読み込みますか？ [no]\n"
            "information: データが1つも見当たりません\\nTab区切りであるかを確認してください\n"
            "warning: 設定ファイルが不正です\n");
}

TEST_F(BatchRunner, AnErrorStopsTheRunUnlessKeepGoing) {
  const std::string bad = dir.Write("bad.txt", "X\tY\tZ\n1\t2\tq\n");
  BatchResult r = RunTarnplot({"open-contour", bad, "print", "caption"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "error: 'q' は浮動小数点数ではありません\n");
  r = RunTarnplot({"--keep-going", "open-contour", bad, "print", "caption"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "Tarnplot - bad.txt\n");
}

TEST_F(BatchRunner, UsageErrorsAreReportedBeforeAnythingRuns) {
  const std::string target = dir.Path("s.tpf");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"save-settings", target, "click", "foo"},
           {"save-settings", target, "answer", "maybe"},
           {"save-settings", target, "save-eps", "f.eps", "purple", "raster"},
           {"save-settings", target, "bogus"},
           {"save-settings", target, "open-contour"},
           {"save-settings", target, "font", "Gothic", "0"},
           {"save-settings", target, "watch", "out.png", "0"},
           {"save-settings", target, "series", "apply", "show", "2"},
           {"save-settings", target, "series", "apply", "marker", "5"},
           {"save-settings", target, "series", "select"},
           {}}) {
    const BatchResult r = RunTarnplot(args);
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Out, "");
    EXPECT_FALSE(std::filesystem::exists(target));
  }
}

TEST_F(BatchRunner, SettingsRoundTripAndTheCancelledDialog) {
  const std::string target = dir.Path("s.tpf");
  BatchResult r = RunTarnplot({"set", "GraphPattern:2", "set", "Size:Wide", "save-settings", target, "print", "changed"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "false\n");
  r = RunTarnplot({"open-settings", target, "print", "options", "print", "changed"});
  EXPECT_NE(r.Out.find("GraphPattern:2\n"), std::string::npos);
  EXPECT_NE(r.Out.find("Size:Wide\n"), std::string::npos);
  r = RunTarnplot({"set", "ContourColor:Gray", "save-settings", "", "print", "changed"});
  EXPECT_EQ(r.Out, "true\n");
  r = RunTarnplot({"open-settings", dir.Path("none.tpf")});
  EXPECT_EQ(r.Err, "information: 存在しません\n");
}

TEST_F(BatchRunner, QuitAsksToSaveChangedSettings) {
  BatchResult r = RunTarnplot({"set", "XTitle:a", "quit", dir.Path("q.tpf")});
  EXPECT_EQ(r.Err, "question: 設定が変更されています\\n保存しますか？ [yes]\n");
  EXPECT_TRUE(std::filesystem::exists(dir.Path("q.tpf")));
  r = RunTarnplot({"answer", "no", "set", "XTitle:a", "quit", dir.Path("r.tpf")});
  EXPECT_FALSE(std::filesystem::exists(dir.Path("r.tpf")));
  r = RunTarnplot({"quit", dir.Path("s.tpf")});  // nothing changed: no question
  EXPECT_EQ(r.Err, "");
}

TEST_F(BatchRunner, ColourDialogAndReset) {
  BatchResult r = RunTarnplot({"color", "border", "0080ff", "print", "options"});
  EXPECT_NE(r.Out.find("BorderColor:0:128:255\n"), std::string::npos);
  r = RunTarnplot({"color", "back", "cancel", "print", "changed"});
  EXPECT_EQ(r.Out, "true\n");  // a cancelled colour dialog still counts as a change
  r = RunTarnplot({"set", "ContourColor:Gray", "set", "XTitle:kept", "reset", "print", "options"});
  EXPECT_NE(r.Out.find("ContourColor:Rainbow\n"), std::string::npos);
  EXPECT_NE(r.Out.find("XTitle:KEPT\n"), std::string::npos);
}

TEST_F(BatchRunner, InterruptStopsTheNextLongOperation) {
  const std::string example = std::string(TARNPLOT_SOURCE_DIR) + "/examples/contour_standard.txt";
  const BatchResult full = RunTarnplot({"open-contour", example, "make-mesh", "print", "mesh"});
  const BatchResult cut = RunTarnplot({"open-contour", example, "interrupt", "2", "make-mesh", "print", "mesh",
                                       "answer", "no", "redraw"});
  EXPECT_EQ(cut.Status, 0);
  EXPECT_LT(cut.Out.size(), full.Out.size());
  EXPECT_TRUE(full.Out.starts_with(cut.Out.substr(0, cut.Out.find('\n'))));  // the same seed
  // A cancelled build leaves the mesh outdated: the redraw offers the rebuild.
  EXPECT_EQ(cut.Err, "question: 新しいデータです\\nメッシュを作り直しますか？ [no]\n");
}

TEST_F(BatchRunner, DrawsAndSavesTheExample) {
  const std::string example = std::string(TARNPLOT_SOURCE_DIR) + "/examples/contour_standard.txt";
  const BatchResult r = RunTarnplot({"open-contour", example, "make-mesh", "redraw", "save-image",
                                     dir.Path("a.png"), "save-image", dir.Path("a.emf")});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(dir.Read("a.png").substr(1, 3), "PNG");
  EXPECT_EQ(dir.Read("a.emf").substr(40, 4), " EMF");
}

TEST_F(BatchRunner, ModeCommands) {
  const BatchResult r = RunTarnplot({"click", "sanp", "check", "show-mesh", "print", "mode"});
  EXPECT_EQ(r.Out, "sanp=0 mesh=1 contour=1 show-mesh=1 show-contour=1\n");
}

TEST_F(BatchRunner, ScatterTableFromAFileOrTheClipboardDrawnWithItsLegend) {
  const std::string table = dir.Write("s.txt", Cp932("時間\t温度\t湿度\r\n0\t20\t50\r\n1\t21\t55\r\n"));
  const std::string series =
      "SeriesCount:2\nSeries:0\nName:温度\nXCol:0\nYCol:1\nDataStartLine:1\nDataEndLine:2\n"
      "ShowInGraph:True\nLineWidth:1\nMarkSize:3\nPlotType:LineAndMarker\nMarkerType:Rectangle\n"
      "Color:255:0:0\nBrushing:False\nSeries:1\nName:湿度\nXCol:0\nYCol:2\nDataStartLine:1\nDataEndLine:2\n"
      "ShowInGraph:True\nLineWidth:1\nMarkSize:3\nPlotType:LineAndMarker\nMarkerType:Triangle\n"
      "Color:0:0:255\nBrushing:False\n";
  // "open" on the contour side reads contour data; the menu's scatter command switches modes.
  BatchResult r = RunTarnplot({"click", "contour", "open", table, "print", "series", "open-scatter", table,
                               "print", "mode", "print", "series"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, "SeriesCount:0\nsanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1\n" + series);

  r = RunTarnplot({"paste-scatter", table, "print", "caption", "redraw", "save-image", dir.Path("waiting.emf"),
                   "legend", "100", "50", "save-image", dir.Path("placed.emf")});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, "Tarnplot - クリップボードから読み込んだデータ\n");
  EXPECT_NE(dir.Read("waiting.emf"), dir.Read("placed.emf"));
  EXPECT_EQ(dir.Read("placed.emf").substr(40, 4), " EMF");
}

TEST_F(BatchRunner, SeriesCommandsDriveTheEditor) {
  const std::string table = dir.Write("s.txt", "t\ta\tb\n0\t1\t2\n1\t3\t4\n");
  BatchResult r = RunTarnplot({"open-scatter", table, "series", "select", "1", "series", "apply", "width", "4",
                               "series", "apply", "marker", "4", "series", "apply", "show", "0", "series", "color",
                               "102030", "series", "add", "series", "all", "1", "series", "apply", "end", "1",
                               "print", "series", "print", "changed"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_NE(r.Out.find("SeriesCount:3\n"), std::string::npos);
  EXPECT_NE(r.Out.find("Series:2\nName:b\nXCol:0\nYCol:2\nDataStartLine:1\nDataEndLine:1\nShowInGraph:False\n"
                       "LineWidth:4\nMarkSize:3\nPlotType:LineAndMarker\nMarkerType:Diamond\nColor:16:32:48\n"),
            std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find("Series:0\nName:a\nXCol:0\nYCol:1\nDataStartLine:1\nDataEndLine:1\nShowInGraph:True\n"),
            std::string::npos);
  EXPECT_TRUE(r.Out.ends_with("true\n"));

  r = RunTarnplot({"--keep-going", "series", "delete", "series", "select", "0", "series", "apply", "width", "x"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "warning: 削除する系列が選択されていません\nerror: リストのインデックスが範囲を超えています (0)\n"
                   "warning: 系列が選択されていません\n");
}

}  // namespace
}  // namespace tarn
