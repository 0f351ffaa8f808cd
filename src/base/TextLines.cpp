#include "base/TextLines.h"

#include "base/SplitText.h"
#include "base/TextFile.h"

namespace tarn {

TextLines::TextLines(std::string bytes)
    : bytes_(std::make_unique<const std::string>(std::move(bytes))), encoding_(DetectEncoding(*bytes_)), text_(*bytes_) {
  if (encoding_ == TextEncoding::Utf8WithBom) text_.remove_prefix(3);
}

const std::vector<std::string_view>& TextLines::Lines() const {
  if (!indexed_) {
    lines_ = SplitLines(text_);
    indexed_ = true;
  }
  return lines_;
}

std::string_view TextLines::FirstLine() const {
  std::size_t at = 0;
  std::string_view line;
  return NextLine(text_, at, line) ? line : std::string_view();
}

TextLines TextLines::FromFile(const std::string& path) { return TextLines(ReadFileBytes(path)); }

std::string TextLines::Decode(std::string_view raw) const {
  return DecodeText(raw, encoding_ == TextEncoding::Utf8WithBom ? TextEncoding::Utf8 : encoding_);
}

}  // namespace tarn
