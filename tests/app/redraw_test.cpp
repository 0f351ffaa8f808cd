#include "app/Redraw.h"

#include <gtest/gtest.h>

#include <chrono>

#include "canvas/EmfFormat.h"
#include "render/PictureBudget.h"
#include "canvas/EmfRecord.h"
#include "canvas/EmfValidator.h"
#include "canvas/FakeFontMetrics.h"
#include "options/SettingsFile.h"
#include "support/ScriptedUserInterface.h"

namespace tarn {
namespace {

using testing::FakeFontMetrics;
using testing::ScriptedUserInterface;

struct Move {
  bool Line;
  int X, Y;
};

// The MoveTo and LineTo records of a picture, in order.
std::vector<Move> PathOf(const std::string& picture) {
  std::vector<Move> path;
  EmfRecordWalker walker(picture);
  while (walker.Next()) {
    const EmfRecord& r = walker.Current();
    if (r.Type() == emf::kMoveToEx || r.Type() == emf::kLineTo) {
      path.push_back({r.Type() == emf::kLineTo, r.I32(8), r.I32(12)});
    }
  }
  return path;
}

// A picture with nothing drawn: the header and the end record only.
bool IsBlank(const std::string& picture) {
  EmfRecordWalker walker(picture);
  int records = 0;
  while (walker.Next()) ++records;
  return records == 2;
}

// The frame of graph pattern 2: a closed run of four lines starting at the bottom left.
bool HasFrame(const std::vector<Move>& path, int left, int right, int bottomRow, int topRow) {
  for (std::size_t i = 0; i + 4 < path.size(); ++i) {
    const Move* m = &path[i];
    if (!m[0].Line && m[0].X == left && m[0].Y == bottomRow && m[1].X == right && m[1].Y == bottomRow &&
        m[2].X == right && m[2].Y == topRow && m[3].X == left && m[3].Y == topRow && m[4].X == left &&
        m[4].Y == bottomRow) {
      return true;
    }
  }
  return false;
}

class RedrawCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    // Four samples on the unit square's corners and its centre, meshed by hand.
    doc.DataPoints = {{0, 0, 0}, {10, 0, 0.5f}, {10, 10, 1}, {0, 10, 0.5f}, {5, 5, 0.5f}};
    doc.Mesh = {{0, 1, 4, 0, 0, 0}, {1, 2, 4, 0, 0, 0}, {2, 3, 4, 0, 0, 0}, {3, 0, 4, 0, 0, 0}};
    doc.MeshOutdated = false;
    AfterContourDataCommand(doc.Mode);
  }

  void Redraw() { PreRedrawExecute(doc, ui, metrics); }

  Document doc;
  ScriptedUserInterface ui;
  FakeFontMetrics metrics;
};

TEST_F(RedrawCommand, WritesTheRangesBackAndKeepsTheSwitchesTicked) {
  Redraw();
  const OptionsModel& o = doc.Options;
  EXPECT_EQ(o.Text(OptionEdit::XMinBox), "0");
  EXPECT_EQ(o.Text(OptionEdit::XMaxBox), "10");
  EXPECT_EQ(o.Text(OptionEdit::ValueMaxBox), "1");
  EXPECT_EQ(o.Text(OptionEdit::ValueStepBox), "0.02");  // a tenth of NiceStep(0, 1) = 0.2
  EXPECT_TRUE(o.Checked(OptionCheck::XMMAuto));
  EXPECT_TRUE(o.Checked(OptionCheck::ValueStepAuto));
  EXPECT_TRUE(o.SettingsChanged());  // the texts changed, so the switches were cleared and ticked
  EXPECT_TRUE(doc.GraphDrawn);
  EXPECT_EQ(doc.PictureWidth, 275);
  const EmfSummary summary = ValidateEmf(doc.Picture);
  EXPECT_GT(summary.Count(emf::kPolygon16), 0u);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(RedrawCommand, DefaultPictureKeepsA185PixelPlotBelowMargin80) {
  doc.Options.SetGraphPattern(2);
  Redraw();
  const auto path = PathOf(doc.Picture);
  int found = 0;
  for (int m = 30; m < 80; ++m) found += HasFrame(path, m, m + 185, 225, 40) ? m : 0;
  EXPECT_GE(found, 30);
  EXPECT_LT(found, 80);
}

TEST_F(RedrawCommand, WideLabelsPushTheMarginPast80AndShrinkThePlot) {
  doc.Options.SetGraphPattern(2);
  for (Points& p : doc.DataPoints) p.Y *= 1e6f + 0.123456f;  // long y labels
  Redraw();
  const auto path = PathOf(doc.Picture);
  bool shrunk = false;
  for (int m = 80; m <= 130; ++m) shrunk = shrunk || HasFrame(path, m, 265, 225, 275 - (275 - m + 40));
  EXPECT_TRUE(shrunk);
}

TEST_F(RedrawCommand, RefusesWithFewerThanTwoPointsButCountsAsDrawn) {
  doc.DataPoints.resize(1);
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: データがありません"}));
  EXPECT_TRUE(doc.GraphDrawn);
  // What a save then writes: the empty picture area, not "not drawn yet".
  EXPECT_TRUE(IsBlank(doc.Picture));
  EXPECT_EQ(doc.PictureWidth, 275);
}

TEST_F(RedrawCommand, AsksForTheRebuildOnceAfterALoad) {
  doc.MeshOutdated = true;
  ui.Answers = {false};
  Redraw();
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"question: 新しいデータです\r\nメッシュを作り直しますか？"}));
  EXPECT_FALSE(doc.Picture.empty());
}

