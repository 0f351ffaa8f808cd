#include "export/WmfObjectTable.h"

#include <cassert>

#include "base/Errors.h"
#include "export/PlaceableWmf.h"
#include "export/WmfFormat.h"

namespace tarn {

std::uint16_t WmfObjectTable::Take() {
  if (!freed_.empty()) {
    const std::uint16_t slot = freed_.top();
    freed_.pop();
    return slot;
  }
  if (next_ > wmf::kLargestSlot) throw TarnError(kWmfRangeMessage);
  return static_cast<std::uint16_t>(next_++);
}

void WmfObjectTable::Release(std::uint16_t slot) {
  assert(slot < next_ && "releasing a slot that was never taken");
  freed_.push(slot);
}

}  // namespace tarn
