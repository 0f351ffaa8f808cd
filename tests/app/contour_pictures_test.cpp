// Contour pictures as the eye sees them, played back: lines unbroken on grid data and on a mesh
// finer than the pixels, colour-bar separators that show, everything inside the frame under a
// typed range, and one warning per redraw.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <queue>

#include "app/Redraw.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecord.h"
#include "canvas/FakeFontMetrics.h"
#include "options/SettingsFile.h"
#include "platform/EmfPlayer.h"
#include "platform/FontSystem.h"
#include "platform/HeadlessFonts.h"
#include "render/NiceStep.h"
#include "support/ScriptedUserInterface.h"

namespace tarn {
namespace {

using testing::ScriptedUserInterface;

// A side x side lattice over 0..10 with a smooth field, split into triangles along its grid
// lines, as table-form data are.
void LatticeData(Document& doc, int side, const std::function<float(float, float)>& field) {
  doc.DataPoints.clear();
  doc.Mesh.clear();
  for (int j = 0; j < side; ++j) {
    for (int i = 0; i < side; ++i) {
      const float x = 10.0f * static_cast<float>(i) / static_cast<float>(side - 1);
      const float y = 10.0f * static_cast<float>(j) / static_cast<float>(side - 1);
      doc.DataPoints.push_back({x, y, field(x, y)});
    }
  }
  for (int j = 0; j + 1 < side; ++j) {
    for (int i = 0; i + 1 < side; ++i) {
      const int a = j * side + i;
      doc.Mesh.push_back({a, a + 1, a + side + 1, 0, 0, 0});
      doc.Mesh.push_back({a, a + side + 1, a + side, 0, 0, 0});
    }
  }
  doc.MeshOutdated = false;
  AfterContourDataCommand(doc.Mode);
}

Bitmap24 Played(const Document& doc) {
  PrepareHeadlessFontSystem();
  EnsureFontSystem();
  return RenderEmf(doc.Picture);
}

struct Box {
  int Left, Top, Right, Bottom;
};

bool IsBackground(Color c) { return c == kWhite; }

// The plot: from the picture's centre outwards as long as the pixels are not background (the
// bands fill the plot exactly under automatic ranges).
Box PlotOf(const Bitmap24& picture) {
  const int cx = picture.Width() / 2, cy = picture.Height() / 2;
  Box box{cx, cy, cx, cy};
  while (box.Left > 0 && !IsBackground(picture.Pixel(box.Left - 1, cy))) --box.Left;
  while (box.Right + 1 < picture.Width() && !IsBackground(picture.Pixel(box.Right + 1, cy))) ++box.Right;
  while (box.Top > 0 && !IsBackground(picture.Pixel(cx, box.Top - 1))) --box.Top;
  while (box.Bottom + 1 < picture.Height() && !IsBackground(picture.Pixel(cx, box.Bottom + 1))) ++box.Bottom;
  return box;
}

// Connected groups (8-neighbours) of black pixels strictly inside the frame.
int LinePieces(const Bitmap24& picture, Box frame) {
  const int w = picture.Width();
  std::vector<bool> seen(static_cast<std::size_t>(w * picture.Height()), false);
  const auto black = [&](int x, int y) {
    return x > frame.Left + 2 && x < frame.Right - 2 && y > frame.Top + 2 && y < frame.Bottom - 2 &&
           picture.Pixel(x, y) == kBlack;
  };
  int pieces = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      if (!black(x, y) || seen[static_cast<std::size_t>(y * w + x)]) continue;
      ++pieces;
      std::queue<std::pair<int, int>> open;
      open.push({x, y});
      seen[static_cast<std::size_t>(y * w + x)] = true;
      while (!open.empty()) {
        const auto [cx, cy] = open.front();
        open.pop();
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = cx + dx, ny = cy + dy;
            if (!black(nx, ny) || seen[static_cast<std::size_t>(ny * w + nx)]) continue;
            seen[static_cast<std::size_t>(ny * w + nx)] = true;
            open.push({nx, ny});
          }
        }
      }
    }
  }
  return pieces;
}

