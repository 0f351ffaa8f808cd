// What the contour benchmarks share: a lattice mesh of about 10^5 triangles over a smooth
// field, the whole 2000 x 2000 picture as the plot, and ports that do nothing.
#pragma once

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/ForwardingUserInterface.h"
#include "canvas/Canvas.h"
#include "data/PointSet.h"
#include "render/PlotArea.h"

namespace tarn::bench {

constexpr int kPicture = 2000;
constexpr int kLattice = 225;  // 224 x 224 squares, two triangles each: 100352 triangles
constexpr double kSide = 100;  // data 0..100 on both axes

using QuietUserInterface = SilentUserInterface;

// Keeps pixels and polygon corners in plain vectors, as cheaply as a canvas can.
class StoringCanvas : public Canvas {
 public:
  struct StoredPixel {
    int X, Y;
    Color PixelColor;
  };
  std::vector<StoredPixel> Pixels;
  std::vector<PixelPoint> Corners;
  std::size_t Polygons = 0;
  std::size_t Lines = 0;

  void MoveTo(int, int) override {}
  void LineTo(int, int) override { ++Lines; }
  void Polygon(std::span<const PixelPoint> points) override {
    Corners.insert(Corners.end(), points.begin(), points.end());
    ++Polygons;
  }
  void Rectangle(int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void TextOut(int, int, std::string_view) override {}
  int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(std::string_view) override { return 12; }
  void SetPixel(int x, int y, Color color) override { Pixels.push_back({x, y, color}); }
};

class FixedMetrics : public FontMetrics {
 public:
  int TextWidth(const FontChoice&, std::string_view text) override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(const FontChoice&, std::string_view) override { return 12; }
};

// A regular lattice over 0..100 split along alternating diagonals, with a smooth field of hills
// and valleys running from about 0 to 1.
struct TestMesh {
  PointList Points;
  TriangleList Mesh;
  double VMin = INFINITY;
  double VMax = -INFINITY;

  // A lattice of `side` x `side` points.
  explicit TestMesh(int side = kLattice) : Side(side) {
    for (int j = 0; j < side; ++j) {
      for (int i = 0; i < side; ++i) AddPoint(kSide * i / (side - 1), kSide * j / (side - 1));
    }
    for (int j = 0; j + 1 < side; ++j) {
      for (int i = 0; i + 1 < side; ++i) AddSquare(i, j);
    }
  }

  int Side;

  void AddPoint(double x, double y) {
    const double v = 0.5 + 0.3 * std::sin(x / 9) * std::cos(y / 13) + 0.2 * std::sin((x + y) / 40);
    Points.push_back({static_cast<float>(x), static_cast<float>(y), static_cast<float>(v)});
    VMin = std::fmin(VMin, Points.back().Value);
    VMax = std::fmax(VMax, Points.back().Value);
  }

  void AddSquare(int i, int j) {
    auto at = [this](int a, int b) { return static_cast<PointIndex>(b * Side + a); };
    if ((i + j) % 2 == 0) {
      Mesh.push_back({at(i, j), at(i + 1, j), at(i + 1, j + 1)});
      Mesh.push_back({at(i, j), at(i + 1, j + 1), at(i, j + 1)});
    } else {
      Mesh.push_back({at(i, j), at(i + 1, j), at(i, j + 1)});
      Mesh.push_back({at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
    }
  }
};

inline const TestMesh& SharedMesh() {
  static const TestMesh mesh;
  return mesh;
}

// The whole picture: columns 0..1999, rows 1999..0.
inline PlotArea WholePicture() {
  PlotArea area;
  area.Left = 0;
  area.Right = kPicture - 1;
  area.Bottom = 1;
  area.Top = kPicture;
  area.XMax = kSide;
  area.YMax = kSide;
  area.XScale = (area.Right - area.Left) / kSide;
  area.YScale = (area.Top - area.Bottom) / kSide;
  area.PictureHeight = kPicture;
  return area;
}

}  // namespace tarn::bench
