// The series block of the settings file: what the writer writes and how the reader applies it.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "scatter/SeriesBlock.h"
#include "support/ScriptedUserInterface.h"

namespace tarn {
namespace {

using testing::ScriptedUserInterface;

std::vector<std::string> Lines(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

GSeries EverythingSet() {
  GSeries s;
  s.Name = "温度A";
  s.XCol = 2;
  s.YCol = 3;
  s.DataStartLine = 4;
  s.DataEndLine = -5;
  s.ShowInGraph = false;
  s.LineWidth = 6;
  s.MarkSize = 7;
  s.PlotType = PlotType::Marker;
  s.MarkerType = MarkerType::Diamond;
  s.Color = MakeColor(1, 2, 3);
  s.Brushing = false;
  return s;
}

TEST(SeriesBlockWriter, WritesEveryFieldInOrder) {
  EXPECT_EQ(SeriesBlockLines({}), Lines({"SeriesCount:0"}));
  EXPECT_EQ(SeriesBlockLines({GSeries{}, EverythingSet()}),
            Lines({"SeriesCount:2", "Series:0", "Name:名称未設定", "XCol:0", "YCol:0", "DataStartLine:0",
                   "DataEndLine:1", "ShowInGraph:True", "LineWidth:1", "MarkSize:3", "PlotType:LineAndMarker",
                   "MarkerType:Circle", "Color:0:0:0", "Brushing:True", "Series:1", "Name:温度A", "XCol:2",
                   "YCol:3", "DataStartLine:4", "DataEndLine:-5", "ShowInGraph:False", "LineWidth:6",
                   "MarkSize:7", "PlotType:Marker", "MarkerType:Diamond", "Color:1:2:3", "Brushing:False"}));
}

TEST(SeriesBlockReader, ReadsBackWhatWasWrittenWithNamesInUpperCase) {
  ScatterData written;
  written.Series = {EverythingSet(), GSeries{}};
  written.Series[1].Name = "flow";
  ScatterData read;
  ScriptedUserInterface ui;
  ApplySeriesBlock(SeriesBlockLines(written.Series), read, ui);
  written.Series[1].Name = "FLOW";
  EXPECT_EQ(read.Series, written.Series);
  EXPECT_EQ(read.ListItems, (std::vector<std::string>{"温度A", "FLOW"}));
  EXPECT_EQ(SeriesBlockLines(read.Series), SeriesBlockLines(written.Series));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(SeriesBlockReader, CountKeepsEntriesCreatesEmptyOnesAndClearsTheSelection) {
  ScatterData scatter;
  scatter.ReplaceSeries({EverythingSet(), EverythingSet(), EverythingSet()});
  scatter.Selected = 1;
  ScriptedUserInterface ui;
  ApplySeriesBlock(Lines({"SeriesCount:2", "name:before any series line", "SeriesCount:4"}), scatter, ui);
  ASSERT_EQ(scatter.Series.size(), 4u);
  EXPECT_EQ(scatter.Series[0].Name, "BEFORE ANY SERIES LINE");
  EXPECT_EQ(scatter.Series[1], EverythingSet());
  EXPECT_EQ(scatter.ListItems, (std::vector<std::string>(4, "名称未設定")));
  EXPECT_EQ(scatter.Selected, kNoSelection);
  const GSeries& fresh = scatter.Series[3];
  EXPECT_EQ(fresh.Name, "");
  EXPECT_EQ(fresh.DataEndLine, 0);
  EXPECT_EQ(fresh.LineWidth, 0);
  EXPECT_EQ(fresh.MarkSize, 0);
  EXPECT_FALSE(fresh.ShowInGraph);
  EXPECT_FALSE(fresh.Brushing);
  EXPECT_EQ(fresh.PlotType, PlotType::Line);
}

TEST(SeriesBlockReader, AppliesEachRuleOfTheLines) {
  ScatterData scatter;
  scatter.ReplaceSeries({GSeries{}, GSeries{}});
  ScriptedUserInterface ui;
  ApplySeriesBlock(Lines({"C:comment", "", "no colon", "Series:1", "Name:t:s", "ShowInGraph:True ",
                          "Brushing:yes", "PlotType:bogus", "MarkerType:vtriangle", "Color:300:-1:7",
                          "Series:0", "Color:9:9", "Xmax:5", "Series:7", "Name:nowhere", "Series:-1", "XCol:3"}),
                   scatter, ui);
  const GSeries& s = scatter.Series[1];
  EXPECT_EQ(s.Name, "T");
  EXPECT_EQ(scatter.ListItems[1], "T");
  EXPECT_FALSE(s.ShowInGraph);  // not exactly TRUE
  EXPECT_FALSE(s.Brushing);
  EXPECT_EQ(s.PlotType, PlotType::LineAndMarker);
  EXPECT_EQ(s.MarkerType, MarkerType::VTriangle);
  EXPECT_EQ(s.Color, MakeColor(44, 255, 7));
  EXPECT_EQ(scatter.Series[0], GSeries{});  // a colour of three fields is ignored
  EXPECT_EQ(scatter.Series.size(), 2u);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(SeriesBlockReader, StopsAtAnIntegerErrorKeepingEarlierLinesAndRefusesAbsurdCounts) {
  ScatterData scatter;
  ScriptedUserInterface ui;
  ApplySeriesBlock(Lines({"SeriesCount:-1", "SeriesCount:99999999"}), scatter, ui);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>(2, "warning: 設定ファイルが不正です")));
  EXPECT_TRUE(scatter.Series.empty());
  EXPECT_THROW(ApplySeriesBlock(Lines({"SeriesCount:1", "LineWidth:4", "MarkSize:big", "XCol:5"}), scatter, ui),
               ConversionError);
  ASSERT_EQ(scatter.Series.size(), 1u);
  EXPECT_EQ(scatter.Series[0].LineWidth, 4);
  EXPECT_EQ(scatter.Series[0].XCol, 0);
}

}  // namespace
}  // namespace tarn
