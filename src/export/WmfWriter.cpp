#include "export/WmfWriter.h"

#include <algorithm>
#include <cassert>

#include "export/WmfFormat.h"

namespace tarn {
namespace {

// XOR of the ten words before the checksum.
std::uint16_t PlaceableChecksum(std::string_view header) {
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at + 2 < wmf::kPlaceableSize; at += 2) {
    sum ^= static_cast<unsigned char>(header[at]) | (static_cast<std::uint32_t>(static_cast<unsigned char>(header[at + 1])) << 8);
  }
  return static_cast<std::uint16_t>(sum);
}

}  // namespace

WmfWriter::WmfWriter(std::string& out, std::int16_t width, std::int16_t height) : out_(out) {
  assert(out_.empty() && "the header offsets count from the file's first byte");
  U32(wmf::kPlaceableKey);
  U16(0);  // HWmf
  I16(0);  // BoundingBox left, top, right, bottom
  I16(0);
  I16(width);
  I16(height);
  U16(wmf::kUnitsPerInch);
  U32(0);  // Reserved
  U16(PlaceableChecksum(out_));
  U16(wmf::kMemoryMetafile);
  U16(wmf::kHeaderWords);
  U16(wmf::kVersion);
  U32(0);  // Size, patched
  U16(0);  // NumberOfObjects, patched
  U32(0);  // MaxRecord, patched
  U16(0);  // NumberOfMembers
  recordEnd_ = out_.size();
}

void WmfWriter::Begin(std::uint16_t function, std::uint32_t words) {
  assert(out_.size() == recordEnd_ && "the previous record's size differs from its fields");
  recordEnd_ = out_.size() + 2 * std::size_t{words};
  maxRecord_ = std::max(maxRecord_, words);
  U32(words);
  U16(function);
}

void WmfWriter::PaddedBytes(std::string_view bytes) {
  out_.append(bytes);
  if (bytes.size() % 2 != 0) out_.push_back('\0');
}

void WmfWriter::SetPixel(std::int16_t x, std::int16_t y, std::uint32_t color) {
  assert(out_.size() == recordEnd_ && "the previous record's size differs from its fields");
  const std::uint16_t words[wmf::kSetPixelWords] = {
      wmf::kSetPixelWords, 0, wmf::kSetPixel, static_cast<std::uint16_t>(color & 0xFFFFu),
      static_cast<std::uint16_t>((color >> 16) & 0xFFu), static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(x)};
  char bytes[2 * wmf::kSetPixelWords];
  for (std::size_t i = 0; i < wmf::kSetPixelWords; ++i) {
    bytes[2 * i] = static_cast<char>(words[i] & 0xFFu);
    bytes[2 * i + 1] = static_cast<char>(words[i] >> 8);
  }
  out_.append(bytes, sizeof bytes);
  recordEnd_ = out_.size();
  maxRecord_ = std::max(maxRecord_, wmf::kSetPixelWords);
}

void WmfWriter::Finish(std::uint16_t numberOfObjects) {
  Begin(wmf::kEof, wmf::kEofWords);
  assert(out_.size() == recordEnd_ && (out_.size() - wmf::kPlaceableSize) % 2 == 0);
  // At most the input's 2^32 bytes and a few records more: the word count fits 32 bits.
  const std::size_t words = (out_.size() - wmf::kPlaceableSize) / 2;
  assert(words <= 0xFFFFFFFFu);
  Patch16(wmf::kOffSize, words & 0xFFFFu);
  Patch16(wmf::kOffSize + 2, (words >> 16) & 0xFFFFu);
  Patch16(wmf::kOffNumberOfObjects, numberOfObjects);
  Patch16(wmf::kOffMaxRecord, maxRecord_ & 0xFFFFu);
  Patch16(wmf::kOffMaxRecord + 2, maxRecord_ >> 16);
}

void WmfWriter::Patch16(std::size_t offset, std::uint32_t value) {
  out_[offset] = static_cast<char>(value & 0xFFu);
  out_[offset + 1] = static_cast<char>((value >> 8) & 0xFFu);
}

}  // namespace tarn
