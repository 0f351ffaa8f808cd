// The text is converted in one piece and then matched character by character: every UTF-16
// character (a unit or a surrogate pair) becomes exactly one CP932 character of one or two
// bytes, whose first byte tells its length.
#include "export/WmfText.h"

#include "base/TextCodec.h"
#include "canvas/Utf16.h"
#include "export/WmfFormat.h"

namespace tarn {
namespace {

bool IsCp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::size_t Cp932CharLength(std::string_view bytes, std::size_t at) {
  return IsCp932LeadByte(static_cast<unsigned char>(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::size_t Utf16CharLength(std::u16string_view text, std::size_t at) {
  return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2 : 1;
}

// The per-byte advances, or nothing when the two texts do not pair up character by character
// (the reader then lays the text out itself rather than misplace it).
std::vector<std::int32_t> ByteAdvances(std::u16string_view text, std::span<const std::int32_t> advances,
                                       std::string_view bytes) {
  std::vector<std::int32_t> dx;
  dx.reserve(bytes.size());
  std::size_t unit = 0, byte = 0;
  while (unit < text.size() && byte < bytes.size()) {
    const std::size_t units = Utf16CharLength(text, unit), length = Cp932CharLength(bytes, byte);
    std::int32_t advance = 0;
    for (std::size_t i = 0; i < units; ++i) advance += advances[unit + i];
    dx.push_back(advance);
    if (length == 2) dx.push_back(0);
    unit += units;
    byte += length;
  }
  if (unit != text.size() || byte != bytes.size()) dx.clear();
  return dx;
}

}  // namespace

Cp932Text EncodeCp932Text(std::u16string_view text, std::span<const std::int32_t> advances) {
  Cp932Text out;
  out.Bytes = EncodeCp932(Utf16ToUtf8(text));
  if (advances.size() == text.size()) out.Dx = ByteAdvances(text, advances, out.Bytes);
  return out;
}

std::string EncodeCp932FaceName(std::u16string_view face) {
  const std::string bytes = EncodeCp932(Utf16ToUtf8(face));
  std::size_t end = 0;
  while (end < bytes.size()) {
    const std::size_t length = Cp932CharLength(bytes, end);
    if (end + length > wmf::kFaceNameBytes - 1) break;  // room for the NUL
    end += length;
  }
  return bytes.substr(0, end);
}

}  // namespace tarn
