#include "canvas/ObjectTable.h"

#include <algorithm>
#include <cassert>

namespace tarn {

std::uint32_t ObjectTable::Allocate() {
  const auto free = std::find(used_.begin(), used_.end(), false);
  const auto index = static_cast<std::uint32_t>(free - used_.begin());
  if (free == used_.end()) {
    used_.push_back(true);
  } else {
    *free = true;
  }
  ++alive_;
  peak_ = std::max(peak_, alive_);
  return index;
}

void ObjectTable::Free(std::uint32_t index) {
  assert(Alive(index) && index != 0 && "freeing an object that is not alive");
  used_[index] = false;
  --alive_;
}

}  // namespace tarn
