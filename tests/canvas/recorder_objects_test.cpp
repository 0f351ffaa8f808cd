// Pens, brushes and fonts in a recording: created when first drawn with, replaced in the
// freed slot when they change (or, with kept objects, kept for selecting again), selected
// back to stock objects and deleted at the end; the background recorded only where used.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeFontMetrics.h"
#include "RecordList.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecords.h"
#include "canvas/EmfValidator.h"
#include "canvas/MetafileRecorder.h"

namespace tarn {
namespace {

using testing::BodyTypes;
using testing::FakeFontMetrics;
using testing::RecordsOfType;

class RecorderObjectsTest : public ::testing::Test {
 protected:
  FakeFontMetrics metrics_;
  MetafileRecorder recorder_{275, 275, metrics_};
};

TEST_F(RecorderObjectsTest, ChangedPenReplacesTheOldOneInItsSlot) {
  recorder_.SetPenColor(MakeColor(255, 0, 0));
  recorder_.MoveTo(20, 250);
  recorder_.LineTo(250, 30);
  recorder_.SetPenColor(MakeColor(0, 0, 255));
  recorder_.SetPenMode(PenMode::Not);
  recorder_.LineTo(30, 30);
  recorder_.SetPenMode(PenMode::Copy);
  recorder_.LineTo(30, 40);
  const std::string bytes = recorder_.Finish();
  EXPECT_EQ(BodyTypes(bytes), (std::vector<std::uint32_t>{
                                  emf::kMoveToEx, emf::kCreatePen, emf::kSelectObject, emf::kLineTo,
                                  emf::kSelectObject, emf::kDeleteObject, emf::kCreatePen, emf::kSelectObject,
                                  emf::kSetRop2, emf::kLineTo, emf::kSetRop2, emf::kLineTo,
                                  emf::kSelectObject, emf::kDeleteObject}));
  const auto pens = RecordsOfType(bytes, emf::kCreatePen);
  ASSERT_EQ(pens.size(), 2u);
  EXPECT_EQ(pens[0].Value(), 1u);
  EXPECT_EQ(pens[1].Value(), 1u) << "the freed index is reused";
  EXPECT_EQ(ReadCreatePen(pens[0].View()), (EmfPen{0, 1, 0x000000FFu}));
  EXPECT_EQ(ReadCreatePen(pens[1].View()), (EmfPen{0, 1, 0x00FF0000u}));
  const auto selects = RecordsOfType(bytes, emf::kSelectObject);
  EXPECT_EQ(selects[1].Value(), emf::kStockBlackPen) << "deselected before it is deleted";
  const auto rops = RecordsOfType(bytes, emf::kSetRop2);
  EXPECT_EQ(rops[0].Value(), emf::kRop2Not);
  EXPECT_EQ(rops[1].Value(), emf::kRop2CopyPen);
  EXPECT_EQ(ValidateEmf(bytes).Header.Handles, 2u);
}

TEST_F(RecorderObjectsTest, WithKeptObjectsAChangedPenIsMadeBesideTheOldOne) {
  MetafileRecorder kept{275, 275, metrics_, true};
  kept.SetPenColor(MakeColor(255, 0, 0));
  kept.MoveTo(20, 250);
  kept.LineTo(250, 30);
  kept.SetPenColor(MakeColor(0, 0, 255));
  kept.SetPenMode(PenMode::Not);
  kept.LineTo(30, 30);
  kept.SetPenMode(PenMode::Copy);
  kept.LineTo(30, 40);
  const std::string bytes = kept.Finish();
  EXPECT_EQ(BodyTypes(bytes), (std::vector<std::uint32_t>{
                                  emf::kMoveToEx, emf::kCreatePen, emf::kSelectObject, emf::kLineTo,
                                  emf::kCreatePen, emf::kSelectObject, emf::kSetRop2, emf::kLineTo,
                                  emf::kSetRop2, emf::kLineTo, emf::kSelectObject, emf::kDeleteObject,
                                  emf::kDeleteObject}));
  const auto pens = RecordsOfType(bytes, emf::kCreatePen);
  ASSERT_EQ(pens.size(), 2u);
  EXPECT_EQ(pens[0].Value(), 1u);
  EXPECT_EQ(pens[1].Value(), 2u) << "the red pen stays alive in slot 1";
  EXPECT_EQ(ReadCreatePen(pens[0].View()), (EmfPen{0, 1, 0x000000FFu}));
  EXPECT_EQ(ReadCreatePen(pens[1].View()), (EmfPen{0, 1, 0x00FF0000u}));
  const auto selects = RecordsOfType(bytes, emf::kSelectObject);
  EXPECT_EQ(selects[2].Value(), emf::kStockBlackPen) << "deselected before they are deleted";
  const auto rops = RecordsOfType(bytes, emf::kSetRop2);
  EXPECT_EQ(rops[0].Value(), emf::kRop2Not);
  EXPECT_EQ(rops[1].Value(), emf::kRop2CopyPen);
  EXPECT_EQ(ValidateEmf(bytes).Header.Handles, 3u);
}

// Band after band, a contour picture goes back to colours it drew with before.
TEST_F(RecorderObjectsTest, KeptColoursAreSelectedAgainNotCreatedAgain) {
  MetafileRecorder kept{275, 275, metrics_, true};
  const Color colours[] = {MakeColor(200, 0, 0), MakeColor(0, 200, 0), MakeColor(0, 0, 200)};
  for (int i = 0; i < 30; ++i) {
    kept.SetPenColor(colours[i % 3]);
    kept.SetBrushColor(colours[i % 3]);
    const PixelPoint triangle[] = {{i, 0}, {i + 5, 9}, {i, 9}};
    kept.Polygon(triangle);
  }
  const std::string bytes = kept.Finish();
  const EmfSummary summary = ValidateEmf(bytes);
  EXPECT_EQ(summary.Count(emf::kCreatePen), 3u);
  EXPECT_EQ(summary.Count(emf::kCreateBrushIndirect), 3u);
  EXPECT_EQ(summary.Count(emf::kDeleteObject), 6u) << "only at the end";
  // Each of the 30 polygons selects its pen and brush: 2 x 30, and the 2 stock objects at the end.
  EXPECT_EQ(summary.Count(emf::kSelectObject), 62u);
  EXPECT_EQ(summary.Header.Handles, 7u) << "1 + 3 pens + 3 brushes";
  const auto pens = RecordsOfType(bytes, emf::kCreatePen);
  for (std::size_t i = 0; i < pens.size(); ++i) {
    EXPECT_EQ(ReadCreatePen(pens[i].View()).PenColor, colours[i]);
  }
}

// Solid fills with solid outlines never read the background; text and dashed lines do, and
// then find it as the last brush drawn with left it.
TEST_F(RecorderObjectsTest, BackgroundIsRecordedOnlyWhereItIsUsed) {
  const PixelPoint triangle[] = {{0, 0}, {5, 9}, {0, 9}};
  for (unsigned i = 0; i < 5; ++i) {
    recorder_.SetBrushColor(MakeColor(i, 0, 0));
    recorder_.Polygon(triangle);
  }
  recorder_.SetPenStyle(PenStyle::Dash);
  recorder_.LineTo(50, 50);
  recorder_.LineTo(60, 50);
  recorder_.SetBrushStyle(BrushStyle::Clear);
  recorder_.SetPenStyle(PenStyle::Solid);
  recorder_.Rectangle(1, 1, 9, 9);
  recorder_.TextOut(5, 5, "x");
  const std::string bytes = recorder_.Finish();
  const auto colours = RecordsOfType(bytes, emf::kSetBkColor);
  ASSERT_EQ(colours.size(), 1u) << "once, before the first dashed line";
  EXPECT_EQ(colours[0].Value(), MakeColor(4, 0, 0));
  const auto modes = RecordsOfType(bytes, emf::kSetBkMode);
  ASSERT_EQ(modes.size(), 1u) << "opaque is the default; transparent only before the text";
  EXPECT_EQ(modes[0].Value(), emf::kBkTransparent);
  const std::vector<std::uint32_t> types = BodyTypes(bytes);
  const auto mode = std::find(types.begin(), types.end(), emf::kSetBkMode);
  EXPECT_EQ(std::find(mode, types.end(), emf::kExtTextOutW) - mode, 1) << "right before the text";
}

TEST_F(RecorderObjectsTest, KeptObjectsStayWithinTheirLimit) {
  MetafileRecorder kept{275, 275, metrics_, true};
  for (int i = 0; i < 3000; ++i) {
    const Color c = MakeColor(static_cast<unsigned>(i), static_cast<unsigned>(i / 256), 7);
    kept.SetPenColor(c);
    kept.SetBrushColor(c);
    const PixelPoint triangle[] = {{i % 200, 0}, {i % 200 + 5, 9}, {i % 200, 9}};
    kept.Polygon(triangle);
  }
  const EmfSummary summary = ValidateEmf(kept.Finish());
  EXPECT_EQ(summary.Header.Handles, 1u + 64 + 64) << "64 pens and 64 brushes kept at most";
  EXPECT_EQ(summary.Count(emf::kCreatePen), 3000u) << "every colour is new";
  EXPECT_EQ(summary.Count(emf::kDeleteObject), 2u * 3000);
}

TEST_F(RecorderObjectsTest, PenStylesAndWidthsAreStoredAsGiven) {
  const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot,
                             PenStyle::DashDotDot, PenStyle::Clear};
  for (PenStyle style : styles) {
    recorder_.SetPen(Pen{MakeColor(1, 2, 3), 3, style, PenMode::Copy});
    recorder_.LineTo(5, 5);
  }
  const auto pens = RecordsOfType(recorder_.Finish(), emf::kCreatePen);
  ASSERT_EQ(pens.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(ReadCreatePen(pens[i].View()), (EmfPen{static_cast<std::uint32_t>(i), 3, 0x00030201u}));
  }
}

TEST_F(RecorderObjectsTest, ShapesUseBrushAndPenAndHandlesCountThemAll) {
  recorder_.SetBrushColor(MakeColor(0, 255, 255));
  recorder_.Rectangle(10, 20, 110, 70);
  recorder_.SetBrushStyle(BrushStyle::Clear);
  recorder_.Ellipse(1, 2, 3, 4);
  recorder_.TextOut(5, 5, "x");
  const std::string bytes = recorder_.Finish();
  const auto brushes = RecordsOfType(bytes, emf::kCreateBrushIndirect);
  ASSERT_EQ(brushes.size(), 2u);
  EXPECT_EQ(ReadCreateBrush(brushes[0].View()), (EmfBrush{emf::kBrushSolid, 0x00FFFF00u}));
  EXPECT_EQ(ReadCreateBrush(brushes[1].View()).Style, emf::kBrushNull);
  const auto boxes = RecordsOfType(bytes, emf::kRectangle);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(ReadBox(boxes[0].View(), 8), (PixelBox{10, 20, 110, 70})) << "stored exactly as called";
  EXPECT_EQ(ReadBox(RecordsOfType(bytes, emf::kEllipse)[0].View(), 8), (PixelBox{1, 2, 3, 4}));
  const EmfSummary summary = ValidateEmf(bytes);
  EXPECT_EQ(summary.PeakObjects, 3u) << "brush, pen and font";
  EXPECT_EQ(summary.Header.Handles, 4u);
  EXPECT_EQ(summary.Count(emf::kDeleteObject), summary.Count(emf::kCreatePen) +
                                                   summary.Count(emf::kCreateBrushIndirect) +
                                                   summary.Count(emf::kExtCreateFontIndirectW));
}

TEST_F(RecorderObjectsTest, ThousandsOfChangesKeepTheTableSmall) {
  for (int i = 0; i < 3000; ++i) {
    const Color c = MakeColor(static_cast<unsigned>(i), static_cast<unsigned>(i / 256), 7);
    recorder_.SetPenColor(c);
    recorder_.SetBrushColor(c);
    const PixelPoint triangle[] = {{i % 200, 0}, {i % 200 + 5, 9}, {i % 200, 9}};
    recorder_.Polygon(triangle);
    recorder_.SetFont(FontChoice{"Face" + std::to_string(i % 3), 10 + i % 5});
    recorder_.TextOut(0, 0, "t");
  }
  const EmfSummary summary = ValidateEmf(recorder_.Finish());
  EXPECT_EQ(summary.Header.Handles, 4u);
  EXPECT_EQ(summary.Count(emf::kCreatePen), 3000u);
  EXPECT_EQ(summary.Count(emf::kPolygon16), 3000u);
}

TEST_F(RecorderObjectsTest, UnchangedObjectsAreNotCreatedAgain) {
  recorder_.SetPenColor(MakeColor(9, 9, 9));
  for (int i = 0; i < 10; ++i) {
    recorder_.SetPenColor(MakeColor(9, 9, 9));  // set again, same value
    recorder_.Rectangle(i, i, i + 5, i + 5);
  }
  const EmfSummary summary = ValidateEmf(recorder_.Finish());
  EXPECT_EQ(summary.Count(emf::kCreatePen), 1u);
  EXPECT_EQ(summary.Count(emf::kCreateBrushIndirect), 1u);
  EXPECT_EQ(summary.Count(emf::kRectangle), 10u);
}

TEST_F(RecorderObjectsTest, FontRecordCarriesHeightWeightEscapementAndFace) {
  recorder_.SetFont(FontChoice{"ＭＳ Ｐゴシック", 12, true, true, kBlack});
  recorder_.TextOut(0, 0, "a");
  recorder_.SetFontEscapement(900);
  recorder_.TextOut(0, 50, "a");
  recorder_.SetFont(FontChoice{"Arial", 20});
  recorder_.TextOut(0, 0, "a");
  const auto fonts = RecordsOfType(recorder_.Finish(), emf::kExtCreateFontIndirectW);
  ASSERT_EQ(fonts.size(), 3u);
  EXPECT_EQ(fonts[0].Bytes.size(), 332u);
  const EmfFont upright = ReadCreateFont(fonts[0].View());
  EXPECT_EQ(upright.Height, -12);
  EXPECT_EQ(upright.Weight, 700);
  EXPECT_TRUE(upright.Italic);
  EXPECT_EQ(upright.Escapement, 0);
  EXPECT_EQ(upright.CharSet, emf::kCharSetShiftJis);
  EXPECT_EQ(upright.Face, u"ＭＳ Ｐゴシック");
  const EmfFont turned = ReadCreateFont(fonts[1].View());
  EXPECT_EQ(turned.Escapement, 900);
  EXPECT_EQ(turned.Orientation, 900);
  EXPECT_EQ(turned.OutPrecision, emf::kOutPrecisionTrueType);
  const EmfFont latin = ReadCreateFont(fonts[2].View());
  EXPECT_EQ(latin.Height, -20);
  EXPECT_EQ(latin.Weight, 400);
  EXPECT_EQ(latin.Escapement, 0) << "a new font starts upright";
  EXPECT_EQ(latin.CharSet, emf::kCharSetDefault);
}

TEST_F(RecorderObjectsTest, OverlongFaceNameIsCutToFitWithItsTerminator) {
  recorder_.SetFont(FontChoice{std::string(40, 'F'), 12});
  recorder_.TextOut(0, 0, "a");
  const auto fonts = RecordsOfType(recorder_.Finish(), emf::kExtCreateFontIndirectW);
  EXPECT_EQ(ReadCreateFont(fonts[0].View()).Face, std::u16string(31, u'F'));
}

}  // namespace
}  // namespace tarn
