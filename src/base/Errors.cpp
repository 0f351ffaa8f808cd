#include "base/Errors.h"

#include <algorithm>

namespace tarn {

namespace {

// A quoted text of the input is kept short, and control bytes are shown, not sent to the screen.
constexpr std::size_t kMaxQuotedCharacters = 80;

std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

std::string Quoted(std::string_view text) {
  std::string out = "'";
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    if (characters == kMaxQuotedCharacters) return out + "…'";
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
      ++i;
      continue;
    }
    const std::size_t length = std::min(Utf8Length(c), text.size() - i);
    out.append(text.substr(i, length));
    i += length;
  }
  return out + "'";
}

}  // namespace

ConversionError ConversionError::NotAFloat(std::string_view text) {
  return ConversionError(Quoted(text) + " は浮動小数点数ではありません");
}

ConversionError ConversionError::NotAnInteger(std::string_view text) {
  return ConversionError(Quoted(text) + " は整数ではありません");
}

ListIndexError::ListIndexError(long index)
    : TarnError("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")") {}

FileError FileError::CannotOpen(std::string_view path) {
  return FileError("ファイル " + std::string(path) + " は開けません");
}

FileError FileError::CannotCreate(std::string_view path) {
  return FileError("ファイル " + std::string(path) + " を作成できません");
}

FileError FileError::ChangedWhileRead(std::string_view path) {
  return FileError("ファイル " + std::string(path) +
                   " は読み込み中に書き換えられています\r\nしばらくしてからもう一度読み込んでください");
}

}  // namespace tarn
