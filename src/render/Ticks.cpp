#include "render/Ticks.h"

#include <cmath>

namespace tarn {

namespace {

bool IsUsableStep(double step) { return std::isfinite(step) && step > 0; }

// Kept as a real: Ceil(min / step) may lie beyond every integer type for absurd ranges.
double FirstIndex(double min, double step) { return std::ceil(min / step); }

}  // namespace

std::vector<double> TickValues(double min, double max, double step) {
  std::vector<double> values;
  if (!IsUsableStep(step)) return values;
  const double k0 = FirstIndex(min, step);
  for (int i = 0; i < kMaxTickLabels; ++i) {
    const double value = (k0 + i) * step;
    if (!(value <= max)) break;
    values.push_back(value);
  }
  return values;
}

void ForEachGridValue(double min, double max, double step, const std::function<void(double)>& visit) {
  if (!IsUsableStep(step)) return;
  double value = FirstIndex(min, step) * step;
  if (!std::isfinite(value)) return;
  visit(value);
  for (int lines = 1; lines < kMaxGridSteps; ++lines) {
    const double next = value + step;
    if (next >= max || !(next > value)) return;
    value = next;
    visit(value);
  }
}

}  // namespace tarn
