// Whole streams: the picture's size comes from the frame, broken streams raise errors
// instead of reading beyond their bytes, and records we never write are passed over.
#include <gtest/gtest.h>

#include "PlatformTestSupport.h"
#include "canvas/MetafileError.h"
#include "canvas/MetafileRecorder.h"
#include "platform/EmfPlayer.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string Background(int width, int height) {
  QtFontMetrics metrics;
  MetafileRecorder recorder(width, height, metrics);
  recorder.SetPenColor(MakeColor(0, 0, 128));
  recorder.SetBrushColor(MakeColor(0, 0, 128));
  recorder.Rectangle(0, 0, width, height);
  return recorder.Finish();
}

TEST(PlayerStreamTest, PictureSizeComesFromTheFrame) {
  for (const auto& [w, h] : {std::pair{550, 275}, std::pair{1, 7}, std::pair{7, 1}, std::pair{275, 275}}) {
    const Bitmap24 bitmap = RenderEmf(Background(w, h));
    EXPECT_EQ(bitmap.Width(), w);
    EXPECT_EQ(bitmap.Height(), h);
    EXPECT_EQ(bitmap.Pixel(w - 1, h - 1), MakeColor(0, 0, 128)) << "the background covers the whole picture";
  }
}

TEST(PlayerStreamTest, BrokenStreamsRaiseMetafileErrors) {
  const std::string good = Background(20, 20);
  Bitmap24 bitmap(20, 20);
  EXPECT_THROW(PlayEmf(good.substr(0, good.size() - 8), bitmap), MetafileError);
  EXPECT_THROW(PlayEmf("not a metafile at all", bitmap), MetafileError);
  std::string hugeRecord = good;
  Put32(hugeRecord, 108 + 4, 0xFFFFFFF0u);  // the first record after the header claims 4 GB
  EXPECT_THROW(PlayEmf(hugeRecord, bitmap), MetafileError);
  std::string hugeFrame = good;
  Put32(hugeFrame, 24 + 8, 0x7FFFFFFF);  // the frame's right edge
  EXPECT_THROW(RenderEmf(hugeFrame), MetafileError) << "no bitmap of that size is attempted";
}

TEST(PlayerStreamTest, UnknownRecordsAndBadObjectIndexesArePassedOver) {
  std::string bytes = Background(10, 10);
  // The first record after the header is the brush's creation: make it a record type we
  // never write, so the rectangle falls back to the default white brush.
  Put32(bytes, 108, 70);  // EMR_COMMENT
  Bitmap24 bitmap(10, 10, kBlack);
  EXPECT_NO_THROW(PlayEmf(bytes, bitmap));
  EXPECT_EQ(bitmap.Pixel(5, 5), kWhite);
  EXPECT_EQ(bitmap.Pixel(0, 0), MakeColor(0, 0, 128)) << "the pen was still created and selected";
}

}  // namespace
}  // namespace tarn
