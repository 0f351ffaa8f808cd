// The header record of an Enhanced Metafile: writing it for a picture of W x H pixels at
// 96 dpi, and reading it back with every field checked against the stream it heads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "canvas/ByteWriter.h"
#include "canvas/PixelBox.h"

namespace tarn {

struct EmfHeader {
  std::uint32_t HeaderSize = 0;
  PixelBox Bounds;     // inclusive box of everything drawn, pixels
  PixelBox Frame;      // the picture, hundredths of a millimetre, {0, 0, width, height}
  std::uint32_t Bytes = 0;
  std::uint32_t Records = 0;
  std::uint32_t Handles = 0;
  std::int32_t DeviceWidth = 0, DeviceHeight = 0;            // reference device, pixels
  std::int32_t MillimetersWidth = 0, MillimetersHeight = 0;  // reference device, mm
};

// The frame of a picture of the given pixel size: {0, 0, round(w * 2540 / 96), ...}.
PixelBox FrameForPixels(int width, int height);

// The picture's pixel size recovered from its frame and reference device.
struct PixelSize {
  int Width = 0;
  int Height = 0;
};
PixelSize PictureSizeOf(const EmfHeader& header);

// Writes the 108-byte header; counts and bounds are patched in by PatchEmfHeader at the end.
void WriteEmfHeader(ByteWriter& out, int width, int height);
void PatchEmfHeader(ByteWriter& out, const PixelBox& bounds, std::uint32_t bytes,
                    std::uint32_t records, std::uint32_t handles);

// Reads and checks the header in order: length, type, size, signature, version, byte count
// against the stream, reserved fields and the reference device. Throws MetafileError.
EmfHeader ReadEmfHeader(std::string_view stream);

}  // namespace tarn
