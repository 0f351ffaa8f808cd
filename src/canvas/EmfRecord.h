// One record of a metafile byte stream, with field reads that never leave the record, and a
// walker over the records that never trusts a Size beyond the bytes it has.
#pragma once

#include <cstdint>
#include <string_view>

#include "canvas/MetafileError.h"

namespace tarn {

// A view of one record's bytes; reads past its end throw MetafileError.
class EmfRecord {
 public:
  EmfRecord(std::string_view bytes, std::size_t index, std::size_t offset)
      : bytes_(bytes), index_(index), offset_(offset) {}

  std::uint32_t Type() const { return U32(0); }
  std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes_.size()); }
  std::size_t Index() const { return index_; }
  std::size_t Offset() const { return offset_; }
  std::string_view Bytes() const { return bytes_; }

  std::uint32_t U32(std::size_t at) const {
    Require(at, 4);
    return Load32(at);
  }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::uint32_t U16(std::size_t at) const {
    Require(at, 2);
    return Byte(at) | (Byte(at + 1) << 8);
  }
  std::int32_t I16(std::size_t at) const { return static_cast<std::int16_t>(U16(at)); }
  std::uint32_t U8(std::size_t at) const {
    Require(at, 1);
    return Byte(at);
  }
  // Throws unless `count` bytes from `at` lie inside the record.
  void Require(std::size_t at, std::size_t count) const {
    if (at > bytes_.size() || count > bytes_.size() - at) Fail("record too short for its fields");
  }
  [[noreturn]] void Fail(std::string_view what) const {
    throw MetafileError::AtRecord(what, index_, offset_);
  }

 private:
  std::uint32_t Byte(std::size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
  std::uint32_t Load32(std::size_t at) const {
    return Byte(at) | (Byte(at + 1) << 8) | (Byte(at + 2) << 16) | (Byte(at + 3) << 24);
  }

  std::string_view bytes_;
  std::size_t index_;
  std::size_t offset_;
};

// Walks the records of a stream from its first byte: each Size must be at least 8, a multiple
// of 4 and within the bytes left. Next() returns false after the last record.
class EmfRecordWalker {
 public:
  explicit EmfRecordWalker(std::string_view stream) : stream_(stream) {}
  bool Next();
  const EmfRecord& Current() const { return current_; }
  std::size_t Count() const { return count_; }

 private:
  std::string_view stream_;
  std::size_t offset_ = 0;
  std::size_t count_ = 0;
  EmfRecord current_{{}, 0, 0};
};

}  // namespace tarn
