// The automatic tick step of an axis: a fifth of the range, snapped to 1, 2 or 5 times a
// power of ten.
#pragma once

#include "base/UserInterface.h"

namespace tarn {

// Warns "軸の大小が不正です" when hi is not above lo and still returns a finite positive step.
double NiceStep(double lo, double hi, UserInterface& ui);

}  // namespace tarn
