// Windows bitmap, 24 bits per pixel, bottom-up rows padded to four bytes, no compression.
#include <cstdint>

#include "canvas/ByteWriter.h"
#include "export/RasterEncoders.h"

namespace tarn {

namespace {

namespace bmp {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kSignature = 0x4D42;  // "BM"
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::uint32_t kNoCompression = 0;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 pixels per inch
}  // namespace bmp

std::uint32_t PaddedRowSize(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }

}  // namespace

std::string EncodeBmp(const Bitmap24& picture) {
  const std::uint32_t rowSize = PaddedRowSize(picture.Width());
  const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(picture.Height());
  const std::uint32_t offset = bmp::kFileHeaderSize + bmp::kInfoHeaderSize;
  std::string bytes;
  ByteWriter out(bytes);
  out.U16(bmp::kSignature);                    // bfType
  out.U32(offset + imageSize);                 // bfSize
  out.U32(0);                                  // bfReserved1, bfReserved2
  out.U32(offset);                             // bfOffBits
  out.U32(bmp::kInfoHeaderSize);               // biSize
  out.I32(picture.Width());                    // biWidth
  out.I32(picture.Height());                   // biHeight: positive, rows bottom-up
  out.U16(1);                                  // biPlanes
  out.U16(bmp::kBitsPerPixel);                 // biBitCount
  out.U32(bmp::kNoCompression);                // biCompression
  out.U32(imageSize);                          // biSizeImage
  out.I32(bmp::kPixelsPerMetre);               // biXPelsPerMeter
  out.I32(bmp::kPixelsPerMetre);               // biYPelsPerMeter
  out.U32(0);                                  // biClrUsed
  out.U32(0);                                  // biClrImportant
  for (int y = picture.Height() - 1; y >= 0; --y) {
    const std::uint8_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      out.U8(row[3 * x + 2]);  // blue, green, red
      out.U8(row[3 * x + 1]);
      out.U8(row[3 * x]);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(picture.Width()) * 3; pad < rowSize; ++pad) out.U8(0);
  }
  return bytes;
}

}  // namespace tarn
