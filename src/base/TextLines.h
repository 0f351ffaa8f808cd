// The lines of a text file kept as the file's own bytes, decoded to UTF-8 only where a
// text is needed. Large data files are mostly ASCII numbers, which parse the same in every
// encoding; CP932 never uses CR, LF or TAB as the second byte of a character, so lines and
// TAB fields can be cut before decoding.
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

  std::size_t Count() const { return lines_.size(); }
  // The bytes of line i, without its line ending (and without a byte-order mark).
  std::string_view Raw(std::size_t i) const { return lines_[i]; }
  // Line i, or any part of the file's bytes, as UTF-8.
  std::string Decoded(std::size_t i) const { return Decode(lines_[i]); }
  std::string Decode(std::string_view raw) const;
  TextEncoding Encoding() const { return encoding_; }

  TextLines(TextLines&&) noexcept = default;
  TextLines& operator=(TextLines&&) noexcept = default;
  TextLines(const TextLines&) = delete;
  TextLines& operator=(const TextLines&) = delete;

 private:
  // On the heap, so that the line views stay valid when the object moves.
  std::unique_ptr<const std::string> bytes_;
  TextEncoding encoding_ = TextEncoding::Ascii;
  std::vector<std::string_view> lines_;
};

}  // namespace tarn
