// NiceStep.
//
// r = (hi - lo) / 5 is brought into a one-digit mantissa by n steps of ten:
//
//   r >= 1   divide while r > 9 (not 10)   ->  r in (0.9, 9],  exponent +n
//   r <  1   multiply while r < 1          ->  r in [1, 10),   exponent -n
//
// then snapped (r >= 3 -> 5, r >= 1.5 -> 2, else 1) and scaled back by n single
// multiplications or divisions by ten, so 0.2 comes out as 2 / 10 and not as 2 x 10^-1.
//
// Both loops stop after 100 steps. An empty or reversed range (r <= 0) then leaves 1 x 10^-100,
// an infinite one 5 x 10^100, and a NaN range skips both loops and snaps to 1: the step is
// always finite and positive, so the callers' loops over it end.
#include "render/NiceStep.h"

namespace tarn {

namespace {

constexpr int kMaxScalings = 100;

struct Mantissa {
  double R;
  int Exponent;  // the step is the snapped R times ten to this power
};

Mantissa Normalise(double r) {
  int n = 0;
  if (r >= 1) {
    while (r > 9 && n < kMaxScalings) {
      r /= 10;
      ++n;
    }
    return {r, n};
  }
  while (r < 1 && n < kMaxScalings) {
    r *= 10;
    ++n;
  }
  return {r, -n};
}

double Snap(double r) {
  if (r >= 3) return 5;
  if (r >= 1.5) return 2;
  return 1;
}

double ScaleByTen(double value, int exponent) {
  for (int i = 0; i < exponent; ++i) value *= 10;
  for (int i = 0; i > exponent; --i) value /= 10;
  return value;
}

}  // namespace

double NiceStep(double lo, double hi, UserInterface& ui) {
  if (!(hi > lo)) ui.ShowMessage(MessageKind::Warning, "軸の大小が不正です");
  const Mantissa m = Normalise((hi - lo) / 5);
  return ScaleByTen(Snap(m.R), m.Exponent);
}

}  // namespace tarn
