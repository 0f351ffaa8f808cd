// A structural check of a whole Enhanced Metafile, stricter than the lenient readers: header
// counts against the stream, every record's size, object indexes, and EMR_EOF last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

#include "canvas/EmfHeader.h"

namespace tarn {

struct EmfSummary {
  EmfHeader Header;
  std::size_t RecordCount = 0;        // header and EOF included
  std::uint32_t PeakObjects = 0;      // most objects alive at one time
  std::map<std::uint32_t, std::size_t> TypeCounts;
  std::size_t Count(std::uint32_t type) const {
    const auto it = TypeCounts.find(type);
    return it == TypeCounts.end() ? 0 : it->second;
  }
};

// Throws MetafileError naming the first fault and the record where it lies.
EmfSummary ValidateEmf(std::string_view stream);

}  // namespace tarn
