#include "base/Errors.h"

namespace tarn {

namespace {
std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }
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

}  // namespace tarn
