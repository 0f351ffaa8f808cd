// The lines of a text file kept as the file's own bytes, decoded to UTF-8 only where a
// text is needed. Large data files are mostly ASCII numbers, which parse the same in every
// encoding; CP932 never uses CR, LF or TAB as the second byte of a character, so lines and
// TAB fields can be cut before decoding. The line index is made on first use: a reader that
// walks the text once (NextLine) never needs it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextCodec.h"

namespace tarn {

class TextLines {
 public:
  TextLines() = default;
  explicit TextLines(std::string bytes);

  // Reads a whole file; throws FileError ("ファイル %s は開けません").
  static TextLines FromFile(const std::string& path);

  std::size_t Count() const { return Lines().size(); }
  // The bytes of line i, without its line ending (and without a byte-order mark).
  std::string_view Raw(std::size_t i) const { return Lines()[i]; }
  // Line i, or any part of the file's bytes, as UTF-8.
  std::string Decoded(std::size_t i) const { return Decode(Raw(i)); }
  // The file's text after any byte-order mark, for walking it line by line with NextLine.
  std::string_view Text() const { return text_; }
  // The first line (empty when there is none), without making the index.
  std::string_view FirstLine() const;
  std::string Decode(std::string_view raw) const;
  TextEncoding Encoding() const { return encoding_; }

  TextLines(TextLines&&) noexcept = default;
  TextLines& operator=(TextLines&&) noexcept = default;
  TextLines(const TextLines&) = delete;
  TextLines& operator=(const TextLines&) = delete;

 private:
  const std::vector<std::string_view>& Lines() const;

  // On the heap, so that the line views stay valid when the object moves.
  std::unique_ptr<const std::string> bytes_;
  TextEncoding encoding_ = TextEncoding::Ascii;
  std::string_view text_;
  mutable std::vector<std::string_view> lines_;
  mutable bool indexed_ = false;
};

}  // namespace tarn
