// Text records: UTF-16 string and advances, colours and background mode, the position after.
#include <gtest/gtest.h>

#include <numeric>

#include "FakeFontMetrics.h"
#include "RecordList.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecords.h"
#include "canvas/EmfValidator.h"
#include "canvas/MetafileRecorder.h"

namespace tarn {
namespace {

using testing::FakeFontMetrics;
using testing::RecordsOfType;

class RecorderTextTest : public ::testing::Test {
 protected:
  EmfText OnlyText(const std::string& bytes) {
    const auto texts = RecordsOfType(bytes, emf::kExtTextOutW);
    EXPECT_EQ(texts.size(), 1u);
    return ReadTextOut(texts.at(0).View());
  }
  FakeFontMetrics metrics_;
  MetafileRecorder recorder_{275, 275, metrics_};
};

TEST_F(RecorderTextTest, SampleTextRecordHasTheFieldsReadersRelyOn) {
  recorder_.TextOut(60, 250, "AB");
  const std::string bytes = recorder_.Finish();
  const auto records = RecordsOfType(bytes, emf::kExtTextOutW);
  ASSERT_EQ(records.size(), 1u);
  const EmfRecord view = records[0].View();
  EXPECT_EQ(view.Size(), 88u);  // 76 + 4 + 8
  EXPECT_EQ(view.U32(emf::kOffTextGraphicsMode), emf::kGraphicsModeCompatible);
  EXPECT_EQ(view.U32(emf::kOffTextString), 76u);
  EXPECT_EQ(view.U32(emf::kOffTextDx), 80u);
  EXPECT_EQ(view.U32(emf::kOffTextOptions), 0u);
  EXPECT_EQ(ReadBox(view, emf::kOffTextRectangle), PixelBox{});
  const EmfText text = ReadTextOut(view);
  EXPECT_EQ(text.Reference, (PixelPoint{60, 250}));
  EXPECT_EQ(text.Text, u"AB");
  EXPECT_EQ(text.Advances, (std::vector<std::int32_t>{7, 7}));
  EXPECT_EQ(text.Bounds, (PixelBox{60, 250, 73, 263}));
}

TEST_F(RecorderTextTest, NonAsciiOddLengthAndSurrogatePairsArePaddedAndCounted) {
  recorder_.TextOut(0, 0, "温度 (°C) 𝑥");  // 10 units: the last character is a surrogate pair
  const std::string bytes = recorder_.Finish();
  const EmfText text = OnlyText(bytes);
  EXPECT_EQ(text.Text, u"温度 (°C) 𝑥");
  ASSERT_EQ(text.Advances.size(), 10u);
  EXPECT_EQ(text.Advances[9], 0) << "a pair's advance sits on its first unit";
  EXPECT_EQ(RecordsOfType(bytes, emf::kExtTextOutW)[0].Bytes.size(), 76u + 20u + 40u);
  EXPECT_NO_THROW(ValidateEmf(bytes));
}

TEST_F(RecorderTextTest, LongTextFitsOneRecordWithAdvancesSummingToItsWidth) {
  const std::string longText(20001, 'w');
  recorder_.TextOut(0, 0, longText);
  const EmfText text = OnlyText(recorder_.Finish());
  EXPECT_EQ(text.Text.size(), 20001u);
  EXPECT_EQ(std::accumulate(text.Advances.begin(), text.Advances.end(), 0), recorder_.TextWidth(longText));
}

TEST_F(RecorderTextTest, SolidBrushGivesOpaqueBackgroundInItsColourAndClearBrushTransparent) {
  recorder_.SetFontColor(MakeColor(0, 0, 255));
  recorder_.SetBrushColor(MakeColor(255, 255, 0));
  recorder_.TextOut(0, 0, "a");
  recorder_.TextOut(0, 20, "b");  // nothing changed: no state records
  recorder_.SetBrushStyle(BrushStyle::Clear);
  recorder_.TextOut(0, 40, "c");
  const std::string bytes = recorder_.Finish();
  const auto textColors = RecordsOfType(bytes, emf::kSetTextColor);
  ASSERT_EQ(textColors.size(), 1u);
  EXPECT_EQ(textColors[0].Value(), 0x00FF0000u);
  const auto bkColors = RecordsOfType(bytes, emf::kSetBkColor);
  ASSERT_EQ(bkColors.size(), 1u);
  EXPECT_EQ(bkColors[0].Value(), 0x0000FFFFu);
  const auto bkModes = RecordsOfType(bytes, emf::kSetBkMode);
  ASSERT_EQ(bkModes.size(), 1u) << "opaque is the starting mode";
  EXPECT_EQ(bkModes[0].Value(), emf::kBkTransparent);
}

TEST_F(RecorderTextTest, TextLeavesThePositionAfterItsEnd) {
  recorder_.TextOut(10, 20, "abc");
  recorder_.LineTo(0, 0);
  const auto moves = RecordsOfType(recorder_.Finish(), emf::kMoveToEx);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(ReadPoint(moves[0].View(), 8), (PixelPoint{31, 20}));
}

TEST_F(RecorderTextTest, EmptyTextDrawsNothingButMovesThePosition) {
  recorder_.TextOut(10, 20, "");
  const std::string bytes = recorder_.Finish();
  EXPECT_TRUE(RecordsOfType(bytes, emf::kExtTextOutW).empty());
  EXPECT_EQ(ValidateEmf(bytes).Header.Bounds, PixelBox{});
  EXPECT_EQ(RecordsOfType(bytes, emf::kMoveToEx).size(), 1u);
}

TEST_F(RecorderTextTest, MeasuresWithTheCurrentFont) {
  recorder_.SetFont(FontChoice{"x", 20});
  EXPECT_EQ(recorder_.TextWidth("ab"), 22);
  EXPECT_EQ(recorder_.TextHeight("ab"), 22);
}

}  // namespace
}  // namespace tarn
