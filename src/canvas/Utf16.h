// UTF-8 and UTF-16 conversion for the metafile's text, which is UTF-16LE.
#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Bytes that do not form a character become U+FFFD; conversion never fails.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tarn
