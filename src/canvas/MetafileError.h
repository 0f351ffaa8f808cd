// The error of a metafile byte stream that is not what its header or records promise.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/Errors.h"

namespace tarn {

class MetafileError : public TarnError {
 public:
  using TarnError::TarnError;
  // "<what> (record <index> at byte <offset>)", for faults inside the record stream.
  static MetafileError AtRecord(std::string_view what, std::size_t index, std::size_t offset);
};

}  // namespace tarn
