// The error of a metafile byte stream that is not what its header or records promise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/Errors.h"

namespace tarn {

class MetafileError : public TarnError {
 public:
  using TarnError::TarnError;
  // "<what> (record <index> at byte <offset>)", for faults inside the record stream.
  static MetafileError AtRecord(std::string_view what, std::size_t index, std::size_t offset);
};

// The largest recording the program makes: well inside the metafile's 32-bit sizes and the
// memory of an ordinary desktop.
inline constexpr std::uint64_t kMaxPictureBytes = std::uint64_t{1} << 30;

inline constexpr const char* kPictureTooLargeMessage =
    "描画する図形が多すぎるため、画像を作成できません\r\n等高線の間隔を広げるか、データを減らしてください";

// A picture that would grow past kMaxPictureBytes.
class PictureTooLarge : public TarnError {
 public:
  PictureTooLarge() : TarnError(kPictureTooLargeMessage) {}
};

}  // namespace tarn
