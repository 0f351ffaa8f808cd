#include "canvas/ByteWriter.h"

#include <bit>
#include <cassert>

namespace tarn {

void ByteWriter::F32(float value) { U32(std::bit_cast<std::uint32_t>(value)); }

void ByteWriter::PatchU32(std::size_t offset, std::uint32_t value) {
  assert(offset + 4 <= out_.size() && "patching a field that was never written");
  for (int i = 0; i < 4; ++i) {
    out_[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
  }
}

}  // namespace tarn
