// The contour readers walking the file's text once: the samples of every line ending, and a
// faulty field or row reported with its line, the samples before it kept.
#include "data/ContourReader.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Errors.h"

namespace tarn {
namespace {

struct Fault {
  std::string Message;
  std::string Where;
};

template <class Read>
Fault FaultOf(Read read) {
  try {
    read();
  } catch (const TarnError& error) {
    return {error.what(), error.Where()};
  }
  return {};
}

TEST(ContourReaderTest, StandardRowsUnderEveryLineEnding) {
  for (const char* ending : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(ending)));
    const std::string e = ending;
    const TextLines lines("X\tY\tV" + e + "1\t2\t3" + e + "-1.5\t.5\t2e-3\textra" + e + "4\t5" + e + "7\t8\t9" + e);
    PointList points{{9, 9, 9}};
    ReadStandardRows(lines, points);
    // The line with two fields ends the reading; the sample before the call stays first.
    EXPECT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].X, 1.0f);
    EXPECT_EQ(points[2].X, -1.5f);
    EXPECT_EQ(points[2].Y, 0.5f);
    EXPECT_EQ(points[2].Value, 0.002f);
  }
}

TEST(ContourReaderTest, FaultsNameTheirLine) {
  const struct {
    const char* name;
    const char* text;
    bool table;
    std::size_t kept;
    Fault fault;
  } cases[] = {
      {"bad value on line 3", "X\tY\tV\r\n1\t2\t3\r\n4\t5\tx6\r\n7\t8\t9\r\n", false, 1,
       {"'x6' は浮動小数点数ではありません", "3行目"}},
      {"too large for single precision, line 2", "X\tY\tV\n1e39\t0\t0\n", false, 0,
       {"'1e39' は浮動小数点数ではありません", "2行目"}},
      {"table cell on line 3", "-\t1\t2\r\n10\t1\t2\r\n20\t3\t?\r\n", true, 3,
       {"'?' は浮動小数点数ではありません", "3行目"}},
      {"table x on line 1", "-\t1\tq\r\n10\t1\t2\r\n", true, 0, {"'q' は浮動小数点数ではありません", "1行目"}},
      {"empty table row on line 3", "-\t1\r\n10\t1\r\n\r\n30\t5\r\n", true, 1,
       {"リストのインデックスが範囲を超えています (0)", "3行目"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TextLines lines{std::string(c.text)};
    PointList points;
    const Fault fault = FaultOf([&] { c.table ? ReadTableRows(lines, points) : ReadStandardRows(lines, points); });
    EXPECT_EQ(fault.Message, c.fault.Message);
    EXPECT_EQ(fault.Where, c.fault.Where);
    EXPECT_EQ(points.size(), c.kept);
  }
}

}  // namespace
}  // namespace tarn
