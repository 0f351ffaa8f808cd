// Every kind of picture the redraw records is a metafile that independent readers accept:
// each fill style, each graph pattern, the mesh mode, a custom size and a scatter picture
// with every marker shape and its legend.
#include <gtest/gtest.h>

#include <cmath>

#include "app/Redraw.h"
#include "app/ScatterCommands.h"
#include "canvas/EmfValidator.h"
#include "canvas/FakeFontMetrics.h"
#include "options/SettingsFile.h"
#include "support/ExternalTools.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::RequireTool;
using testing::RunCommand;

struct PictureCase {
  const char* Name;
  std::vector<const char*> OptionLines;
  bool MeshMode = false;
};

// A 7 x 7 grid of samples of a smooth field, meshed by hand into 72 triangles.
void FillGrid(Document& doc) {
  for (int j = 0; j < 7; ++j) {
    for (int i = 0; i < 7; ++i) {
      const float x = static_cast<float>(i), y = static_cast<float>(j);
      doc.DataPoints.push_back({x, y, std::sin(x / 2) * std::cos(y / 3) * 10});
    }
  }
  for (int j = 0; j < 6; ++j) {
    for (int i = 0; i < 6; ++i) {
      const int a = j * 7 + i;
      doc.Mesh.push_back({a, a + 7, a + 1, 0, 0, 0});
      doc.Mesh.push_back({a + 1, a + 7, a + 8, 0, 0, 0});
    }
  }
  doc.MeshOutdated = false;
}

void ExpectReadersAccept(const std::string& picture) {
  ASSERT_NO_THROW(ValidateEmf(picture));
  testing::TempDir dir;
  const std::string path = dir.Write("picture.emf", picture);
  const auto svg = RunCommand("emf2svg-conv -i '" + path + "' -o '" + dir.Path("picture.svg") + "'");
  EXPECT_EQ(svg.ExitCode, 0) << svg.Output;
  const auto listing = RunCommand("printemf '" + path + "'");
  EXPECT_EQ(listing.ExitCode, 0) << listing.Output;
  EXPECT_NE(listing.Output.find("*EOF*"), std::string::npos) << listing.Output;
}

class RedrawPictures : public ::testing::TestWithParam<PictureCase> {};

TEST(ScatterPicture, WithEveryMarkerAndTheLegendIsAcceptedByIndependentReaders) {
  RequireTool("emf2svg-conv");
  RequireTool("printemf");
  Document doc;
  testing::ScriptedUserInterface ui;
  testing::FakeFontMetrics metrics;
  ui.Clipboard = "t\t円\t角\t三角\t逆三角\tひし形\tfilled\n";
  for (int row = 0; row < 8; ++row) {
    ui.Clipboard += std::to_string(row);
    for (int col = 1; col <= 6; ++col) ui.Clipboard += "\t" + std::to_string(row * col % 7 + col);
    ui.Clipboard += "\n";
  }
  LoadFromCPExecute(doc, ui);
  doc.Scatter.Series[1].PlotType = PlotType::Marker;
  doc.Scatter.Series[2].PlotType = PlotType::Line;
  doc.Scatter.Series[3].LineWidth = 3;
  PreRedrawExecute(doc, ui, metrics);
  GraphImageMouseDown(doc, ui, metrics, 150, 40);
  ASSERT_TRUE(ui.Messages().empty());
  ExpectReadersAccept(doc.Picture);
}

TEST_P(RedrawPictures, AreAcceptedByIndependentReaders) {
  RequireTool("emf2svg-conv");
  RequireTool("printemf");
  Document doc;
  testing::ScriptedUserInterface ui;
  testing::FakeFontMetrics metrics;
  FillGrid(doc);
  AfterContourDataCommand(doc.Mode);
  if (GetParam().MeshMode) MeshButtonClick(doc.Mode);
  for (const char* line : GetParam().OptionLines) ApplyOptionLine(doc.Options, line, ui);
  PreRedrawExecute(doc, ui, metrics);
  ASSERT_TRUE(ui.Messages().empty());
  ExpectReadersAccept(doc.Picture);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, RedrawPictures,
    ::testing::Values(PictureCase{"VectorFill", {"ContourPattern:Meta"}},
                      PictureCase{"PixelFill", {"ContourPattern:Bitmap", "ShowContourLine:True"}},
                      PictureCase{"LinesOnlyInverted", {"ContourPattern:None", "ContourLineColor:Reverse"}},
                      PictureCase{"GridPattern", {"GraphPattern:2", "ContourColor:Gray"}},
                      PictureCase{"TickPattern", {"GraphPattern:3", "ContourColor:Contrast"}},
                      PictureCase{"MeshOverBands", {"Size:Custom:321:207"}, true}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

}  // namespace
}  // namespace tarn
