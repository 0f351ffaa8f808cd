#include "export/HalftonePalette.h"

#include <array>

namespace tarn {

namespace {

constexpr int kCubeStep = 51;

// The cube level nearest to each channel value.
int CubeLevel(int value) { return (value + kCubeStep / 2) / kCubeStep * kCubeStep; }

// Every gray of the palette: the cube's six and the forty between them, in increasing order.
constexpr std::array<int, 46> Grays() {
  std::array<int, 46> grays{};
  int n = 0;
  for (int step = 0; step < 5; ++step) {
    const int low = step * kCubeStep;
    grays[n++] = low;
    for (int j = 1; j <= 8; ++j) grays[n++] = low + (kCubeStep * j * 2 + 9) / 18;  // round(51 j / 9)
  }
  grays[n] = 255;
  return grays;
}

constexpr std::array<int, 46> kGrays = Grays();

int Square(int v) { return v * v; }

// The nearest gray for every sum of the three channels (0 to 765).
std::array<int, 766> NearestGrays() {
  std::array<int, 766> nearest{};
  for (int sum = 0; sum < 766; ++sum) {
    int gray = kGrays[0];
    for (int level : kGrays) {
      if (Square(3 * level - sum) < Square(3 * gray - sum)) gray = level;
    }
    nearest[static_cast<std::size_t>(sum)] = gray;
  }
  return nearest;
}

int Distance(int r, int g, int b, int pr, int pg, int pb) { return Square(r - pr) + Square(g - pg) + Square(b - pb); }

}  // namespace

Color NearestHalftoneColor(Color color) {
  const int r = static_cast<int>(RedOf(color)), g = static_cast<int>(GreenOf(color)), b = static_cast<int>(BlueOf(color));
  // The distance is separable, so the nearest cube colour rounds each channel; the nearest gray
  // is the gray level nearest to the channels' mean.
  const int cr = CubeLevel(r), cg = CubeLevel(g), cb = CubeLevel(b);
  static const std::array<int, 766> kNearestGray = NearestGrays();
  const int gray = kNearestGray[static_cast<std::size_t>(r + g + b)];
  if (Distance(r, g, b, gray, gray, gray) < Distance(r, g, b, cr, cg, cb)) {
    return MakeColor(static_cast<unsigned>(gray), static_cast<unsigned>(gray), static_cast<unsigned>(gray));
  }
  return MakeColor(static_cast<unsigned>(cr), static_cast<unsigned>(cg), static_cast<unsigned>(cb));
}

}  // namespace tarn
