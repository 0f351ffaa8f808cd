#include "base/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace tarn {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence starting at `p`, or 0 if it is not a valid one.
std::size_t Utf8SequenceLength(const unsigned char* p, const unsigned char* end) {
  const unsigned char lead = p[0];
  std::size_t length = 0;
  std::uint32_t min = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) { length = 2; min = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { length = 3; min = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { length = 4; min = 0x10000; }
  else return 0;
  if (static_cast<std::size_t>(end - p) < length) return 0;
  std::uint32_t code = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (p[i] & 0x3Fu);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

std::string CleanUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  auto* end = p + bytes.size();
  while (p < end) {
    const std::size_t length = Utf8SequenceLength(p, end);
    if (length == 0) {
      out += kReplacement;
      ++p;
    } else {
      out.append(reinterpret_cast<const char*>(p), length);
      p += length;
    }
  }
  return out;
}

// A converter descriptor that closes itself.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `input`; each unconvertible input unit is skipped by `skipLength`
  // bytes (1 for CP932 input, one UTF-8 character for UTF-8 input) and replaced.
  template <typename SkipLength>
  std::string Convert(std::string_view input, std::string_view replacement, SkipLength skipLength) {
    std::string out;
    out.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        const std::size_t skip = std::min(inLeft, skipLength(in, inLeft));
        out += replacement;
        in += skip;
        inLeft -= skip;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t handle_;
};

}  // namespace

bool IsAscii(std::string_view bytes) {
  // Eight bytes at a time: the hot path of large data files.
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  for (; end - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if (word & 0x8080808080808080ull) return false;
  }
  for (; p < end; ++p) {
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  }
  return true;
}

bool IsValidUtf8(std::string_view bytes) {
  auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  auto* end = p + bytes.size();
  while (p < end) {
    if (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      if ((word & 0x8080808080808080ull) == 0) {
        p += 8;
        continue;
      }
    }
    const std::size_t length = Utf8SequenceLength(p, end);
    if (length == 0) return false;
    p += length;
  }
  return true;
}

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) return TextEncoding::Utf8WithBom;
  if (IsAscii(bytes)) return TextEncoding::Ascii;
  if (IsValidUtf8(bytes)) return TextEncoding::Utf8;
  return TextEncoding::Cp932;
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Ascii:
      return std::string(bytes);
    case TextEncoding::Utf8WithBom:
      if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
      return CleanUtf8(bytes);
    case TextEncoding::Utf8:
      return CleanUtf8(bytes);
    case TextEncoding::Cp932:
      break;
  }
  Converter converter("UTF-8", "CP932");
  return converter.Convert(bytes, kReplacement, [](const char*, std::size_t) { return std::size_t{1}; });
}

std::string DecodeText(std::string_view bytes) { return DecodeText(bytes, DetectEncoding(bytes)); }

std::string EncodeCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  const std::string clean = CleanUtf8(utf8);
  Converter converter("CP932", "UTF-8");
  return converter.Convert(clean, "?", [](const char* p, std::size_t left) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    const std::size_t length = Utf8SequenceLength(u, u + left);
    return length == 0 ? std::size_t{1} : length;
  });
}

}  // namespace tarn
