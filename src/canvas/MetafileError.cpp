#include "canvas/MetafileError.h"

#include <string>

namespace tarn {

MetafileError MetafileError::AtRecord(std::string_view what, std::size_t index, std::size_t offset) {
  return MetafileError(std::string(what) + " (record " + std::to_string(index) + " at byte " +
                       std::to_string(offset) + ")");
}

}  // namespace tarn
