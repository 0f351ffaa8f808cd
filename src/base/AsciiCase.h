// ASCII-only upper-casing, as the settings file and the picture extensions compare words:
// other bytes, the parts of Japanese characters among them, stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace tarn {

inline std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

inline std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace tarn
