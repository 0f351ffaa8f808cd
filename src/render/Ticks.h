// The values of an axis's tick labels and of its grid lines, for a minimum, maximum and step.
#pragma once

#include <functional>
#include <vector>

namespace tarn {

// The labels sit at (k0 + i) x step with k0 = Ceil(min / step), i = 0 to at most 20, while the
// value is <= max; each value is computed afresh from its integer, so 5 x 0.2 is exactly 1.
// None when the step is not a finite positive number.
constexpr int kMaxTickLabels = 21;
std::vector<double> TickValues(double min, double max, double step);

// The grid starts at k0 x step and adds the step after each line; the first line is always
// drawn (even beyond max), the run stops as soon as the next value is >= max. It also stops
// when adding the step no longer moves the value, and after kMaxGridSteps lines, where the
// step is a ten-millionth of the range and far below a pixel. Nothing for a step that is not
// a finite positive number.
constexpr int kMaxGridSteps = 10'000'000;
void ForEachGridValue(double min, double max, double step, const std::function<void(double)>& visit);

}  // namespace tarn
