#include "base/SplitText.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tarn {

namespace {

template <typename Field>
int SplitInto(std::string_view text, char delimiter, std::vector<Field>& fields) {
  fields.clear();
  if (text.empty()) return 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(delimiter, start);
    if (at == std::string_view::npos) break;
    fields.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  fields.emplace_back(text.substr(start));
  return static_cast<int>(fields.size());
}

// A word of eight bytes with the high bit set in every byte equal to `byte`, and maybe in
// bytes above the first such one (the borrow of the subtraction runs upwards only).
std::uint64_t BytesEqual(std::uint64_t word, std::uint8_t byte) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  const std::uint64_t x = word ^ (kOnes * byte);
  return (x - kOnes) & ~x & (kOnes * 0x80);
}

// The position of the first CR or LF from `at`, or the end of the text. Eight bytes at a
// time: a data file is millions of short lines.
std::size_t LineEnd(std::string_view text, std::size_t at) {
  const char* p = text.data() + at;
  const char* end = text.data() + text.size();
  // The lowest flagged byte is the first match only where the low byte comes first.
  if constexpr (std::endian::native == std::endian::little) {
    for (; end - p >= 8; p += 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      const std::uint64_t found = BytesEqual(word, '\n') | BytesEqual(word, '\r');
      if (found != 0) return static_cast<std::size_t>(p - text.data()) + std::countr_zero(found) / 8;
    }
  }
  while (p < end && *p != '\n' && *p != '\r') ++p;
  return static_cast<std::size_t>(p - text.data());
}

}  // namespace

int SplitText(std::string_view text, char delimiter, std::vector<std::string>& fields) {
  return SplitInto(text, delimiter, fields);
}

int SplitText(std::string_view text, char delimiter, std::vector<std::string_view>& fields) {
  return SplitInto(text, delimiter, fields);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t at = 0;
  std::string_view line;
  while (NextLine(text, at, line)) lines.push_back(line);
  return lines;
}

bool NextLine(std::string_view text, std::size_t& at, std::string_view& line) {
  if (at >= text.size()) return false;
  const std::size_t end = LineEnd(text, at);
  line = text.substr(at, end - at);
  at = end + 1;
  if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++at;
  return true;
}

}  // namespace tarn
