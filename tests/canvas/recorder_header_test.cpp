// The header and EOF of recordings: exact bytes of an empty picture, frame and counts, bounds.
#include <gtest/gtest.h>

#include "FakeFontMetrics.h"
#include "RecordList.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfHeader.h"
#include "canvas/EmfValidator.h"
#include "canvas/MetafileRecorder.h"

namespace tarn {
namespace {

using testing::FakeFontMetrics;

std::string Record(int width, int height, void (*draw)(Canvas&)) {
  FakeFontMetrics metrics;
  MetafileRecorder recorder(width, height, metrics);
  draw(recorder);
  return recorder.Finish();
}

TEST(RecorderHeaderTest, EmptyPictureIsTheMinimalValidFile) {
  const std::string bytes = Record(275, 275, [](Canvas&) {});
  const unsigned char expected[128] = {
      0x01, 0x00, 0x00, 0x00, 0x6c, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x6c, 0x1c, 0x00, 0x00, 0x6c, 0x1c, 0x00, 0x00, 0x20, 0x45, 0x4d, 0x46, 0x00, 0x00, 0x01, 0x00,
      0x80, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x07, 0x00, 0x00, 0xa0, 0x05, 0x00, 0x00,
      0xfc, 0x01, 0x00, 0x00, 0x7d, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x60, 0xc0, 0x07, 0x00, 0x48, 0xd0, 0x05, 0x00, 0x0e, 0x00, 0x00, 0x00,
      0x14, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00};
  EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(expected), sizeof expected));
  EXPECT_NO_THROW(ValidateEmf(bytes));
}

TEST(RecorderHeaderTest, FrameIsHundredthsOfMillimetreAt96Dpi) {
  // 275 * 2540 / 96 = 7276.04; 550 -> 14552.08; 1 -> 26.46; 7 -> 185.21.
  EXPECT_EQ(FrameForPixels(275, 275), (PixelBox{0, 0, 7276, 7276}));
  EXPECT_EQ(FrameForPixels(550, 275), (PixelBox{0, 0, 14552, 7276}));
  EXPECT_EQ(FrameForPixels(1, 7), (PixelBox{0, 0, 26, 185}));
  for (const auto& [w, h] : {std::pair{275, 275}, std::pair{550, 275}, std::pair{1, 7}, std::pair{2000, 2000},
                             std::pair{7, 1}, std::pair{333, 101}}) {
    const EmfHeader header = ValidateEmf(Record(w, h, [](Canvas&) {})).Header;
    EXPECT_EQ(PictureSizeOf(header).Width, w);
    EXPECT_EQ(PictureSizeOf(header).Height, h);
    EXPECT_EQ(header.DeviceWidth * 127, header.MillimetersWidth * 480) << "exactly 96 dpi";
  }
}

TEST(RecorderHeaderTest, CountsCoverHeaderAndEof) {
  const std::string bytes = Record(100, 50, [](Canvas& c) {
    c.MoveTo(1, 1);
    c.LineTo(5, 5);
    c.SetPixel(3, 3, kBlack);
  });
  const EmfSummary summary = ValidateEmf(bytes);
  // header, MOVETOEX, CREATEPEN, SELECTOBJECT, LINETO, SETPIXELV, then at the end the stock
  // pen selected back and ours deleted, EOF.
  EXPECT_EQ(summary.Header.Records, 9u);
  EXPECT_EQ(summary.Header.Bytes, bytes.size());
  EXPECT_EQ(summary.Header.Handles, 2u);
  const auto records = testing::ListRecords(bytes);
  EXPECT_EQ(records.back().Type, emf::kEof);
  EXPECT_EQ(records.back().Value(), 0u) << "no palette";
}

TEST(RecorderHeaderTest, BoundsAreTheInclusiveBoxOfWhatWasDrawn) {
  // A background over the whole picture: its right column and bottom row are not painted.
  EXPECT_EQ(ValidateEmf(Record(275, 275, [](Canvas& c) { c.Rectangle(0, 0, 275, 275); })).Header.Bounds,
            (PixelBox{0, 0, 274, 274}));
  EXPECT_EQ(ValidateEmf(Record(200, 200, [](Canvas& c) { c.Rectangle(110, 70, 10, 20); })).Header.Bounds,
            (PixelBox{10, 20, 109, 69}));
  EXPECT_EQ(ValidateEmf(Record(200, 200, [](Canvas& c) {
              c.SetPixel(7, 9, kWhite);
              c.SetPixel(3, 40, kWhite);
            })).Header.Bounds,
            (PixelBox{3, 9, 7, 40}));
  // A moved-to position alone draws nothing; a line counts from where it starts.
  EXPECT_EQ(ValidateEmf(Record(200, 200, [](Canvas& c) {
              c.MoveTo(150, 150);
              c.MoveTo(20, 30);
              c.LineTo(40, 5);
            })).Header.Bounds,
            (PixelBox{20, 5, 40, 30}));
  // A pen 5 pixels wide reaches 2 beyond the line.
  EXPECT_EQ(ValidateEmf(Record(200, 200, [](Canvas& c) {
              c.SetPenWidth(5);
              c.MoveTo(20, 30);
              c.LineTo(40, 30);
            })).Header.Bounds,
            (PixelBox{18, 28, 42, 32}));
  // A text cell, turned upwards about its corner for escapement 900 (fake metrics: 7 per
  // character, 14 high): the 21 columns of "abc" become the 21 rows above row 100.
  EXPECT_EQ(ValidateEmf(Record(200, 200, [](Canvas& c) { c.TextOut(10, 20, "abc"); })).Header.Bounds,
            (PixelBox{10, 20, 30, 33}));
  EXPECT_EQ(ValidateEmf(Record(200, 200, [](Canvas& c) {
              c.SetFontEscapement(900);
              c.TextOut(10, 100, "abc");
            })).Header.Bounds,
            (PixelBox{10, 79, 23, 99}));
}

TEST(RecorderLimit, APictureThatWouldOutgrowItsLimitStopsWithAMessage) {
  testing::FakeFontMetrics metrics;
  MetafileRecorder recorder(100, 100, metrics);
  recorder.SetByteLimit(10000);
  EXPECT_THROW(
      {
        for (int i = 0; i < 100000; ++i) recorder.SetPixel(i % 100, i / 100 % 100, kBlack);
      },
      PictureTooLarge);
}

}  // namespace
}  // namespace tarn
