// The metafile's object table as the recorder fills it: the lowest free index from 1 up for
// each new object, freed indexes reused, and the most objects alive at once for nHandles.
#pragma once

#include <cstdint>
#include <vector>

namespace tarn {

class ObjectTable {
 public:
  std::uint32_t Allocate();
  void Free(std::uint32_t index);
  bool Alive(std::uint32_t index) const { return index < used_.size() && used_[index]; }
  // 1 + the most objects alive at one time (slot 0 is reserved).
  std::uint32_t Handles() const { return 1 + peak_; }

 private:
  std::vector<bool> used_ = {true};  // slot 0 is never handed out
  std::uint32_t alive_ = 0;
  std::uint32_t peak_ = 0;
};

}  // namespace tarn