class ContourPictures : public ::testing::Test {
 protected:
  void Redraw() { PreRedrawExecute(doc, ui, metrics); }
  void Set(const char* line) { ApplyOptionLine(doc.Options, line, ui); }

  Document doc;
  ScriptedUserInterface ui;
  testing::FakeFontMetrics metrics;
};

// Circles around the plot's centre: each level is one closed curve, cut where it leaves the plot.
float Rings(float x, float y) { return std::hypot(x - 5.0f, y - 5.0f); }

TEST_F(ContourPictures, LinesOnGridDataAndOnAMeshFinerThanThePixelsAreUnbroken) {
  Set("ShowContourLine:True");
  Set("Vstep:1");  // levels 1 .. 7: seven rings, the outer ones cut by the frame into arcs
  struct Case {
    int Side;
    const char* What;
  };
  for (const Case& c : {Case{12, "grid data"}, Case{317, "10^5 samples"}}) {
    LatticeData(doc, c.Side, Rings);
    Redraw();
    ASSERT_TRUE(ui.Messages().empty()) << c.What;
    const Bitmap24 picture = Played(doc);
    // Rings 1 to 5 lie whole inside the plot; 6 and 7 leave it and come back four times each.
    // (Each triangle's own piece drawn between the fills gave 124 and 117 groups here.)
    EXPECT_LE(LinePieces(picture, PlotOf(picture)), 5 + 2 * 4) << c.What;
  }
}

TEST_F(ContourPictures, TheColourBarSeparatorsShow) {
  LatticeData(doc, 12, Rings);
  Set("ShowContourLine:True");
  Set("Vstep:1");
  Redraw();
  const Bitmap24 picture = Played(doc);
  const Box plot = PlotOf(picture);
  // The bar stands above the plot: its fullest row crosses the separators between its segments.
  int separators = 0, fullest = 0;
  for (int y = 0; y < plot.Top - 2; ++y) {
    int coloured = 0, black = 0;
    for (int x = plot.Left; x <= plot.Right; ++x) {
      const Color c = picture.Pixel(x, y);
      coloured += c != kWhite && c != kBlack;
      black += c == kBlack;
    }
    if (coloured > fullest) {
      fullest = coloured;
      separators = black;
    }
  }
  EXPECT_GE(separators, 6);  // at least the levels 1 to 7 inside the bar, less its two ends
}

TEST_F(ContourPictures, ATypedRangeNarrowerThanTheDataKeepsTheDrawingInsideThePicture) {
  LatticeData(doc, 12, Rings);
  Set("ShowContourLine:True");
  MeshButtonClick(doc.Mode);  // bands, lines and mesh edges
  Redraw();
  // The same y labels, so the same margin: the plot stands where the full picture put it.
  const Box plot = PlotOf(Played(doc));
  Set("XAutoMaxMin:False");
  Set("Xmin:2");
  Set("Xmax:6");
  Redraw();
  ASSERT_TRUE(ui.Messages().empty());
  const EmfRecord header(doc.Picture, 0, 0);
  EXPECT_GE(header.I32(emf::kOffBounds), 0);
  EXPECT_GE(header.I32(emf::kOffBounds + 4), 0);
  EXPECT_LT(header.I32(emf::kOffBounds + 8), 275);
  EXPECT_LT(header.I32(emf::kOffBounds + 12), 275);
  // Right of the frame nothing but background down the whole height of the plot.
  const Bitmap24 picture = Played(doc);
  for (int y = plot.Top; y <= plot.Bottom; ++y) {
    for (int x = plot.Right + 1; x < picture.Width(); ++x) ASSERT_EQ(picture.Pixel(x, y), kWhite) << x << "," << y;
  }
}

TEST_F(ContourPictures, AWarningMetInEveryMarginTrialIsShownOncePerRedraw) {
  LatticeData(doc, 5, [](float, float) { return 3.0f; });
  Redraw();
  Redraw();
  // Each distinct warning once per redraw, in the order first met.
  const std::string axis = "warning: 軸の大小が不正です", step = "warning: 等高線の間隔が小さすぎます";
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{axis, step, axis, step}));
}

}  // namespace
}  // namespace tarn
