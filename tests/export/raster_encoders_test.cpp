#include "export/RasterEncoders.h"

#include "base/Errors.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <random>

namespace tarn {
namespace {

Bitmap24 NoisePicture(int width, int height, unsigned seed) {
  Bitmap24 picture(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, static_cast<Color>(random() & 0xFFFFFFu));
  }
  return picture;
}

std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
  return value;
}

Bitmap24 DecodeBmpForTest(const std::string& bytes) {
  const int width = static_cast<int>(U32At(bytes, 18));
  const int height = static_cast<int>(U32At(bytes, 22));
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  Bitmap24 picture(width, height);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = U32At(bytes, 10) + rowSize * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const auto at = [&](int i) { return static_cast<unsigned char>(bytes[row + 3 * static_cast<std::size_t>(x) + static_cast<std::size_t>(i)]); };
      picture.SetPixel(x, y, MakeColor(at(2), at(1), at(0)));
    }
  }
  return picture;
}

Bitmap24 DecodePngForTest(const std::string& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()));
  EXPECT_EQ(image.format & PNG_FORMAT_FLAG_COLOR, PNG_FORMAT_FLAG_COLOR);
  image.format = PNG_FORMAT_RGB;
  Bitmap24 picture(static_cast<int>(image.width), static_cast<int>(image.height));
  std::vector<unsigned char> buffer(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr));
  for (int y = 0; y < picture.Height(); ++y) {
    std::memcpy(picture.Row(y), buffer.data() + static_cast<std::size_t>(y) * 3 * image.width, 3 * image.width);
  }
  return picture;
}

struct JpegFacts {
  int Width = 0, Height = 0, Components = 0;
  bool Progressive = true;
  Bitmap24 Picture;
};

JpegFacts DecodeJpegForTest(const std::string& bytes) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  JpegFacts facts;
  facts.Progressive = info.progressive_mode;
  facts.Components = info.num_components;
  jpeg_start_decompress(&info);
  facts.Width = static_cast<int>(info.output_width);
  facts.Height = static_cast<int>(info.output_height);
  facts.Picture = Bitmap24(facts.Width, facts.Height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = facts.Picture.Row(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return facts;
}

const std::pair<int, int> kAwkwardSizes[] = {{1, 1}, {1, 7}, {7, 1}, {3, 2}, {5, 5}, {275, 275}};

TEST(BmpEncoder, RoundTripsAtAwkwardSizesWithPaddedRows) {
  for (auto [width, height] : kAwkwardSizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const Bitmap24 picture = NoisePicture(width, height, 7);
    const std::string bytes = EncodeBmp(picture);
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(U32At(bytes, 2), bytes.size());
    EXPECT_EQ(bytes.size(), 54 + rowSize * static_cast<std::size_t>(height));  // 14 + 40 header bytes
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24u);                    // bits per pixel
    EXPECT_EQ(DecodeBmpForTest(bytes), picture);
  }
}

TEST(PngEncoder, RoundTripsExactlyAtAwkwardSizes) {
  for (auto [width, height] : kAwkwardSizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const Bitmap24 picture = NoisePicture(width, height, 11);
    const std::string bytes = EncodePng(picture);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(static_cast<unsigned char>(bytes[24]), 8u);  // bit depth
    EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 2u);  // colour type: truecolour
    EXPECT_EQ(DecodePngForTest(bytes), picture);
  }
}

TEST(JpegEncoder, WritesBaselineThreeComponentPicturesCloseToTheSource) {
  for (auto [width, height] : kAwkwardSizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    Bitmap24 picture(width, height, MakeColor(200, 40, 90));
    const JpegFacts facts = DecodeJpegForTest(EncodeJpeg(picture));
    EXPECT_EQ(facts.Width, width);
    EXPECT_EQ(facts.Height, height);
    EXPECT_EQ(facts.Components, 3);
    EXPECT_FALSE(facts.Progressive);
    const Color c = facts.Picture.Pixel(width / 2, height / 2);
    EXPECT_NEAR(RedOf(c), 200, 6);
    EXPECT_NEAR(GreenOf(c), 40, 6);
    EXPECT_NEAR(BlueOf(c), 90, 6);
  }
}

TEST(RasterEncoders, EmptyPicturesAreRefusedNotCrashed) {
  EXPECT_THROW(EncodePng(Bitmap24()), TarnError);
  EXPECT_THROW(EncodeJpeg(Bitmap24()), TarnError);
}

}  // namespace
}  // namespace tarn
