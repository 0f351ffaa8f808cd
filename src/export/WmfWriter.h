// Writing a placeable Windows metafile into a byte string: the two headers, then records
// framed by their size in words, every field in explicit little-endian. The totals that
// META_HEADER carries are kept as the records go and patched in at the end.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "base/Errors.h"
#include "export/PlaceableWmf.h"

namespace tarn {

// A value for a 16-bit field; throws TarnError(kWmfRangeMessage) when it does not fit, so no
// coordinate is ever wrapped.
inline std::int16_t Fit16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    throw TarnError(kWmfRangeMessage);
  }
  return static_cast<std::int16_t>(value);
}

class WmfWriter {
 public:
  // Appends the placeable header for a picture of width x height units at 96 per inch and a
  // META_HEADER whose totals Finish fills in.
  WmfWriter(std::string& out, std::int16_t width, std::int16_t height);

  // Starts a record of `words` words in all; exactly that many must follow before the next.
  void Begin(std::uint16_t function, std::uint32_t words);
  void U16(std::uint32_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFFu), static_cast<char>((value >> 8) & 0xFFu)};
    out_.append(bytes, 2);
  }
  void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFFu);
    U16(value >> 16);
  }
  // The bytes and a zero when their count is odd.
  void PaddedBytes(std::string_view bytes);

  // META_SETPIXEL laid out in one buffer and appended once: a per-pixel picture is millions
  // of them.
  void SetPixel(std::int16_t x, std::int16_t y, std::uint32_t color);

  // Appends META_EOF and fills in Size, NumberOfObjects and MaxRecord.
  void Finish(std::uint16_t numberOfObjects);

 private:
  void Patch16(std::size_t offset, std::uint32_t value);

  std::string& out_;
  std::size_t recordEnd_;  // where the record being written must end
  std::uint32_t maxRecord_ = 0;
};

}  // namespace tarn
