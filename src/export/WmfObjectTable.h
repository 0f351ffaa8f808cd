// The WMF object table as every reader rebuilds it: a creation record takes the lowest free
// slot (from 0), a deletion frees its slot for the next creation. Creation records name no
// slot, so the writer has to count exactly as the readers do.
#pragma once

#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

namespace tarn {

class WmfObjectTable {
 public:
  // The slot the next created object takes; throws TarnError(kWmfRangeMessage) when the
  // 16-bit table is full.
  std::uint16_t Take();
  // Frees a slot taken earlier and not yet released.
  void Release(std::uint16_t slot);
  // NumberOfObjects: the highest slot ever used + 1.
  std::uint16_t Size() const { return static_cast<std::uint16_t>(next_); }

 private:
  // Freed slots, all below next_; a heap keeps the lowest on top even after many deletions.
  std::priority_queue<std::uint16_t, std::vector<std::uint16_t>, std::greater<>> freed_;
  std::uint32_t next_ = 0;  // this slot and all above it were never used
};

}  // namespace tarn
