// Appends little-endian fields to a byte string, whatever the host's byte order.
#pragma once

#include <cstdint>
#include <string>

namespace tarn {

class ByteWriter {
 public:
  explicit ByteWriter(std::string& out) : out_(out) {}

  void U8(std::uint32_t value) { out_.push_back(static_cast<char>(value & 0xFFu)); }
  void U16(std::uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFFu), static_cast<char>((value >> 8) & 0xFFu),
                           static_cast<char>((value >> 16) & 0xFFu), static_cast<char>(value >> 24)};
    out_.append(bytes, 4);
  }
  void I16(std::int32_t value) { U16(static_cast<std::uint32_t>(value)); }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  void F32(float value);
  void Zeros(std::size_t count) { out_.append(count, '\0'); }
  void Raw(const char* bytes, std::size_t count) { out_.append(bytes, count); }
  std::size_t Position() const { return out_.size(); }
  // Overwrites a field written earlier, for counts known only at the end.
  void PatchU32(std::size_t offset, std::uint32_t value);

 private:
  std::string& out_;
};

}  // namespace tarn
