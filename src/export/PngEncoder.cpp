// PNG through libpng: 8-bit truecolour, no interlace, libpng's default filters and zlib level.
#include <png.h>

#include <csetjmp>

#include "base/Errors.h"
#include "export/RasterEncoders.h"

namespace tarn {

namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::string*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), length);
}

void FlushNothing(png_structp) {}

// libpng reports errors by long jump; nothing with a destructor lives in this frame.
bool WriteRows(png_structp png, png_infop info, const Bitmap24& picture, std::string* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, AppendToString, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()),
               8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);  // 96 pixels per inch
  png_write_info(png, info);
  for (int y = 0; y < picture.Height(); ++y) png_write_row(png, const_cast<png_bytep>(picture.Row(y)));
  png_write_end(png, info);
  return true;
}

}  // namespace

std::string EncodePng(const Bitmap24& picture) {
  if (picture.Width() <= 0 || picture.Height() <= 0) throw TarnError("空の画像は PNG にできません");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::string bytes;
  const bool written = info && WriteRows(png, info, picture, &bytes);
  png_destroy_write_struct(&png, &info);
  if (!written) throw TarnError("PNG の作成に失敗しました");
  return bytes;
}

}  // namespace tarn
