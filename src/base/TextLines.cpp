#include "base/TextLines.h"

#include "base/SplitText.h"
#include "base/TextFile.h"

namespace tarn {

TextLines::TextLines(std::string bytes)
    : bytes_(std::make_unique<const std::string>(std::move(bytes))), encoding_(DetectEncoding(*bytes_)) {
  std::string_view text = *bytes_;
  if (encoding_ == TextEncoding::Utf8WithBom) text.remove_prefix(3);
  lines_ = SplitLines(text);
}

TextLines TextLines::FromFile(const std::string& path) { return TextLines(ReadFileBytes(path)); }

std::string TextLines::Decode(std::string_view raw) const {
  return DecodeText(raw, encoding_ == TextEncoding::Utf8WithBom ? TextEncoding::Utf8 : encoding_);
}

}  // namespace tarn
