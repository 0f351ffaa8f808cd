// The file boundary of all text: files are CP932 (Shift-JIS); inside, text is UTF-8.
// Valid UTF-8 files, with or without a byte-order mark, are taken as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tarn {

enum class TextEncoding { Ascii, Utf8, Utf8WithBom, Cp932 };

// Chooses how a file's bytes are to be read: a byte-order mark or valid UTF-8 with some
// non-ASCII byte means UTF-8, pure 7-bit text needs no conversion, anything else is CP932.
TextEncoding DetectEncoding(std::string_view bytes);

// Converts bytes of the given encoding to UTF-8. Bytes that do not form a character
// become U+FFFD; conversion never fails.
std::string DecodeText(std::string_view bytes, TextEncoding encoding);

// DetectEncoding followed by DecodeText.
std::string DecodeText(std::string_view bytes);

// Converts UTF-8 to CP932; characters CP932 lacks become "?".
std::string EncodeCp932(std::string_view utf8);

bool IsAscii(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

}  // namespace tarn
