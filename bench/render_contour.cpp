// Speed of the contour fills over a mesh of about 10^5 triangles: the per-pixel fill of a
// 2000 x 2000 picture and the vector bands with the automatic step, each into a canvas that
// only keeps what it is given and into the metafile recorder (recording finished included).
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "canvas/MetafileRecorder.h"
#include "options/OptionsModel.h"
#include "render/ContourBands.h"
#include "render/ContourPixels.h"
#include "render/NiceStep.h"

namespace tarn {
namespace {

constexpr int kPicture = 2000;
constexpr int kLattice = 225;  // 224 x 224 squares, two triangles each: 100352 triangles
constexpr double kSide = 100;  // data 0..100 on both axes

class QuietUserInterface : public UserInterface {
 public:
  void ShowMessage(MessageKind, const std::string&) override {}
  bool Ask(const std::string&) override { return false; }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
  std::optional<Color> ChooseColor() override { return {}; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return {}; }
  void ShowProgress(const std::string&, int, int) override {}
  void SetProgressPosition(int) override {}
  void HideProgress() override {}
  void SetCancelHandler(std::function<void()>) override {}
  void ProcessMessages() override {}
  std::string ClipboardText() override { return {}; }
  void SetTimer(int, std::function<void()>) override {}
};

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

  TestMesh() {
    for (int j = 0; j < kLattice; ++j) {
      for (int i = 0; i < kLattice; ++i) AddPoint(kSide * i / (kLattice - 1), kSide * j / (kLattice - 1));
    }
    for (int j = 0; j + 1 < kLattice; ++j) {
      for (int i = 0; i + 1 < kLattice; ++i) AddSquare(i, j);
    }
  }

  void AddPoint(double x, double y) {
    const double v = 0.5 + 0.3 * std::sin(x / 9) * std::cos(y / 13) + 0.2 * std::sin((x + y) / 40);
    Points.push_back({static_cast<float>(x), static_cast<float>(y), static_cast<float>(v)});
    VMin = std::fmin(VMin, Points.back().Value);
    VMax = std::fmax(VMax, Points.back().Value);
  }

  void AddSquare(int i, int j) {
    auto at = [](int a, int b) { return static_cast<PointIndex>(b * kLattice + a); };
    if ((i + j) % 2 == 0) {
      Mesh.push_back({at(i, j), at(i + 1, j), at(i + 1, j + 1)});
      Mesh.push_back({at(i, j), at(i + 1, j + 1), at(i, j + 1)});
    } else {
      Mesh.push_back({at(i, j), at(i + 1, j), at(i, j + 1)});
      Mesh.push_back({at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
    }
  }
};

const TestMesh& SharedMesh() {
  static const TestMesh mesh;
  return mesh;
}

// The whole picture: columns 0..1999, rows 1999..0.
PlotArea WholePicture() {
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

template <typename Draw>
void RunPixelFill(benchmark::State& state, Draw draw) {
  const TestMesh& m = SharedMesh();
  OptionsModel options;
  QuietUserInterface ui;
  for (auto _ : state) {
    bool cancel = false, outdated = false;
    draw([&](Canvas& canvas) {
      RenderContext ctx{canvas, options, ui, cancel, outdated};
      DrawContourPixels(ctx, m.Points, m.Mesh, m.VMin, m.VMax, WholePicture());
    });
  }
  state.counters["triangles"] = static_cast<double>(m.Mesh.size());
}

void BM_PixelFillIntoVector(benchmark::State& state) {
  RunPixelFill(state, [&](auto fill) {
    StoringCanvas canvas;
    fill(canvas);
    state.counters["pixels"] = static_cast<double>(canvas.Pixels.size());
    benchmark::DoNotOptimize(canvas.Pixels.data());
  });
}

void BM_PixelFillRecorded(benchmark::State& state) {
  RunPixelFill(state, [&](auto fill) {
    FixedMetrics metrics;
    MetafileRecorder recorder(kPicture, kPicture, metrics);
    fill(recorder);
    const std::string bytes = recorder.Finish();
    state.counters["bytes"] = static_cast<double>(bytes.size());
  });
}

template <typename Draw>
void RunBands(benchmark::State& state, bool withLines, Draw draw) {
  const TestMesh& m = SharedMesh();
  OptionsModel options;
  options.SetChecked(OptionCheck::ShowLine, withLines);
  QuietUserInterface ui;
  const double step = NiceStep(m.VMin, m.VMax, ui) / 10;  // the automatic step
  for (auto _ : state) {
    bool cancel = false, outdated = false;
    draw([&](Canvas& canvas) {
      RenderContext ctx{canvas, options, ui, cancel, outdated};
      DrawContourBands(ctx, m.Points, m.Mesh, m.VMin, m.VMax, WholePicture(), step);
    });
  }
  state.counters["bands"] = std::ceil(m.VMax / step) - std::floor(m.VMin / step);
}

void BM_BandsIntoVector(benchmark::State& state) {
  RunBands(state, state.range(0) != 0, [&](auto draw) {
    StoringCanvas canvas;
    draw(canvas);
    state.counters["polygons"] = static_cast<double>(canvas.Polygons);
    benchmark::DoNotOptimize(canvas.Corners.data());
  });
}

void BM_BandsRecorded(benchmark::State& state) {
  RunBands(state, state.range(0) != 0, [&](auto draw) {
    FixedMetrics metrics;
    MetafileRecorder recorder(kPicture, kPicture, metrics);
    draw(recorder);
    const std::string bytes = recorder.Finish();
    state.counters["bytes"] = static_cast<double>(bytes.size());
  });
}

BENCHMARK(BM_PixelFillIntoVector)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PixelFillRecorded)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BandsIntoVector)->Arg(0)->Arg(1)->ArgName("lines")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BandsRecorded)->Arg(0)->Arg(1)->ArgName("lines")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarn
