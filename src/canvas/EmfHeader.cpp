#include "canvas/EmfHeader.h"

#include <algorithm>
#include <cmath>

#include "canvas/EmfFormat.h"
#include "canvas/EmfRecord.h"
#include "canvas/EmfRecords.h"
#include "canvas/MetafileError.h"

namespace tarn {
namespace {

std::int32_t HundredthMm(int pixels) {
  return static_cast<std::int32_t>(std::lround(static_cast<double>(pixels) * 2540.0 / 96.0));
}

// Clamped to the int range, so a damaged frame gives an absurd size rather than an overflow.
int PixelsFromHundredthMm(std::int64_t hundredths, std::int32_t devicePx, std::int32_t deviceMm) {
  const double pixels = static_cast<double>(hundredths) * devicePx / (100.0 * deviceMm);
  return static_cast<int>(std::llround(std::clamp(pixels, -2147483648.0, 2147483647.0)));
}

void WriteBox(ByteWriter& out, const PixelBox& box) {
  out.I32(box.Left);
  out.I32(box.Top);
  out.I32(box.Right);
  out.I32(box.Bottom);
}

}  // namespace

PixelBox FrameForPixels(int width, int height) {
  return PixelBox{0, 0, HundredthMm(width), HundredthMm(height)};
}

PixelSize PictureSizeOf(const EmfHeader& header) {
  const std::int64_t w = std::int64_t{header.Frame.Right} - header.Frame.Left;
  const std::int64_t h = std::int64_t{header.Frame.Bottom} - header.Frame.Top;
  return PixelSize{PixelsFromHundredthMm(w, header.DeviceWidth, header.MillimetersWidth),
                     PixelsFromHundredthMm(h, header.DeviceHeight, header.MillimetersHeight)};
}

void WriteEmfHeader(ByteWriter& out, int width, int height) {
  out.U32(emf::kHeader);
  out.U32(emf::kHeaderSize);
  WriteBox(out, PixelBox{});                      // rclBounds, patched
  WriteBox(out, FrameForPixels(width, height));   // rclFrame
  out.U32(emf::kSignature);
  out.U32(emf::kVersion);
  out.U32(0);  // nBytes, patched
  out.U32(0);  // nRecords, patched
  out.U16(1);  // nHandles, patched
  out.U16(0);  // sReserved
  out.U32(0);  // nDescription
  out.U32(0);  // offDescription
  out.U32(0);  // nPalEntries
  out.I32(emf::kDeviceWidthPx);
  out.I32(emf::kDeviceHeightPx);
  out.I32(emf::kDeviceWidthMm);
  out.I32(emf::kDeviceHeightMm);
  out.U32(0);  // cbPixelFormat
  out.U32(0);  // offPixelFormat
  out.U32(0);  // bOpenGL
  out.I32(emf::kDeviceWidthMm * 1000);
  out.I32(emf::kDeviceHeightMm * 1000);
}

void PatchEmfHeader(ByteWriter& out, const PixelBox& bounds, std::uint32_t bytes,
                    std::uint32_t records, std::uint32_t handles) {
  out.PatchU32(emf::kOffBounds, static_cast<std::uint32_t>(bounds.Left));
  out.PatchU32(emf::kOffBounds + 4, static_cast<std::uint32_t>(bounds.Top));
  out.PatchU32(emf::kOffBounds + 8, static_cast<std::uint32_t>(bounds.Right));
  out.PatchU32(emf::kOffBounds + 12, static_cast<std::uint32_t>(bounds.Bottom));
  out.PatchU32(emf::kOffBytes, bytes);
  out.PatchU32(emf::kOffRecords, records);
  out.PatchU32(emf::kOffHandles, handles & 0xFFFFu);  // with sReserved = 0
}

EmfHeader ReadEmfHeader(std::string_view stream) {
  if (stream.size() < emf::kHeaderBaseSize) throw MetafileError("metafile shorter than its header");
  const EmfRecord record(stream.substr(0, emf::kHeaderBaseSize), 0, 0);
  if (record.Type() != emf::kHeader) throw MetafileError("first record is not a header");
  EmfHeader header;
  header.HeaderSize = record.U32(emf::kOffRecordSize);
  if (header.HeaderSize < emf::kHeaderBaseSize || header.HeaderSize % 4 != 0 ||
      header.HeaderSize > stream.size()) {
    throw MetafileError("header size " + std::to_string(header.HeaderSize) + " is invalid");
  }
  if (record.U32(emf::kOffSignature) != emf::kSignature) throw MetafileError("not an enhanced metafile signature");
  if (record.U32(emf::kOffVersion) != emf::kVersion) throw MetafileError("unknown metafile version");
  header.Bytes = record.U32(emf::kOffBytes);
  if (header.Bytes != stream.size()) {
    throw MetafileError("nBytes " + std::to_string(header.Bytes) + " differs from the stream length " +
                        std::to_string(stream.size()));
  }
  if (header.Bytes % 4 != 0) throw MetafileError("metafile length not a multiple of 4");
  header.Records = record.U32(emf::kOffRecords);
  header.Handles = record.U16(emf::kOffHandles);
  if (header.Handles == 0) throw MetafileError("nHandles is 0; slot 0 is always reserved");
  if (record.U16(emf::kOffReserved) != 0) throw MetafileError("header reserved field is not 0");
  header.Bounds = ReadBox(record, emf::kOffBounds);
  header.Frame = ReadBox(record, emf::kOffFrame);
  header.DeviceWidth = record.I32(emf::kOffDevice);
  header.DeviceHeight = record.I32(emf::kOffDevice + 4);
  header.MillimetersWidth = record.I32(emf::kOffMillimeters);
  header.MillimetersHeight = record.I32(emf::kOffMillimeters + 4);
  if (header.DeviceWidth <= 0 || header.DeviceHeight <= 0 || header.MillimetersWidth <= 0 ||
      header.MillimetersHeight <= 0) {
    throw MetafileError("reference device size is not positive");
  }
  return header;
}

}  // namespace tarn
