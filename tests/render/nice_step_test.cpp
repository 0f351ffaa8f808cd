#include "render/NiceStep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/FakeUserInterface.h"
#include "render/Ticks.h"

namespace tarn {
namespace {

struct StepCase {
  double Lo;
  double Hi;
  double Expected;
};

TEST(NiceStepTest, SnapsAFifthOfTheRangeToOneTwoOrFive) {
  const StepCase cases[] = {
      {0, 1, 0.2},       // r = 0.2 -> 2, one division
      {0, 45, 5},        // r = 9 is not above 9
      {0, 46, 10},       // r = 9.2 -> 0.92 -> 1, times 10
      {0, 7, 1},         // r = 1.4
      {0, 7.5, 2},       // r = 1.5
      {0, 15, 5},        // r = 3
      {-3, 2, 1},        // r = 1
      {0, 0.003, 0.0005},
      {100, 600, 100},   // r = 100 -> 1, times 100
  };
  for (const StepCase& c : cases) {
    testing::FakeUserInterface ui;
    EXPECT_EQ(NiceStep(c.Lo, c.Hi, ui), c.Expected) << c.Lo << " to " << c.Hi;
    EXPECT_TRUE(ui.Messages.empty());
  }
}

TEST(NiceStepTest, BadRangeWarnsOnceAndStillGivesAFinitePositiveStep) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const StepCase cases[] = {{1, 1, 0}, {2, 1, 0}, {0, 1e-320, 0}, {0, inf, 0}, {nan, 1, 0}};
  for (const StepCase& c : cases) {
    testing::FakeUserInterface ui;
    const double step = NiceStep(c.Lo, c.Hi, ui);
    EXPECT_TRUE(std::isfinite(step) && step > 0) << c.Lo << " to " << c.Hi << " gave " << step;
    const bool warned = !(c.Hi > c.Lo);
    EXPECT_EQ(ui.Messages.size(), warned ? 1u : 0u);
    if (warned) {
      EXPECT_EQ(ui.Messages[0], (testing::ShownMessage{MessageKind::Warning, "軸の大小が不正です"}));
    }
  }
}

TEST(TicksTest, LabelsAreComputedFromTheirIndexAndReachTheMaximum) {
  EXPECT_EQ(TickValues(0, 1, 0.2), (std::vector<double>{0, 0.2, 0.4, 0.6000000000000001, 0.8, 1}));
  EXPECT_EQ(TickValues(0.05, 0.95, 0.2), (std::vector<double>{0.2, 0.4, 0.6000000000000001, 0.8}));
  EXPECT_EQ(TickValues(-1, 1, 0.5), (std::vector<double>{-1, -0.5, 0, 0.5, 1}));
  EXPECT_TRUE(TickValues(0.95, 0.99, 0.1).empty());
}

TEST(TicksTest, AtMostTwentyOneLabels) {
  const std::vector<double> values = TickValues(0, 1, 0.01);
  ASSERT_EQ(values.size(), 21u);
  EXPECT_EQ(values.back(), 20 * 0.01);
}

std::vector<double> GridValues(double min, double max, double step) {
  std::vector<double> values;
  ForEachGridValue(min, max, step, [&values](double value) { values.push_back(value); });
  return values;
}

TEST(TicksTest, GridAddsTheStepAndStopsBelowTheMaximum) {
  // Accumulated: 0.2 + 0.2 + 0.2 is 0.6000000000000001, and the next sum lands on 1 exactly.
  EXPECT_EQ(GridValues(0, 1, 0.2), (std::vector<double>{0, 0.2, 0.4, 0.6000000000000001, 0.8}));
  EXPECT_EQ(GridValues(0.05, 0.95, 0.2), (std::vector<double>{0.2, 0.4, 0.6000000000000001, 0.8}));
  // The first line is drawn even when it lies beyond the maximum.
  EXPECT_EQ(GridValues(0.95, 0.99, 0.1), (std::vector<double>{1}));
  // Unlike the labels, the grid covers the whole range.
  EXPECT_EQ(GridValues(0, 1, 0.01).size(), 100u);
}

TEST(TicksTest, UnusableStepsEndAtOnce) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double step : {0.0, -0.2, inf, nan}) {
    EXPECT_TRUE(TickValues(0, 1, step).empty()) << step;
    EXPECT_TRUE(GridValues(0, 1, step).empty()) << step;
  }
  // A step that no longer moves the value, and one that would take 1e300 lines.
  EXPECT_EQ(GridValues(1e20, 2e20, 1).size(), 1u);
  int lines = 0;
  ForEachGridValue(0, 1, 1e-300, [&lines](double) { ++lines; });
  EXPECT_EQ(lines, kMaxGridSteps);
}

}  // namespace
}  // namespace tarn
