// The table as files fill it, and the series made from it automatically.
#include <gtest/gtest.h>

#include "scatter/ScatterData.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

CellTable TableOf(std::string text) {
  CellTable table;
  table.Fill(TextLines(std::move(text)));
  return table;
}

struct FillCase {
  const char* Name;
  const char* Text;
  int Cols;
  int Rows;
  std::vector<std::tuple<int, int, const char*>> Cells;  // col, row, text
};

class FillingTheTable : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillingTheTable, GivesRowsColumnsAndCells) {
  const FillCase& c = GetParam();
  const CellTable table = TableOf(c.Text);
  EXPECT_EQ(table.ColCount(), c.Cols);
  EXPECT_EQ(table.RowCount(), c.Rows);
  for (const auto& [col, row, text] : c.Cells) EXPECT_EQ(table.Cell(col, row), text) << col << "," << row;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FillingTheTable,
    ::testing::Values(
        FillCase{"Ragged", "a\tb\tc\r\n1\t2\r\n\r\n4\t5\t6\t7\n", 4, 4,
                 {{0, 0, "a"}, {2, 0, "c"}, {3, 0, ""}, {1, 1, "2"}, {2, 1, ""}, {0, 2, ""}, {3, 3, "7"}}},
        // An empty text has no line: one empty row, and the columns stay at the five of the start.
        FillCase{"Empty", "", 5, 1, {{0, 0, ""}, {4, 0, ""}}},
        FillCase{"OnlyEmptyLines", "\r\n\r\n", 5, 2, {{0, 1, ""}}},
        FillCase{"TrailingTab", "x\t\n", 2, 1, {{0, 0, "x"}, {1, 0, ""}}},
        FillCase{"OutsideIsEmpty", "1\t2\n", 2, 1, {{2, 0, ""}, {0, 1, ""}, {-1, 0, ""}}}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(CellTable, ReadsCp932AndUtf8AndKeepsHandEditsApartUntilTheNextLoad) {
  CellTable table = TableOf(testing::Cp932("時間\t温度\r\n1\t2.5\r\n"));
  EXPECT_EQ(table.Cell(1, 0), "温度");
  table = TableOf("\xEF\xBB\xBFt\t温度\n1\t2\n");
  EXPECT_EQ(table.Cell(0, 0), "t");
  EXPECT_EQ(table.Cell(1, 0), "温度");

  double value = 0;
  ASSERT_TRUE(table.CellNumber(1, 1, value));
  EXPECT_EQ(value, 2);
  table.SetCell(1, 1, "7.5");
  table.SetCell(9, 9, "ignored");
  EXPECT_EQ(table.Cell(1, 1), "7.5");
  ASSERT_TRUE(table.CellNumber(1, 1, value));
  EXPECT_EQ(value, 7.5);
  EXPECT_FALSE(table.CellNumber(1, 0, value));
  table.Fill(TextLines(std::string("1\t2\n")));
  EXPECT_EQ(table.Cell(1, 0), "2");
}

// What a series is made of, in the order of the record.
std::string Describe(const GSeries& s) {
  return s.Name + " x" + std::to_string(s.XCol) + " y" + std::to_string(s.YCol) + " rows" +
         std::to_string(s.DataStartLine) + "-" + std::to_string(s.DataEndLine) + " marker" +
         std::to_string(static_cast<int>(s.MarkerType)) + (s.Brushing ? " filled" : " hollow");
}

struct AutoCase {
  const char* Name;
  const char* Text;
  std::vector<const char*> Series;
};

class AutomaticSeries : public ::testing::TestWithParam<AutoCase> {};

TEST_P(AutomaticSeries, FollowTheColumnsAndTheirFirstNonNumber) {
  const OptionsModel options;
  const SeriesList series = AutoMakeSeries(TableOf(GetParam().Text), options);
  std::vector<std::string> described;
  for (const GSeries& s : series) described.push_back(Describe(s));
  EXPECT_EQ(described, std::vector<std::string>(GetParam().Series.begin(), GetParam().Series.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AutomaticSeries,
    ::testing::Values(
        AutoCase{"HeaderRow", "t\ta\tb\n0\t1\t2\n1\t3\t4\n2\t5\t6\n",
                 {"a x0 y1 rows1-3 marker1 hollow", "b x0 y2 rows1-3 marker2 hollow"}},
        AutoCase{"NoHeader", "0\t1\n1\t3\n", {"名称未設定 x0 y1 rows0-1 marker1 hollow"}},
        // The empty cell of row 0 is the first non-number, so the header of row 1 lies inside.
        AutoCase{"TitleInFirstColumnOnly", "title\n0\t1\n1\t2\n", {"名称未設定 x0 y1 rows1-2 marker1 hollow"}},
        AutoCase{"OneColumn", "1\n2\n", {}},
        // The empty last cell is the first non-number: the start falls past the end and is cut back.
        AutoCase{"EmptyLastCell", "0\t1\n1\t2\n2\n", {"名称未設定 x0 y1 rows2-2 marker1 hollow"}}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(AutomaticSeries, TwelveColumnsCycleMarkersByFiveAndFillSeriesFiveToNine) {
  std::string header = "x", row = "0";
  for (int i = 1; i <= 12; ++i) {
    header += "\ts" + std::to_string(i);
    row += "\t" + std::to_string(i);
  }
  const SeriesList series = AutoMakeSeries(TableOf(header + "\n" + row + "\n"), OptionsModel());
  ASSERT_EQ(series.size(), 12u);
  for (std::size_t i = 0; i < series.size(); ++i) {
    EXPECT_EQ(static_cast<int>(series[i].MarkerType), static_cast<int>((i + 1) % 5)) << i;
    EXPECT_EQ(series[i].Brushing, i >= 5 && i <= 9) << i;
    EXPECT_EQ(series[i].Color, StandardSeriesColor(i));
  }
  EXPECT_EQ(series[6].Color, StandardSeriesColor(0));
}

TEST(SeriesColors, FollowTheSchemeForEverySeries) {
  OptionsModel options;
  SeriesList three(3), one(1);
  three[1].ShowInGraph = false;
  options.ChooseScatterColors(ScatterColors::GradColor);
  AssignSeriesColors(three, options);
  AssignSeriesColors(one, options);
  EXPECT_EQ(three[0].Color, MakeColor(255, 0, 0));
  EXPECT_EQ(three[1].Color, MakeColor(0, 255, 0));
  EXPECT_EQ(three[2].Color, MakeColor(0, 0, 255));
  EXPECT_EQ(one[0].Color, MakeColor(255, 0, 0));
  options.ChooseScatterColors(ScatterColors::WBColor);
  AssignSeriesColors(three, options);
  for (const GSeries& s : three) EXPECT_EQ(s.Color, kBlack);
  options.ChooseScatterColors(ScatterColors::StdColor);
  AssignSeriesColors(three, options);
  EXPECT_EQ(three[1].Color, MakeColor(0, 0, 255));
}

TEST(SeriesCheck, EveryIndexMustLieInTheTableButTheEndMayPrecedeTheStart) {
  const CellTable table = TableOf("0\t1\n1\t2\n2\t3\n");  // 2 columns, 3 rows
  const auto fits = [&](auto change) {
    SeriesList series(2);
    series[0].YCol = 1;
    series[1].ShowInGraph = false;
    change(series[1]);
    return SeriesFitTable(series, table);
  };
  EXPECT_TRUE(fits([](GSeries&) {}));
  EXPECT_TRUE(fits([](GSeries& s) { s.DataStartLine = 2, s.DataEndLine = 0; }));
  EXPECT_FALSE(fits([](GSeries& s) { s.XCol = 2; }));
  EXPECT_FALSE(fits([](GSeries& s) { s.YCol = -1; }));
  EXPECT_FALSE(fits([](GSeries& s) { s.DataStartLine = 3; }));
  EXPECT_FALSE(fits([](GSeries& s) { s.DataEndLine = 3; }));
}

TEST(FillGrid, RebuildsSeriesOnlyWithAutomaticSeriesOn) {
  ScatterData scatter;
  OptionsModel options;
  FillGrid(scatter, options, TextLines(std::string("t\ta\tb\n0\t1\t2\n")));
  ASSERT_EQ(scatter.ListItems, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(scatter.Selected, 0);
  options.SetChecked(OptionCheck::AutoSetCheck, false);
  FillGrid(scatter, options, TextLines(std::string("t\tc\n0\t1\n")));
  EXPECT_EQ(scatter.Series.size(), 2u);
  EXPECT_EQ(scatter.Series[1].Name, "b");
  EXPECT_EQ(scatter.Grid.ColCount(), 2);
}

}  // namespace
}  // namespace tarn