TEST_F(RedrawCommand, AFlatRangeOrAForeignMeshDrawsNothing) {
  doc.Options.SetChecked(OptionCheck::XMMAuto, false);
  doc.Options.SetText(OptionEdit::XMinBox, "3");
  doc.Options.SetText(OptionEdit::XMaxBox, "3");
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kFlatRangeMessage}));
  EXPECT_TRUE(IsBlank(doc.Picture));
  ui.Events.clear();
  doc.Options.SetChecked(OptionCheck::XMMAuto, true);
  doc.Mesh.push_back({0, 1, 99, 0, 0, 0});
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kMeshMismatchMessage}));
  EXPECT_TRUE(IsBlank(doc.Picture));
}

TEST_F(RedrawCommand, ANonNumericRangeStopsTheRedrawAndKeepsTheOldPicture) {
  Redraw();
  const std::string previous = doc.Picture;
  doc.Options.SetText(OptionEdit::YMaxBox, "abc");
  ui.Events.clear();
  EXPECT_THROW(Redraw(), ConversionError);
  EXPECT_EQ(doc.Picture, previous);
}

TEST_F(RedrawCommand, SizesThePictureFromTheSizeEdits) {
  doc.Options.ChoosePictureSize(PictureSize::Size550275);
  Redraw();
  EXPECT_EQ(doc.PictureWidth, 550);
  EXPECT_EQ(doc.WindowWidth, 570);
  EXPECT_EQ(doc.WindowHeight, 32 + 275 + 55);
  EXPECT_EQ(ValidateEmf(doc.Picture).Header.Frame.Right, 14552);  // 550 px at 96 dpi in 0.01 mm
  doc.Options.SetText(OptionEdit::ImageWidth, "0");
  ui.Events.clear();
  Redraw();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kBadImageSizeMessage}));
}

TEST_F(RedrawCommand, MeshModeDrawsEveryTriangleEdge) {
  ContourButtonClick(doc.Mode);  // contour up: with mesh up too, scatter comes down
  MeshButtonClick(doc.Mode);
  ASSERT_TRUE(doc.Mode.MeshButton && !doc.Mode.ContourButton);
  Redraw();
  const EmfSummary summary = ValidateEmf(doc.Picture);
  // Only the colour bar's segments, levels 0 to 50 of the step 0.02: no bands.
  EXPECT_EQ(summary.Count(emf::kPolygon16), 51u);
  EXPECT_GE(summary.Count(emf::kLineTo), 4u * 3u);
}

TEST_F(RedrawCommand, APictureTooLargeToHoldIsRefusedAtOnceKeepingTheLastOne) {
  Redraw();
  const std::string previous = doc.Picture;
  // One triangle a million times over: fifty bands each, far beyond what a metafile can hold.
  doc.Mesh.assign(1000000, {0, 1, 2, 0, 0, 0});
  doc.GraphDrawn = false;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(Redraw(), PictureTooLarge);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(doc.Picture, previous);
  EXPECT_FALSE(doc.GraphDrawn);
}

}  // namespace
}  // namespace tarn
