// Text as a WMF stores it: bytes of the font's code page (CP932 here, the Japanese one) with
// one advance per byte, and face names cut to the 31 bytes a Font object holds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

struct Cp932Text {
  std::string Bytes;
  // Per byte, as GDI's own recorder writes it: a character's advance on its first byte, 0 on
  // the trail byte of a double-byte one. Empty when the text came with no advances.
  std::vector<std::int32_t> Dx;
};

// `advances` holds one value per UTF-16 unit (0 after the first unit of a pair) or none.
// Characters CP932 lacks become "?", which takes the whole character's advance.
Cp932Text EncodeCp932Text(std::u16string_view text, std::span<const std::int32_t> advances);

// The face in CP932, at most 31 bytes and never ending inside a double-byte character.
std::string EncodeCp932FaceName(std::u16string_view face);

}  // namespace tarn
