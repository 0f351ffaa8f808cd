// Value to colour.
//
// The gray scale runs from black at the low end to light gray (240) at the high end; the level
// is rounded half to even. The colour schemes share one ramp through five anchors:
//
//   lo          b1          b2          b3          hi
//   blue ------ cyan ------ green ----- yellow ---- red
//        G up        B down      R up        G down
//       linear     quarter sine  quarter sine  linear
//
// with b1, b2, b3 at a quarter, half and three quarters of the range. The contrast scheme
// squeezes cyan - green - yellow into the slice from 49.975 % to 52.775 %. A segment owns its
// upper boundary. Channels are Floor(fraction x 255.99), so a fraction of 1 gives 255.
//
// An empty or reversed range (hi <= lo, as for data whose values are all equal) has no
// fraction to speak of; it gives the colour of the low end instead of dividing by zero.
#include "render/ColorScale.h"

#include <cmath>

#include "base/NumberText.h"

namespace tarn {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kChannelScale = 255.99;
constexpr double kGrayTop = 240;

struct Breakpoints {
  double B1;
  double B2;
  double B3;
};

// Floor(fraction x 255.99) as a byte. Within the range the fraction lies in [0, 1]; values
// beyond it (SpectrumRGB does not clamp) and NaN are held to the byte instead of wrapping.
unsigned Channel(double fraction) {
  const double level = std::floor(fraction * kChannelScale);
  if (!(level > 0)) return 0;
  if (level > 255) return 255;
  return static_cast<unsigned>(level);
}

unsigned QuarterSineChannel(double fraction) { return Channel(std::sin(fraction / 2 * kPi)); }

bool IsDegenerate(double lo, double hi) { return !(lo < hi); }

Breakpoints SpectrumBreakpoints(const OptionsModel& options, double lo, double hi) {
  const double d = hi - lo;
  if (options.GetColorScheme() == ColorScheme::ContrastColor) {
    return {lo + 0.49975 * d, lo + 0.5 * d, lo + 0.52775 * d};
  }
  return {lo + 0.25 * d, lo + 0.5 * d, lo + 0.75 * d};
}

Color GrayColor(double value, double lo, double hi) {
  if (IsDegenerate(lo, hi)) return kBlack;
  const double level = RoundHalfEven(kGrayTop * (value - lo) / (hi - lo));
  const unsigned gray = level > 0 ? static_cast<unsigned>(level) : 0;  // NaN counts as the low end
  return MakeColor(gray, gray, gray);
}

}  // namespace

Color SpectrumRGB(const OptionsModel& options, double value, double lo, double hi) {
  if (IsDegenerate(lo, hi)) return MakeColor(0, 0, 255);
  const Breakpoints b = SpectrumBreakpoints(options, lo, hi);
  if (value <= b.B1) return MakeColor(0, Channel((value - lo) / (b.B1 - lo)), 255);
  if (value <= b.B2) return MakeColor(0, 255, QuarterSineChannel((b.B2 - value) / (b.B2 - b.B1)));
  if (value <= b.B3) return MakeColor(QuarterSineChannel((value - b.B2) / (b.B3 - b.B2)), 255, 0);
  return MakeColor(255, Channel((hi - value) / (hi - b.B3)), 0);
}

Color ValueColor(const OptionsModel& options, double value, double lo, double hi) {
  // The upper bound first: with lo > hi the value ends up at lo.
  if (value > hi) value = hi;
  if (value < lo) value = lo;
  if (options.GetColorScheme() == ColorScheme::GrayColor) return GrayColor(value, lo, hi);
  return SpectrumRGB(options, value, lo, hi);
}

void SetContourPen(const OptionsModel& options, Canvas& canvas) {
  auto copyIn = [&canvas](Color color) {
    canvas.SetPenColor(color);
    canvas.SetPenMode(PenMode::Copy);
  };
  switch (options.LineColorIndex()) {
    case static_cast<int>(LineColor::Black): copyIn(kBlack); break;
    case static_cast<int>(LineColor::White): copyIn(kWhite); break;
    case static_cast<int>(LineColor::Reverse): canvas.SetPenMode(PenMode::Not); break;
    case static_cast<int>(LineColor::BackColor): copyIn(options.GetColor(OptionColor::BKCOLOR)); break;
    case static_cast<int>(LineColor::BorderColor): copyIn(options.GetColor(OptionColor::BDColor)); break;
    default: break;  // "普通色" (the band's own colour, set by the caller) or no item chosen
  }
}

}  // namespace tarn
